// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "judgement.h"

#include <QString>

#include <array>

class Random;

// The fraction of a number, in two written steps: whole : den = sris, then
// sris x num = ris. The quotient sris is drawn; the whole is made from it.
struct FractionOfTask
{
    int num = 0;
    int den = 0;
    int sris = 0;

    int whole() const { return sris * den; }
    int ris() const { return sris * num; }
};

// How far a screen goes: sris is drawn from 1 to quotients, and the whole
// stays below limit.
struct FractionOfRange
{
    int quotients;
    int limit;
};

// Rejection: sris, num and den are drawn again, always in this order, until
// the whole stays below the limit and the fraction is proper.
FractionOfTask drawFractionOf(Random &random, const FractionOfRange &range);

// The seven boxes in the order a child fills them: the division, the
// multiplication, then the result in the task's row.
enum FractionOfBox { Dividend, Divisor, Quotient, FirstFactor, SecondFactor, Product, Result };
using FractionOfAnswer = std::array<QString, 7>;

// Every box against its number, the two factors in either order; the step
// is the first of division, multiplication and result with a wrong box.
Judgement judge(const FractionOfTask &task, const FractionOfAnswer &answer);

// The same for any two written steps, given the number each box expects.
Judgement judgeWrittenSteps(const std::array<int, 7> &expected, const FractionOfAnswer &answer);
