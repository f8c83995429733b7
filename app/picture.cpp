// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>

#include <utility>

Picture::Picture(QWidget *parent, const QString &file) : QWidget(parent), Drawing(file) { }

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintDrawing(painter, QPointF(0, 0));
}

PictureButton::PictureButton(QWidget *parent, const QString &file)
    : QPushButton(parent), Drawing(file)
{
    m_hold.setSingleShot(true);
    m_hold.setInterval(500);
    connect(&m_hold, &QTimer::timeout, this, [this] {
        if (isDown()) {
            m_held = true;
            showName();
            emit nameWanted();
        }
    });
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    m_held = false;
    QPushButton::mousePressEvent(event);
    if (isDown())
        m_hold.start();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_hold.stop();
    // The name was asked for, not the screen: no click. A release hides any
    // tooltip, so it is shown again, for the class to read, and the release
    // goes no further.
    const bool held = std::exchange(m_held, false);
    if (held)
        setDown(false);
    QPushButton::mouseReleaseEvent(event);
    if (held) {
        event->accept();
        showName();
    }
}

void PictureButton::showName()
{
    QToolTip::showText(mapToGlobal(QPoint(width() / 2, height())), toolTip(), this);
}

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
