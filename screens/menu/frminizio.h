// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

class Picture;
class PictureButton;
class QPushButton;

// The main menu: four picture buttons and "&Esci".
class frminizio : public Screen
{
    Q_OBJECT

public:
    frminizio();

    // At the whiteboard: each picture button's name in words, over the top
    // row's pictures and under the bottom row's, in the free bands between
    // the title, the pictures and the credits.
    void showNames();
    // Right of the title's lettering, clear of the names shown at the whiteboard.
    std::optional<QRect> noticePlace() const override { return QRect(7100, 150, 3350, 1200); }
    // Ctrl+Alt+I opens the teacher's window.
    bool programKey(KeyAction action, bool run) override;

    PictureButton *cmdripassa;
    QPushButton *cmdesci;
    PictureButton *cmdconfronto;
    PictureButton *cmdtrovo;
    PictureButton *cmdcalcolo;
    Picture *Picture2;
    Picture *Picture1;
    Picture *Image5;
    Picture *Image4;

private:
    void cmdcalcolo_Click();
    void cmdconfronto_Click();
    void cmdtrovo_Click();
    void cmdripassa_Click();
    void cmdesci_Click();
};
