// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt's global header before the standard one: moc, which reads the screens'
// headers and this one with them, cannot parse <compare> met on its own.
#include <QtGlobal>

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
