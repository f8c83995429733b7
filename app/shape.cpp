// SPDX-License-Identifier: GPL-3.0-or-later

#include "shape.h"

#include <QPainter>

Shape::Shape(QWidget *parent, const QColor &colour, int width, Outline outline)
    : QWidget(parent), m_colour(colour), m_width(width), m_outline(outline)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_outline == Outline::Oval);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const qreal inset = m_width / 2.0;
    const QRectF inside = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (m_outline == Outline::Oval)
        painter.drawEllipse(inside);
    else
        painter.drawRect(inside);
}
