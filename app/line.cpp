// SPDX-License-Identifier: GPL-3.0-or-later

#include "line.h"

#include "twips.h"

#include <QPainter>

Line::Line(QWidget *parent, int x1, int y1, int x2, int y2, int width, const QColor &colour)
    : QWidget(parent), m_twipsFrom(x1, y1), m_twipsTo(x2, y2), m_width(width), m_penWidth(width),
      m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setZoom(1);
}

void Line::setZoom(qreal zoom)
{
    m_penWidth = twips::penWidth(m_width, zoom);
    const QPointF a(twips::toPixelsF(m_twipsFrom.x(), zoom),
                    twips::toPixelsF(m_twipsFrom.y(), zoom));
    const QPointF b(twips::toPixelsF(m_twipsTo.x(), zoom), twips::toPixelsF(m_twipsTo.y(), zoom));
    const int margin = m_penWidth;
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
    painter.setPen(QPen(m_colour, m_penWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_from, m_to);
}
