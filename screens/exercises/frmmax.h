// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise.h"

#include <array>

class ClickArea;
class Line;
class Picture;
class QLabel;
class QPushButton;
class Shape;

// The largest of four fractions that share a term, picked with the mouse.
class frmmax : public Exercise
{
    Q_OBJECT

public:
    explicit frmmax(Registry &registry);

    void Form_Load() override;

    Picture *Picture2;
    Picture *Picture1;
    QLabel *Label1;
    // Fraction k (from 0: lbln[0] is lbln1) is lbln[k] over bars[k] over
    // lbld[k]; fractions 1 and 2 stand on top, 3 and 4 below.
    std::array<QLabel *, 4> lbln;
    std::array<QLabel *, 4> lbld;
    std::array<Line *, 4> bars;
    std::array<Shape *, 4> cer;
    std::array<ClickArea *, 4> sel;
    QPushButton *cmdconferma;

private:
    QString spokenTask() const override;
    void makeTask();
    void select(int k);
    void sel1_Click();
    void sel2_Click();
    void sel3_Click();
    void sel4_Click();
    void cmdconferma_Click();

    std::array<int, 4> numeratori {};
    std::array<int, 4> denominatori {};
    int tipo = 0;
    int maggiore = 0;
    int giusto = 0;
};
