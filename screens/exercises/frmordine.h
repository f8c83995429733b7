// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise.h"

#include <array>
#include <cstdint>

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

    enum class Direction { Ascending, Descending };

    // Draws a new task of either kind and shows it in the top row.
    void estrai();
    // Puts the varying values in the order the answer places expect them.
    void ordina(Direction direction);
    // Puts every fraction back into the top row and empties the answer row.
    void azzera();

    Picture *Picture1;
    Picture *Picture2;
    // Top fraction K is lbln[K-1] over topLine[K-1] (line6 … line10) over
    // lbld[K-1], all covered by the click area img[K-1].
    std::array<QLabel *, 5> lbln;
    std::array<Line *, 5> topLine;
    std::array<QLabel *, 5> lbld;
    std::array<ClickArea *, 5> img;
    // Shape1 … Shape5; Shape2 frames place 1 and Shape1 place 2.
    std::array<Shape *, 5> shapes;
    // Answer place S is lblrn[S-1] over placeLine[S-1] (line1 … line5) over
    // lblrd[S-1]; it is free exactly while its line is hidden.
    std::array<QLabel *, 5> lblrn;
    std::array<Line *, 5> placeLine;
    std::array<QLabel *, 5> lblrd;
    QPushButton *cmdconferma;
    QPushButton *cmdannulla;
    QGroupBox *Frame1;
    QRadioButton *optcre;
    QRadioButton *optdecre;

    // Positions 1 … 5 hold the task; position 0 is never used.
    std::array<int, 6> numeratori {};
    std::array<int, 6> denominatori {};
    int tipo = 1;
    int diversi = 0;
    int i = 0;
    int j = 0;
    int conta = 0;
    int esatte = 0;
    std::int16_t scambio = 0;

private:
    void img_Click(int index);
    void optcre_Click();
    void optdecre_Click();
    void cmdconferma_Click();
    void cmdannulla_Click();

    bool outOfOrder(Direction direction) const;
    void showFractions();
};
