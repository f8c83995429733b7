// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing.h"

#include <QPushButton>
#include <QTimer>
#include <QWidget>

// A drawing from resources/pictures/, shown at its natural size from the top
// left corner of its box, over the box's background colour when it has one.
class Picture : public QWidget, public Drawing
{
    Q_OBJECT

public:
    Picture(QWidget *parent, const QString &file);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A command button that shows a drawing, centred, in place of a caption.
// Its name is its tooltip; a finger or a board's pen never hovers, so a
// press held for half a second shows the name too, and opens nothing.
class PictureButton : public QPushButton, public Drawing
{
    Q_OBJECT

public:
    PictureButton(QWidget *parent, const QString &file);

signals:
    // The keyboard focus came to it, the mouse rests on it or a press is held
    // on it: a child who cannot read its drawing would want to hear its name.
    void nameWanted();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showName();

    QTimer m_hold;
    bool m_held = false;
};
