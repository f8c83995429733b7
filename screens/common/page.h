// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

// A screen with a way back to the main menu: "&Fine", also pressed by Esc.
class Page : public Screen
{
    Q_OBJECT

public:
    using Screen::Screen;

protected:
    QPushButton *fineButton(int tabIndex);
    // A page with something to lose may ask first.
    virtual void cmdfine_Click();

    QPushButton *cmdfine = nullptr;
};
