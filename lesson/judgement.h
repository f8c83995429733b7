// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <algorithm>
#include <vector>

// A typed answer or a copied caption is right only when it is exactly the
// plain decimal text of the expected number: nothing is trimmed or parsed.
inline bool matches(const QString &text, int expected)
{
    return text == QString::number(expected);
}

// The part of an answer a child should look at again: a step of the written
// calculation, or a fraction's terms. The first wrong one in the order the
// child works.
enum class Step {
    None,
    Division,
    Multiplication,
    Result,
    Numerator, // of the fraction the child writes
    Denominator,
    Whole,
    Choice, // a choice among fractions, or a symbol between two
    Comma, // the digits of a decimal number right, the comma elsewhere
    Simplify, // a fraction of the right value, not yet in lowest terms
};

// What the judgement of one answer says: for every box or choice, in the
// order the task lists them, whether it is right, and the first step that
// is wrong.
struct Judgement
{
    std::vector<bool> right;
    Step step = Step::None;

    bool allRight() const
    {
        return std::all_of(right.begin(), right.end(), [](bool r) { return r; });
    }
};
