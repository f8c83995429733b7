// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A command button whose caption wraps at word boundaries when it is too long
// for one line, as on the comparison choice screen. The "&" access key works
// as on any QPushButton.
class Button : public QPushButton
{
    Q_OBJECT

public:
    Button(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
