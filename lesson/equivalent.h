// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fraction.h"
#include "help.h"
#include "judgement.h"

#include <QString>

#include <array>
#include <vector>

class Random;

// The three ways of asking for an equivalent fraction, drawn in turn:
// 2/3 = ?/12, 8/12 = ?/3, and 18/24 = ?/? in lowest terms.
enum class EquivalentKind { Amplify, Simplify, LowestTerms };

struct EquivalentTask
{
    EquivalentKind kind = EquivalentKind::Amplify;
    Fraction given;
    // The denominator asked for; none in lowest terms, where the child
    // writes both terms.
    int target = 0;

    // The fraction the child should write.
    Fraction expected() const;
};

// Every task of a kind with denominators up to maxDenominator, proper
// fractions only: to amplify, a/b to the denominator b x k; to simplify,
// the same pair read from the other side; in lowest terms, every fraction
// that is not.
std::vector<EquivalentTask> equivalentTasks(EquivalentKind kind, int maxDenominator);
// One of them, each as likely.
EquivalentTask drawEquivalent(Random &random, EquivalentKind kind, int maxDenominator = 99);

// The boxes: the numerator, and in lowest terms the denominator too.
using EquivalentAnswer = std::array<QString, 2>;

// A box is right when it holds the term expected. In lowest terms an
// answer of the same value that can still be simplified has its own step.
Judgement judge(const EquivalentTask &task, const EquivalentAnswer &answer);

// Level 1: the two bars, the same coloured length, and the question of the
// factor; level 2 the worked step, "3 x 4 = 12, quindi anche 2 x 4 = 8".
Help help(const EquivalentTask &task, Step step, int level);

// "2 terzi uguale a quanti dodicesimi?", as a teacher reads it.
QString spokenTask(const EquivalentTask &task);
