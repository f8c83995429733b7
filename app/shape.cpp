// SPDX-License-Identifier: GPL-3.0-or-later

#include "shape.h"

#include "twips.h"

#include <QPainter>

Shape::Shape(QWidget *parent, const QColor &colour, int width, Outline outline)
    : QWidget(parent), m_colour(colour), m_width(width), m_penWidth(twips::penWidth(width, 1)),
      m_outline(outline)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setZoom(qreal zoom)
{
    m_penWidth = twips::penWidth(m_width, zoom);
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_outline == Outline::Oval);
    painter.setPen(QPen(m_colour, m_penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const qreal inset = m_penWidth / 2.0;
    const QRectF inside = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (m_outline == Outline::Oval)
        painter.drawEllipse(inside);
    else
        painter.drawRect(inside);
}
