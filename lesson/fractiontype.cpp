// SPDX-License-Identifier: GPL-3.0-or-later

#include "fractiontype.h"

#include "random.h"

namespace {

QString text(const Fraction &f)
{
    return QStringLiteral("%1/%2").arg(f.numerator).arg(f.denominator);
}

} // namespace

FractionType TypeTask::type() const
{
    if (fraction.numerator < fraction.denominator)
        return FractionType::Proper;
    return fraction.numerator % fraction.denominator == 0 ? FractionType::Apparent
                                                          : FractionType::Improper;
}

int TypeTask::wholes() const
{
    return (fraction.numerator + fraction.denominator - 1) / fraction.denominator;
}

std::vector<TypeTask> typeTasks(FractionType type)
{
    std::vector<TypeTask> tasks;
    for (int d = 2; d <= mostTypeDenominator; ++d) {
        for (int n = 1; n <= mostWholes * d; ++n) {
            const TypeTask task {{n, d}};
            if (task.type() == type)
                tasks.push_back(task);
        }
    }
    return tasks;
}

TypeTask drawType(Random &random)
{
    const auto type = static_cast<FractionType>(random.draw(3) - 1);
    const std::vector<TypeTask> tasks = typeTasks(type);
    return tasks[random.draw(int(tasks.size())) - 1];
}

Judgement judge(const TypeTask &task, FractionType chosen)
{
    const bool right = chosen == task.type();
    return {{right}, right ? Step::None : Step::Choice};
}

Help help(const TypeTask &task, int level)
{
    const int n = task.fraction.numerator;
    const int d = task.fraction.denominator;
    std::vector<Bar> bars;
    for (int whole = 0; whole < task.wholes(); ++whole)
        bars.push_back({d, std::min(d, n - whole * d), {}, {}, {}});
    if (level < 2)
        return makeHelp(
            1, bars,
            {QStringLiteral("Ogni intero è diviso in %1 parti; %2.")
                 .arg(d)
                 .arg(n == 1 ? QStringLiteral("la parte colorata è 1")
                             : QStringLiteral("le parti colorate sono %1").arg(n)),
             QStringLiteral("%1 è minore, uguale o maggiore di %2?").arg(n).arg(d)});
    const QString fraction = text(task.fraction);
    switch (task.type()) {
    case FractionType::Proper:
        return makeHelp(2, bars,
                        {QStringLiteral("%1 < %2: è meno di un intero.").arg(n).arg(d),
                         QStringLiteral("%1 è propria.").arg(fraction)});
    case FractionType::Improper:
        return makeHelp(2, bars,
                        {QStringLiteral("%1 > %2: è più di un intero, ma %1 non si divide per %2.")
                             .arg(n)
                             .arg(d),
                         QStringLiteral("%1 è impropria.").arg(fraction)});
    case FractionType::Apparent:
        break;
    }
    const int wholes = n / d;
    return makeHelp(2, bars,
                    {QStringLiteral("%1 : %2 = %3").arg(n).arg(d).arg(wholes),
                     QStringLiteral("%1 = %2 %3: è apparente.")
                         .arg(fraction)
                         .arg(wholes)
                         .arg(wholes == 1 ? QStringLiteral("intero") : QStringLiteral("interi"))});
}

QString typeName(FractionType type)
{
    switch (type) {
    case FractionType::Proper:
        return QStringLiteral("propria");
    case FractionType::Improper:
        return QStringLiteral("impropria");
    case FractionType::Apparent:
        break;
    }
    return QStringLiteral("apparente");
}
