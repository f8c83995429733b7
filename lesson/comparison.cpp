// SPDX-License-Identifier: GPL-3.0-or-later

#include "comparison.h"

#include "random.h"

#include <algorithm>
#include <functional>

SymbolPair drawSymbolPair(Random &random, int maxDenominator)
{
    const int tipo = random.draw(2);
    int cont = 0;
    SymbolPair pair;
    while (cont != 2) {
        cont = 0;
        pair.first.numerator = random.draw(9);
        pair.first.denominator = random.draw(maxDenominator);
        pair.second.numerator = random.draw(9);
        pair.second.denominator = random.draw(maxDenominator);
        // The value overwritten was still drawn: four draws an attempt.
        if (tipo == 1)
            pair.second.numerator = pair.first.numerator;
        if (tipo == 2)
            pair.second.denominator = pair.first.denominator;
        if (pair.first.numerator < pair.first.denominator)
            ++cont;
        if (pair.second.numerator < pair.second.denominator)
            ++cont;
    }
    return pair;
}

SymbolTask drawSymbolTask(Random &random, int maxDenominator)
{
    SymbolTask task;
    for (SymbolPair &pair : task)
        pair = drawSymbolPair(random, maxDenominator);
    return task;
}

QString symbolBetween(const Fraction &a, const Fraction &b)
{
    if (a.numerator != b.numerator && a.denominator != b.denominator)
        return {};
    return a < b ? QStringLiteral("<") : (a > b ? QStringLiteral(">") : QStringLiteral("="));
}

Judgement judge(const SymbolTask &task, const std::array<QString, 6> &symbols)
{
    Judgement judgement;
    for (std::size_t p = 0; p < task.size(); ++p)
        judgement.right.push_back(symbols[p] == symbolBetween(task[p].first, task[p].second));
    if (!judgement.allRight())
        judgement.step = Step::Choice;
    return judgement;
}

int LargestTask::largest() const
{
    int best = 0;
    for (int k = 1; k < int(fractions.varying.size()); ++k) {
        if (fraction(k) > fraction(best))
            best = k;
    }
    return best;
}

LargestTask drawLargest(Random &random, int maxValue)
{
    return {drawSharedTerm(random, 4, maxValue)};
}

Judgement judge(const LargestTask &task, int chosen)
{
    Judgement judgement;
    judgement.right.push_back(chosen == task.largest());
    if (!judgement.allRight())
        judgement.step = Step::Choice;
    return judgement;
}

std::array<Fraction, 5> OrderTask::expected() const
{
    std::array<Fraction, 5> order;
    for (int k = 0; k < 5; ++k)
        order[k] = fraction(k);
    if (direction == Direction::Ascending)
        std::sort(order.begin(), order.end());
    else
        std::sort(order.begin(), order.end(), std::greater<>());
    return order;
}

OrderTask drawOrder(Random &random, Direction direction, int maxValue)
{
    return {drawSharedTerm(random, 5, maxValue), direction};
}

Judgement judge(const OrderTask &task, const std::vector<int> &placed)
{
    const std::array<Fraction, 5> expected = task.expected();
    Judgement judgement;
    for (std::size_t s = 0; s < expected.size(); ++s)
        judgement.right.push_back(s < placed.size() && task.fraction(placed[s]) == expected[s]);
    if (!judgement.allRight())
        judgement.step = Step::Choice;
    return judgement;
}
