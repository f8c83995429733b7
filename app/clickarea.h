// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// An invisible area that answers to the mouse: a click released inside it
// emits clicked(). It lies over what it stands for and takes no focus.
class ClickArea : public QWidget
{
    Q_OBJECT

public:
    explicit ClickArea(QWidget *parent);

    // What a full click does, for those who press it another way.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
