// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise.h"

#include <array>

class Line;
class Picture;
class QLabel;
class QLineEdit;
class QPushButton;

// Six pairs of fractions and the symbol that belongs between them.
class frmsimbolo : public Exercise
{
    Q_OBJECT

public:
    explicit frmsimbolo(Registry &registry);

    void Form_Load() override;

    Picture *Picture2;
    Picture *Picture1;
    // Pair p is lbln[p][0] over lbld[p][0], the box txtsim[p], then
    // lbln[p][1] over lbld[p][1] (p from 0: lbln11 is lbln[0][0]).
    std::array<std::array<QLabel *, 2>, 6> lbln;
    std::array<std::array<QLabel *, 2>, 6> lbld;
    std::array<Line *, 12> bars;
    std::array<QLineEdit *, 6> txtsim;
    QPushButton *cmdconferma;

private:
    QString spokenTask() const override;
    void inventa();
    void showPair(int p);
    void cmdconferma_Click();

    int num1 = 0;
    int num2 = 0;
    int den1 = 0;
    int den2 = 0;
    int tipo = 0;
};

// The symbol that belongs between a/b and c/d when the two share a term:
// "<", ">" or "=", and empty when they share none.
QString symbolBetween(int a, int b, int c, int d);
