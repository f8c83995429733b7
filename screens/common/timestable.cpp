// SPDX-License-Identifier: GPL-3.0-or-later

#include "timestable.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QPainter>
#include <QResizeEvent>
#include <QStyledItemDelegate>

namespace {

constexpr int factors = 10;
const QColor highlight(255, 230, 120);

// A cell is its number in the middle and nothing else, so that "100"
// still fits the narrow cells beside the number pad.
class Cell : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        if (const QVariant background = index.data(Qt::BackgroundRole); background.isValid())
            painter->fillRect(option.rect, background.value<QBrush>());
        painter->setFont(option.font);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(option.rect, Qt::AlignCenter, index.data().toString());
        if (option.state & QStyle::State_HasFocus) {
            painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
            painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        }
    }
};

} // namespace

TimesTable::TimesTable(QWidget *parent) : QTableWidget(parent)
{
    setObjectName(QStringLiteral("tavola"));
    setAccessibleName(QStringLiteral("Tavola pitagorica"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // The cells share out whatever room the zoom gives the table.
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Stretch);
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new Cell(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    // Tab leaves the table for the next box, as from any other control.
    setTabKeyNavigation(false);
}

void TimesTable::fill()
{
    setRowCount(factors);
    setColumnCount(factors);
    for (int r = 1; r <= factors; ++r) {
        for (int c = 1; c <= factors; ++c) {
            auto *cell = new QTableWidgetItem(QString::number(r * c));
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setData(Qt::AccessibleTextRole,
                          QStringLiteral("%1 per %2, %3").arg(r).arg(c).arg(r * c));
            setItem(r - 1, c - 1, cell);
        }
    }
    if (m_row > 0)
        setRow(m_row);
}

void TimesTable::showEvent(QShowEvent *event)
{
    if (rowCount() == 0)
        fill();
    QTableWidget::showEvent(event);
}

void TimesTable::hideEvent(QHideEvent *event)
{
    QTableWidget::hideEvent(event);
    setRowCount(0);
    setColumnCount(0);
}

void TimesTable::setRow(int row)
{
    for (int c = 0; c < columnCount(); ++c) {
        if (m_row > 0)
            item(m_row - 1, c)->setData(Qt::BackgroundRole, QVariant());
        item(row - 1, c)->setBackground(highlight);
    }
    m_row = row;
}

void TimesTable::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    const QSizeF cell(event->size().width() / qreal(factors),
                      event->size().height() / qreal(factors));
    QFont font = this->font();
    // "100" with a little air each side, the line with a little above and
    // below; small sizes are rounded, so the fit is checked.
    for (int pixels = int(cell.height()); pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(QStringLiteral("100")) + 4 <= cell.width()
            && metrics.height() + 2 <= cell.height())
            break;
    }
    setFont(font);
}
