// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comparison.h"
#include "exercise.h"

#include <array>

class Line;
class Picture;
class QLabel;
class QLineEdit;
class Shape;

// Six pairs of fractions and the symbol that belongs between them.
class frmsimbolo : public Exercise
{
    Q_OBJECT

public:
    explicit frmsimbolo(Registry &registry);

    // Six new pairs, the boxes empty and the cursor in the first.
    void estrai() override;
    // Shows pairs given by the teacher, as drawn ones, with empty boxes.
    void showTask(const SymbolTask &given);

    Picture *Picture2;
    Picture *Picture1;
    // Pair p is lbln[p][0] over lbld[p][0], the box txtsim[p], then
    // lbln[p][1] over lbld[p][1] (p from 0: lbln11 is lbln[0][0]).
    std::array<std::array<QLabel *, 2>, 6> lbln;
    std::array<std::array<QLabel *, 2>, 6> lbld;
    std::array<Line *, 12> bars;
    std::array<QLineEdit *, 6> txtsim;
    // The ring around the pair the help is about, made when first needed.
    Shape *helpedPair = nullptr;

    // The illustration's column, left of the pairs, above Conferma.
    QRect aidArea() const override { return {240, 1080, 3840, 4440}; }

private:
    Verdict judge() override;
    QString spokenTask() const override;
    Help helpAt(int level, const Judgement &last) const override;
    void markHelped(int pair) override;

    // The six pairs on the screen.
    SymbolTask coppie;
};
