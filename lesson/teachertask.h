// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comparison.h"
#include "complement.h"
#include "decimal.h"
#include "equivalent.h"
#include "fractionof.h"
#include "fractiontowhole.h"
#include "fractiontype.h"
#include "percent.h"
#include "recognise.h"

#include <QString>
#include <QStringList>

#include <optional>

// A task the teacher types for the whole class, checked against exactly
// what the exercise could have drawn: the task, or a plain Italian sentence
// saying what is wrong with it.
template<typename Task>
struct TeacherTask
{
    std::optional<Task> task;
    QString problem;
};

// The numerator, the denominator and the whole, as typed.
TeacherTask<FractionOfTask> checkFractionOf(const QStringList &typed, const FractionOfRange &range);
// The numerator and the denominator.
TeacherTask<ComplementTask> checkComplement(const QStringList &typed);
// The six pairs, each as numerator, denominator, numerator, denominator.
TeacherTask<SymbolTask> checkSymbol(const QStringList &typed);
// The four fractions, each as numerator and denominator.
TeacherTask<LargestTask> checkLargest(const QStringList &typed);
// The five fractions, each as numerator and denominator, and the order.
TeacherTask<OrderTask> checkOrder(const QStringList &typed, Direction direction);
// The numerator, the denominator and the number the fraction is worth.
TeacherTask<FractionToWholeTask> checkFractionToWhole(const QStringList &typed,
                                                      const FractionOfRange &range);
// The numerator and the denominator of the decimal fraction.
TeacherTask<DecimalTask> checkDecimal(const QStringList &typed, DecimalKind kind);
// The percentage, then the number it is taken of (read only for that kind).
TeacherTask<PercentTask> checkPercent(const QStringList &typed, PercentKind kind);
// The given fraction's numerator and denominator, and the denominator asked
// for: a multiple to amplify, a divisor to simplify, nothing for lowest terms.
TeacherTask<EquivalentTask> checkEquivalent(const QStringList &typed);
// The numerator and the denominator of a fraction to tell the type of.
TeacherTask<TypeTask> checkType(const QStringList &typed);
// The numerator and the denominator of a fraction to read or colour in a
// shape; a grid that cannot be cut into so many parts becomes a circle.
TeacherTask<RecogniseTask> checkRecognise(const QStringList &typed, RecogniseKind kind,
                                          PartsShape shape);
