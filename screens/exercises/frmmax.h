// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comparison.h"
#include "exercise.h"

#include <array>

class ClickArea;
class Line;
class Picture;
class QLabel;
class Shape;

// The largest of four fractions that share a term, picked with the mouse.
class frmmax : public Exercise
{
    Q_OBJECT

public:
    explicit frmmax(Registry &registry);

    void estrai() override;
    // Shows fractions given by the teacher, as drawn ones, none chosen.
    void showTask(const LargestTask &given);

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

    // The illustration's place, right of Conferma, above the verdict.
    QRect aidArea() const override { return {6240, 1440, 4260, 4320}; }

private:
    Verdict judge() override;
    QString spokenTask() const override;
    Help helpAt(int level, const Judgement &last) const override;
    // Shows ring k alone (none for -1) and makes sel[k] the chosen fraction.
    void select(int k);

    LargestTask task;
    // The fraction whose ring shows, from 0; -1 for none.
    int scelta = -1;
};
