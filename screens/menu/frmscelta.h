// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

class QLabel;
class QPushButton;

// Picks the range of the fraction-of-a-number exercise: within 100 or 1000.
class frmscelta : public Screen
{
    Q_OBJECT

public:
    frmscelta();

    // With the voice on, the question is read as the screen opens.
    void Form_Load() override;

    QPushButton *cmd1000;
    QPushButton *cmd100;
    QLabel *Label1;

private:
    void cmd100_Click();
    void cmd1000_Click();
};
