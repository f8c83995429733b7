// SPDX-License-Identifier: GPL-3.0-or-later

#include "shape.h"

#include "twips.h"

#include <QPainter>

Shape::Shape(QWidget *parent, const QColor &colour, int width, Outline outline)
    : Stroke(parent, colour, width), m_outline(outline)
{ }

void Shape::setZoom(qreal zoom)
{
    setPenZoom(zoom);
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_outline == Outline::Oval);
    painter.setPen(QPen(colour(), penWidth(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const qreal inset = penWidth() / 2.0;
    const QRectF inside = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (m_outline == Outline::Oval)
        painter.drawEllipse(inside);
    else
        painter.drawRect(inside);
}
