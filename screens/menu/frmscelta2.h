// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

class QLabel;
class QPushButton;

// Picks one of the three comparison exercises.
class frmscelta2 : public Screen
{
    Q_OBJECT

public:
    frmscelta2();

    // With the voice on, the question is read as the screen opens.
    void Form_Load() override;

    QPushButton *cmdsimbolo;
    QPushButton *cmdmax;
    QPushButton *cmdordine;
    QLabel *Label1;

private:
    void choose(const QString &exercise);
    void cmdsimbolo_Click();
    void cmdmax_Click();
    void cmdordine_Click();
};
