// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accessibility.h"
#include "spoken.h"

#include <QLabel>

#include <compare>

// A fraction as the exercises draw it: two whole numbers, the denominator
// above zero. Two fractions compare by value, by cross-multiplying, never
// through decimals; equal means the same two terms.
struct Fraction
{
    int numerator = 0;
    int denominator = 0;

    friend bool operator==(const Fraction &, const Fraction &) = default;
    friend std::weak_ordering operator<=>(const Fraction &a, const Fraction &b)
    {
        return a.numerator * b.denominator <=> b.numerator * a.denominator;
    }
};

// How a screen reader says it: "3 quarti".
inline QString spoken(const Fraction &fraction)
{
    return spokenFraction(fraction.numerator, fraction.denominator);
}

// Shows a fraction in its numerator and denominator labels and says what it
// is to a screen reader: the click area that stands for it when it has one,
// the two labels otherwise.
inline void showFraction(const Fraction &fraction, QLabel *numerator, QLabel *denominator,
                         QWidget *area = nullptr)
{
    numerator->setText(QString::number(fraction.numerator));
    denominator->setText(QString::number(fraction.denominator));
    if (area)
        area->setAccessibleName(spoken(fraction));
    else
        describeFraction(numerator, denominator);
}
