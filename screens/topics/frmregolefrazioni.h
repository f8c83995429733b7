// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "page.h"

#include <vector>

class PartsDrawing;
class Picture;
class QLabel;

// «Le frazioni: tipi ed equivalenze», the topics' page of rules in the look
// of the three others: what a proper, an improper and an apparent fraction
// are, the rule of equivalence and what the terms count, each with its
// drawing exact to the part. "&Fine" goes back to «Altre quotelle».
class frmregolefrazioni : public Page
{
    Q_OBJECT

public:
    frmregolefrazioni();

    // The page is read aloud as it opens.
    void Form_Load() override;
    // The page in reading order, its fractions and signs in words.
    QString reading() const override;

    Picture *Picture2;
    QLabel *Label1;
    // Each rule: its drawings, its fraction and its sentence.
    struct Rule
    {
        std::vector<PartsDrawing *> drawings;
        QLabel *fraction;
        QLabel *text;
    };
    std::vector<Rule> rules;

protected:
    void cmdfine_Click() override;
};
