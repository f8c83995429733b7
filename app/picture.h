// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing.h"

#include <QPushButton>
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
class PictureButton : public QPushButton, public Drawing
{
    Q_OBJECT

public:
    PictureButton(QWidget *parent, const QString &file);

signals:
    // The keyboard focus came to it, or the mouse rests on it: what a child
    // who cannot read its drawing would want to hear its name.
    void nameWanted();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
