// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

Picture::Picture(QWidget *parent, const QString &file) : QWidget(parent), Drawing(file) { }

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintDrawing(painter, QPointF(0, 0));
}

PictureButton::PictureButton(QWidget *parent, const QString &file)
    : QPushButton(parent), Drawing(file)
{ }

bool PictureButton::event(QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::ToolTip)
        emit nameWanted();
    return QPushButton::event(event);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);

    QRectF area(QPointF(0, 0), naturalSize() * zoom());
    area.moveCenter(QRectF(rect()).center());
    if (isDown())
        area.translate(zoom(), zoom());
    paintDrawing(painter, area.topLeft());
}
