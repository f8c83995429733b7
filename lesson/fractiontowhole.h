// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fractionof.h"

// The fraction of a number worked backwards: «I 3/4 di un numero sono 60.»
// In two written steps, known : num = part, then part x den = whole.
struct FractionToWholeTask
{
    int num = 0;
    int den = 0;
    // What one of the den parts is worth.
    int part = 0;

    int known() const { return part * num; }
    int whole() const { return part * den; }
};

// The valid tasks are those of the fraction of a number, the same triples
// read the other way: a proper fraction with denominator 2 to 9 and a
// whole below the limit that the denominator divides. So the same
// rejection draws them, each equally often.
FractionToWholeTask drawFractionToWhole(Random &random, const FractionOfRange &range);

// The seven boxes, as the fraction of a number has them: the division
// known : num = part, the multiplication part x den = whole, the result.
// The factors in either order; the step is the first wrong one.
Judgement judge(const FractionToWholeTask &task, const FractionOfAnswer &answer);
