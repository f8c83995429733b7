// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fraction.h"
#include "help.h"
#include "judgement.h"

#include <vector>

class Random;

// A proper fraction is less than a whole; an improper one more; an apparent
// one is a whole number of wholes, its denominator dividing its numerator.
enum class FractionType { Proper, Improper, Apparent };

// The most wholes a task's picture shows, and the largest denominator: a
// picture of three wholes in tenths is as small as a child can count.
constexpr int mostWholes = 3;
constexpr int mostTypeDenominator = 10;

struct TypeTask
{
    Fraction fraction;

    FractionType type() const;
    // The wholes its picture needs, each cut into denominator parts.
    int wholes() const;
};

// Every fraction of a type with denominators from 2 to 10 and at most three
// wholes.
std::vector<TypeTask> typeTasks(FractionType type);
// A type, each a third of the time, then one of its fractions, each as likely.
TypeTask drawType(Random &random);

// The one choice: right or wrong.
Judgement judge(const TypeTask &task, FractionType chosen);

// Level 1 compares the numerator with the denominator; level 2 says why,
// and shows an apparent fraction as the whole number it is ("12/4 = 3 interi").
Help help(const TypeTask &task, int level);

// "propria", "impropria", "apparente".
QString typeName(FractionType type);
