// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "judgement.h"

#include <QString>

#include <array>

class Random;

// A proper fraction num/den and the one that completes it to the whole:
// num/den + complement/den = den/den = 1.
struct ComplementTask
{
    int num = 0;
    int den = 0;

    int complement() const { return den - num; }
};

// Rejection: numerator, then denominator, each from 1 to maxDenominator,
// until the fraction is proper.
ComplementTask drawComplement(Random &random, int maxDenominator = 99);

// The four boxes: the complementary fraction's terms, then the whole's.
enum ComplementBox { ComplementNumerator, ComplementDenominator, WholeNumerator, WholeDenominator };
using ComplementAnswer = std::array<QString, 4>;

// Every box against its number; the step says which term to look at again:
// the complement's numerator, its denominator, or the whole.
Judgement judge(const ComplementTask &task, const ComplementAnswer &answer);
