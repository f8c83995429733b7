// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpdiagram.h"

#include <QPainter>

#include <algorithm>

namespace {

// The help's colours: dark blue on white, far above 3:1 against both.
const QColor coloured(30, 90, 200);
const QColor outline(40, 40, 40);

// A bracket along a span, its ends turned towards the bar, and its label on
// the other side of it.
void bracket(QPainter &painter, qreal left, qreal right, qreal y, qreal towards,
             const QString &label, qreal zoom)
{
    painter.setPen(QPen(outline, 2 * zoom));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
    painter.drawLine(QPointF(left, y), QPointF(left, y + towards));
    painter.drawLine(QPointF(right, y), QPointF(right, y + towards));
    const qreal height = painter.fontMetrics().height();
    const QRectF text(left, towards > 0 ? y - height : y, right - left, height);
    painter.setPen(Qt::black);
    painter.drawText(text, Qt::AlignCenter, label);
}

void paintBar(QPainter &painter, const PartsBar &bar, const QRectF &room, qreal zoom)
{
    if (bar.parts < 1)
        return;
    const qreal line = painter.fontMetrics().height();
    const qreal height = std::min(room.height() - 2 * (line + 6 * zoom), 44 * zoom);
    if (height <= 0)
        return;
    const QRectF place(room.left() + 2 * zoom, room.center().y() - height / 2,
                       room.width() - 4 * zoom, height);
    const qreal part = place.width() / bar.parts;
    painter.fillRect(place, Qt::white);
    painter.fillRect(QRectF(place.left(), place.top(), part * bar.coloured, height), coloured);
    painter.setPen(QPen(outline, std::max(1.0, zoom)));
    for (int k = 1; k < bar.parts; ++k)
        painter.drawLine(QPointF(place.left() + k * part, place.top()),
                         QPointF(place.left() + k * part, place.bottom()));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(place);
    if (painter.fontMetrics().horizontalAdvance(bar.partLabel) + 4 * zoom <= part) {
        for (int k = 0; k < bar.parts; ++k) {
            painter.setPen(k < bar.coloured ? Qt::white : Qt::black);
            painter.drawText(QRectF(place.left() + k * part, place.top(), part, height),
                             Qt::AlignCenter, bar.partLabel);
        }
    }
    // The coloured parts together over the bar, the whole under it.
    bracket(painter, place.left(), place.left() + part * bar.coloured, place.top() - 4 * zoom,
            4 * zoom, bar.colouredLabel, zoom);
    bracket(painter, place.left(), place.right(), place.bottom() + 4 * zoom, -4 * zoom,
            bar.wholeLabel, zoom);
}

void paintTable(QPainter &painter, const PlaceValueTable &table, const QRectF &room, qreal zoom)
{
    const qreal cell = std::min({room.width() / 4, room.height() / 2, 52 * zoom});
    if (cell <= 0)
        return;
    const QRectF grid(room.center().x() - 2 * cell, room.center().y() - cell, 4 * cell, 2 * cell);
    painter.fillRect(grid, Qt::white);
    QFont font = painter.font();
    for (int k = 0; k < 4; ++k) {
        const QRectF heading(grid.left() + k * cell, grid.top(), cell, cell);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(k == 0 ? Qt::black : coloured);
        painter.drawText(heading, Qt::AlignCenter, placeNames()[k]);
        font.setBold(false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(heading.translated(0, cell), Qt::AlignCenter, table.digits[k]);
    }
    painter.setPen(QPen(outline, std::max(1.0, zoom)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(grid);
    painter.drawLine(QPointF(grid.left(), grid.top() + cell),
                     QPointF(grid.right(), grid.top() + cell));
    for (int k = 2; k < 4; ++k)
        painter.drawLine(QPointF(grid.left() + k * cell, grid.top()),
                         QPointF(grid.left() + k * cell, grid.bottom()));
    // The comma stands between the units and the tenths: a thick red line
    // there, and the comma itself at its foot.
    const qreal comma = grid.left() + cell;
    painter.setPen(QPen(QColor(200, 30, 30), 3 * zoom));
    painter.drawLine(QPointF(comma, grid.top()), QPointF(comma, grid.bottom()));
    painter.setBrush(QColor(200, 30, 30));
    painter.setPen(Qt::NoPen);
    const qreal dot = 3.5 * zoom;
    painter.drawEllipse(QPointF(comma, grid.bottom() - cell * 0.25), dot, dot);
    painter.setBrush(Qt::NoBrush);
}

void paintSquare(QPainter &painter, const HundredSquare &square, const QRectF &room, qreal zoom)
{
    const qreal side = std::floor(std::min(room.width(), room.height()) / 10) * 10;
    if (side <= 0)
        return;
    const qreal cell = side / 10;
    const QRectF grid(room.center().x() - side / 2, room.top(), side, side);
    painter.fillRect(grid, Qt::white);
    for (int k = 0; k < square.coloured && k < 100; ++k)
        painter.fillRect(
            QRectF(grid.left() + k % 10 * cell, grid.top() + k / 10 * cell, cell, cell), coloured);
    painter.setPen(QPen(outline, std::max(1.0, zoom / 2)));
    for (int k = 1; k < 10; ++k) {
        painter.drawLine(QPointF(grid.left() + k * cell, grid.top()),
                         QPointF(grid.left() + k * cell, grid.bottom()));
        painter.drawLine(QPointF(grid.left(), grid.top() + k * cell),
                         QPointF(grid.right(), grid.top() + k * cell));
    }
    painter.setPen(QPen(outline, std::max(1.0, zoom)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(grid);
}

} // namespace

int diagramRows(const Diagram &diagram)
{
    if (std::holds_alternative<PartsBar>(diagram))
        return 2;
    if (std::holds_alternative<PlaceValueTable>(diagram))
        return 2;
    if (std::holds_alternative<HundredSquare>(diagram))
        return 3;
    return 0;
}

void paintDiagram(QPainter &painter, const Diagram &diagram, const QRectF &room, qreal zoom)
{
    if (room.height() <= 0 || room.width() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (const auto *bar = std::get_if<PartsBar>(&diagram))
        paintBar(painter, *bar, room, zoom);
    else if (const auto *table = std::get_if<PlaceValueTable>(&diagram))
        paintTable(painter, *table, room, zoom);
    else if (const auto *square = std::get_if<HundredSquare>(&diagram))
        paintSquare(painter, *square, room, zoom);
    painter.restore();
}

DiagramView::DiagramView(const Diagram &diagram, QWidget *parent)
    : QWidget(parent), m_diagram(diagram)
{
    setAccessibleDescription(describe(diagram));
}

void DiagramView::setZoom(qreal zoom)
{
    m_zoom = zoom;
    update();
}

void DiagramView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintDiagram(painter, m_diagram, rect(), m_zoom);
}
