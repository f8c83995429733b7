// SPDX-License-Identifier: GPL-3.0-or-later

#include "line.h"

#include "twips.h"

#include <QPainter>

Line::Line(QWidget *parent, int x1, int y1, int x2, int y2, int width, const QColor &colour)
    : QWidget(parent), m_width(width), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPointF a(twips::toPixelsF(x1), twips::toPixelsF(y1));
    const QPointF b(twips::toPixelsF(x2), twips::toPixelsF(y2));
    const QRectF bounds = QRectF(a, b).normalized().adjusted(-width, -width, width, width);
    const QRect box = bounds.toAlignedRect();
    setGeometry(box);
    m_from = a - box.topLeft();
    m_to = b - box.topLeft();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_from, m_to);
}
