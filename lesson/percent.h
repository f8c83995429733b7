// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fraction.h"
#include "judgement.h"

#include <QStringList>

class Random;

// A percentage, asked one way or the other: 25% di 80 = ? (worked as
// 80 : 100 x 25), or 25% = ?/100 = ?/4.
enum class PercentKind { OfNumber, AsFraction };

struct PercentTask
{
    PercentKind kind = PercentKind::OfNumber;
    int percent = 0;
    // The number the percentage is taken of; none as a fraction.
    int whole = 0;

    int result() const { return whole * percent / 100; }
    // percent/100 in lowest terms: 25% is 1/4.
    Fraction lowest() const;
};

// The two kinds take turns, the percentage of a number first.
PercentKind percentKindForTurn(int turn);

// The percentages with an easy fraction: halves, quarters, fifths, tenths.
const std::vector<int> &easyPercents();

// Whether the task is one the screen asks: of a number from 1 to 1000, a
// whole result, the percentage in steps of 5 unless the number is a
// multiple of 100 (then 1 to 99); as a fraction, an easy percentage.
bool isValid(const PercentTask &task);

// Rejection for a percentage of a number: the number from 1 to 1000, then
// the percentage from 1 to 99, until valid; as a fraction, one of the easy
// percentages. Each valid task equally often.
PercentTask drawPercent(Random &random, PercentKind kind);

// The boxes: the result; or the numerator over 100, then the numerator of
// the fraction in lowest terms. Exactly, as every whole number.
Judgement judge(const PercentTask &task, const QStringList &typed);
