// SPDX-License-Identifier: GPL-3.0-or-later

#include "timestable.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <QTimer>

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

// A cell's number to a screen reader: row by row.
int cellNumber(const QModelIndex &index)
{
    return index.row() * index.model()->columnCount() + index.column();
}

// To a screen reader the table is a list of its hundred cells. As a table
// a screen reader reads the whole row each time the row changes, so that
// Down would read ten products; as a list each arrow reads one cell,
// "4 per 7, 28". The arrows still move as in the table the child sees.
class CellAccessible : public QAccessibleInterface
{
public:
    CellAccessible(TimesTable *table, int index) : m_table(table), m_index(index) { }

    bool isValid() const override
    {
        return m_table && m_index < m_table->rowCount() * m_table->columnCount();
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_table.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString &) override { }

    QString text(QAccessible::Text t) const override
    {
        const QTableWidgetItem *cell = item();
        return t == QAccessible::Name && cell ? cell->data(Qt::AccessibleTextRole).toString()
                                              : QString();
    }

    QRect rect() const override
    {
        const QTableWidgetItem *cell = item();
        if (!cell)
            return {};
        const QRect place = m_table->visualItemRect(cell);
        return {m_table->viewport()->mapToGlobal(place.topLeft()), place.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!item() || !m_table->isVisible()) {
            state.invisible = true;
            return state;
        }
        state.focusable = true;
        state.focused = m_table->hasFocus() && m_table->currentItem() == item();
        return state;
    }

    int index() const { return m_index; }
    const TimesTable *table() const { return m_table.data(); }

private:
    QTableWidgetItem *item() const
    {
        return isValid()
            ? m_table->item(m_index / m_table->columnCount(), m_index % m_table->columnCount())
            : nullptr;
    }

    QPointer<TimesTable> m_table;
    int m_index;
};

class TableAccessible : public QAccessibleWidget
{
public:
    explicit TableAccessible(TimesTable *table) : QAccessibleWidget(table, QAccessible::List) { }

    ~TableAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return table()->rowCount() * table()->columnCount(); }

    // Cells are numbered as currentChanged tells them.
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        QAccessible::Id &id = m_cells[index];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new CellAccessible(table(), index));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *cell = dynamic_cast<const CellAccessible *>(child);
        return cell && cell->table() == table() && cell->isValid() ? cell->index() : -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QModelIndex index =
            table()->indexAt(table()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(cellNumber(index)) : nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        const QModelIndex current = table()->currentIndex();
        return table()->hasFocus() && current.isValid() ? child(cellNumber(current)) : nullptr;
    }

private:
    TimesTable *table() const { return static_cast<TimesTable *>(widget()); }

    mutable QHash<int, QAccessible::Id> m_cells;
};

QAccessibleInterface *accessibleTable(const QString &, QObject *object)
{
    if (auto *table = qobject_cast<TimesTable *>(object))
        return new TableAccessible(table);
    return nullptr;
}

} // namespace

TimesTable::TimesTable(QWidget *parent) : QTableWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(accessibleTable), true);
    Q_UNUSED(accessible);
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
    const auto lit = [this](int r) { return r >= 1 && r <= rowCount(); };
    for (int c = 0; c < columnCount(); ++c) {
        if (lit(m_row))
            item(m_row - 1, c)->setData(Qt::BackgroundRole, QVariant());
        if (lit(row))
            item(row - 1, c)->setBackground(highlight);
    }
    m_row = row >= 1 && row <= factors ? row : 0;
    if (lit(m_row))
        setCurrentCell(m_row - 1, 0);
}

void TimesTable::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // The table view's own notice numbers the cells as a table with its
    // headers, which this list has not.
    QAbstractItemView::currentChanged(current, previous);
    tellCurrent();
}

void TimesTable::focusInEvent(QFocusEvent *event)
{
    QTableWidget::focusInEvent(event);
    // After the table itself has been named.
    QTimer::singleShot(0, this, &TimesTable::tellCurrent);
}

void TimesTable::tellCurrent()
{
    const QModelIndex current = currentIndex();
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(cellNumber(current));
        QAccessible::updateAccessibility(&event);
    }
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
