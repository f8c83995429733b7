// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fraction.h"
#include "judgement.h"
#include "sharedterm.h"

#include <QString>

#include <array>
#include <vector>

class Random;

// Two proper fractions that share their numerator or their denominator, and
// the symbol that belongs between them.
struct SymbolPair
{
    Fraction first;
    Fraction second;
};
using SymbolTask = std::array<SymbolPair, 6>;

// The kind is drawn once; then numerators from 1 to 9 and denominators from
// 1 to maxDenominator, four numbers an attempt, until both are proper.
SymbolPair drawSymbolPair(Random &random, int maxDenominator = 99);
SymbolTask drawSymbolTask(Random &random, int maxDenominator = 99);

// "<", ">" or "=" between two fractions that share a term; empty when they
// share none.
QString symbolBetween(const Fraction &a, const Fraction &b);

// Each typed symbol against its pair's, character for character.
Judgement judge(const SymbolTask &task, const std::array<QString, 6> &symbols);

// Four fractions that share a term; exactly one is the largest.
struct LargestTask
{
    SharedTermTask fractions;

    Fraction fraction(int k) const { return fractions.fraction(k); }
    int largest() const;
};
LargestTask drawLargest(Random &random, int maxValue = 99);

// One choice, the fraction chosen (from 0), or -1 for none.
Judgement judge(const LargestTask &task, int chosen);

// Five fractions that share a term, to be put in order.
enum class Direction { Ascending, Descending };
struct OrderTask
{
    SharedTermTask fractions;
    Direction direction = Direction::Ascending;

    // The top row, in the order drawn.
    Fraction fraction(int k) const { return fractions.fraction(k); }
    // What each answer place expects.
    std::array<Fraction, 5> expected() const;
};
OrderTask drawOrder(Random &random, Direction direction, int maxValue = 99);

// The answer places as filled from the left: the top fraction each one holds
// (from 0). A free place is never right.
Judgement judge(const OrderTask &task, const std::vector<int> &placed);
