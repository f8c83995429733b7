// SPDX-License-Identifier: GPL-3.0-or-later

#include "percent.h"

#include "random.h"

#include <numeric>

Fraction PercentTask::lowest() const
{
    const int divisor = std::gcd(percent, 100);
    return {percent / divisor, 100 / divisor};
}

PercentKind percentKindForTurn(int turn)
{
    return turn % 2 == 0 ? PercentKind::OfNumber : PercentKind::AsFraction;
}

const std::vector<int> &easyPercents()
{
    static const std::vector<int> percents {10, 20, 25, 30, 40, 50, 60, 70, 75, 80, 90};
    return percents;
}

bool isValid(const PercentTask &task)
{
    if (task.percent < 1 || task.percent > 99)
        return false;
    if (task.kind == PercentKind::AsFraction)
        return std::count(easyPercents().begin(), easyPercents().end(), task.percent) == 1;
    return task.whole >= 1 && task.whole <= 1000 && task.whole * task.percent % 100 == 0
        && (task.percent % 5 == 0 || task.whole % 100 == 0);
}

PercentTask drawPercent(Random &random, PercentKind kind)
{
    PercentTask task;
    task.kind = kind;
    if (kind == PercentKind::AsFraction) {
        task.percent = easyPercents()[random.draw(int(easyPercents().size())) - 1];
        return task;
    }
    do {
        task.whole = random.draw(1000);
        task.percent = random.draw(99);
    } while (!isValid(task));
    return task;
}

Judgement judge(const PercentTask &task, const QStringList &typed)
{
    Judgement judgement;
    const auto box = [&typed](int k) { return k < typed.size() ? typed.at(k) : QString(); };
    if (task.kind == PercentKind::OfNumber) {
        judgement.right = {matches(box(0), task.result())};
        if (!judgement.right[0])
            judgement.step = Step::Result;
        return judgement;
    }
    judgement.right = {matches(box(0), task.percent), matches(box(1), task.lowest().numerator)};
    if (!judgement.allRight())
        judgement.step = Step::Numerator;
    return judgement;
}
