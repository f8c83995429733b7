// SPDX-License-Identifier: GPL-3.0-or-later

#include "line.h"

#include "twips.h"

#include <QPainter>

Line::Line(QWidget *parent, int x1, int y1, int x2, int y2, int width, const QColor &colour)
    : Stroke(parent, colour, width), m_twipsFrom(x1, y1), m_twipsTo(x2, y2)
{
    setZoom(1);
}

void Line::setZoom(qreal zoom)
{
    setPenZoom(zoom);
    const QPointF a(twips::toPixelsF(m_twipsFrom.x(), zoom),
                    twips::toPixelsF(m_twipsFrom.y(), zoom));
    const QPointF b(twips::toPixelsF(m_twipsTo.x(), zoom), twips::toPixelsF(m_twipsTo.y(), zoom));
    const int margin = penWidth();
    const QRectF bounds = QRectF(a, b).normalized().adjusted(-margin, -margin, margin, margin);
    const QRect box = bounds.toAlignedRect();
    setGeometry(box);
    m_from = a - box.topLeft();
    m_to = b - box.topLeft();
    update();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(colour(), penWidth(), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_from, m_to);
}
