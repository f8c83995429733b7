// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "judgement.h"

#include <QString>

#include <optional>

class Random;

// A decimal fraction and its decimal number, asked one way or the other:
// 37/100 = ? (the number) or 0,7 = ?/10 (the numerator).
enum class DecimalKind { ToNumber, ToFraction };

// numerator/denominator with the denominator 10, 100 or 1000, the number
// below ten and the numerator not ending in zero, so that the number has
// as many digits after the comma as the denominator has zeros.
struct DecimalTask
{
    DecimalKind kind = DecimalKind::ToNumber;
    int numerator = 0;
    int denominator = 10;

    // How many digits follow the comma: the denominator's zeros.
    int places() const;
    // "0,37", with the Italian comma.
    QString number() const;
};

// The two kinds take turns, the fraction to the number first.
DecimalKind decimalKindForTurn(int turn);

// Each denominator a third of the time, then the numerator uniform over
// those valid with it (90, 900 and 9000 of them): numerator drawn again
// until it does not end in zero.
DecimalTask drawDecimal(Random &random, DecimalKind kind);

// A typed decimal number, a point read as the comma: the digits before the
// comma (no zero ahead of another digit) and those after it, without the
// zeros at their end. Nothing for letters, two commas, a comma first or last.
struct TypedDecimal
{
    QString whole;
    QString decimals;
    bool trailingZeros = false;

    friend bool operator==(const TypedDecimal &, const TypedDecimal &) = default;
};
std::optional<TypedDecimal> readDecimal(const QString &typed);

// The one box: the number, right when equal in value, so «0,70» for 7/10;
// the step is the comma when the digits are right but it is misplaced. Or
// the numerator, exactly.
Judgement judge(const DecimalTask &task, const QString &typed);

// What a right answer with a zero too many at its end is told: "L’ultimo
// zero non serve: 0,7."; empty otherwise.
QString decimalRemark(const DecimalTask &task, const QString &typed);
