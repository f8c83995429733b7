// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPalette>
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

// The style caches a button's drawing under a key that holds its palette's
// identity, and every screen loaded builds fresh palettes: drawing with one
// shared copy of each distinct palette lets those entries be reused instead
// of piling up for as long as the program runs.
const QPalette &sharedPalette(const QPalette &palette);
