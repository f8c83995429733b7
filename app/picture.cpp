// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture.h"

#include "button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

Picture::Picture(QWidget *parent, const QString &file) : QWidget(parent), m_drawing(file) { }

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_drawing.paint(painter, QPointF(0, 0), devicePixelRatioF());
}

PictureButton::PictureButton(QWidget *parent, const QString &file)
    : QPushButton(parent), m_drawing(file)
{ }

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.palette = sharedPalette(option.palette);
    painter.drawControl(QStyle::CE_PushButton, option);

    QRectF area(QPointF(0, 0), naturalSize());
    area.moveCenter(QRectF(rect()).center());
    if (isDown())
        area.translate(1, 1);
    m_drawing.paint(painter, area.topLeft(), devicePixelRatioF());
}
