// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fraction.h"

#include <vector>

class Random;

// The fractions of a comparison task: proper, all different, and sharing one
// term. With tipo 1 they share the numerator and the larger denominator makes
// the smaller fraction; with tipo 2 they share the denominator.
struct SharedTermTask
{
    int tipo = 0;
    int shared = 0;
    // The other term of each fraction, in the order they were drawn.
    std::vector<int> varying;

    Fraction fraction(int k) const
    {
        return tipo == 1 ? Fraction {shared, varying[k]} : Fraction {varying[k], shared};
    }
};

// Draws the kind, then the shared term and count varying terms from 1 to
// maxValue, in that order. A rejected attempt draws all of them again but
// keeps the kind.
SharedTermTask drawSharedTerm(Random &random, int count, int maxValue = 99);
