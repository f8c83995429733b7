// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "page.h"

#include <vector>

class QLabel;

// «Altre quotelle»: the topics the teacher switched on, one button a
// screen, and their page of rules; "&Fine", or Esc, goes back to the menu.
class frmaltre : public Page
{
    Q_OBJECT

public:
    // A screen to open and the caption of its button.
    struct Choice
    {
        QString screen;
        QString caption;
    };
    // rules names the topics' page of rules; empty for none.
    frmaltre(const std::vector<Choice> &choices, const QString &rules);

    // With the voice on, the choices are read as the screen opens.
    void Form_Load() override;

    QLabel *Label1;
    std::vector<QPushButton *> choices;
    QPushButton *cmdregole = nullptr;

private:
    void choose(const QString &screen);
};
