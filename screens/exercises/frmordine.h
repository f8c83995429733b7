// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comparison.h"
#include "exercise.h"

#include <array>

class ClickArea;
class Line;
class Picture;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class Shape;

// Five fractions that share a term, put in ascending or descending order.
// The child clicks them down, one after another, into five answer places
// filled from left to right.
class frmordine : public Exercise
{
    Q_OBJECT

public:
    explicit frmordine(Registry &registry);

    void Form_Load() override;

    using Direction = ::Direction;

    // Draws a new task of either kind, shows it in the top row and puts it
    // in the order the frame selects.
    void estrai() override;
    // Shows fractions and an order given by the teacher, nothing placed.
    void showTask(const OrderTask &given);
    // Sets the order the answer places expect.
    void ordina(Direction direction);
    // Puts every fraction back into the top row and empties the answer row.
    void azzera();

    Picture *Picture1;
    Picture *Picture2;
    // Top fraction k (from 0: lbln[0] is lbln1) is lbln[k] over topLine[k]
    // (line6 … line10) over lbld[k], all covered by the click area img[k].
    std::array<QLabel *, 5> lbln;
    std::array<Line *, 5> topLine;
    std::array<QLabel *, 5> lbld;
    std::array<ClickArea *, 5> img;
    // Shape1 … Shape5; Shape2 frames place 1 and Shape1 place 2.
    std::array<Shape *, 5> shapes;
    // Answer place s is lblrn[s] over placeLine[s] (line1 … line5) over
    // lblrd[s]; it is free exactly while its line is hidden.
    std::array<QLabel *, 5> lblrn;
    std::array<Line *, 5> placeLine;
    std::array<QLabel *, 5> lblrd;
    QPushButton *cmdannulla;
    QGroupBox *Frame1;
    QRadioButton *optcre;
    QRadioButton *optdecre;

    // The task, the order placed so far, then the help when it shows.
    QString reading() const override;

    // The five fractions and the order asked for.
    const OrderTask &task() const { return m_task; }

    // The illustration's place, above the frame of the order.
    QRect aidArea() const override { return {6480, 1440, 4020, 3720}; }

private:
    QString spokenTask() const override;
    Help helpAt(int level, const Judgement &last) const override;
    // A click on top fraction k (img[k]).
    void img_Click(int k);
    void optcre_Click();
    void optdecre_Click();
    void cmdannulla_Click();
    Verdict judge() override;

    OrderTask m_task;
    // The top fraction in each answer place, filled from the left.
    std::vector<int> placed;
};
