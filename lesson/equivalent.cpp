// SPDX-License-Identifier: GPL-3.0-or-later

#include "equivalent.h"

#include "random.h"
#include "spoken.h"

#include <numeric>

namespace {

QString text(const Fraction &f)
{
    return QStringLiteral("%1/%2").arg(f.numerator).arg(f.denominator);
}

// A typed term as a number, when it is the plain decimal text of one.
int typedNumber(const QString &typed)
{
    bool number = false;
    const int value = typed.toInt(&number);
    return number && value > 0 && matches(typed, value) ? value : 0;
}

// "dodicesimi": what so many parts of a denominator are called.
QString partsName(int denominator)
{
    return spokenFraction(2, denominator).section(QLatin1Char(' '), 1);
}

} // namespace

Fraction EquivalentTask::expected() const
{
    if (kind == EquivalentKind::LowestTerms) {
        const int divisor = std::gcd(given.numerator, given.denominator);
        return {given.numerator / divisor, given.denominator / divisor};
    }
    return {given.numerator * target / given.denominator, target};
}

std::vector<EquivalentTask> equivalentTasks(EquivalentKind kind, int maxDenominator)
{
    std::vector<EquivalentTask> tasks;
    if (kind == EquivalentKind::LowestTerms) {
        for (int d = 2; d <= maxDenominator; ++d)
            for (int n = 1; n < d; ++n)
                if (std::gcd(n, d) > 1)
                    tasks.push_back({kind, {n, d}, 0});
        return tasks;
    }
    // a/b and (a x k)/(b x k), read one way or the other.
    for (int b = 2; b <= maxDenominator / 2; ++b)
        for (int a = 1; a < b; ++a)
            for (int k = 2; b * k <= maxDenominator; ++k) {
                if (kind == EquivalentKind::Amplify)
                    tasks.push_back({kind, {a, b}, b * k});
                else
                    tasks.push_back({kind, {a * k, b * k}, b});
            }
    return tasks;
}

EquivalentTask drawEquivalent(Random &random, EquivalentKind kind, int maxDenominator)
{
    const std::vector<EquivalentTask> tasks = equivalentTasks(kind, maxDenominator);
    return tasks[random.draw(int(tasks.size())) - 1];
}

Judgement judge(const EquivalentTask &task, const EquivalentAnswer &answer)
{
    const Fraction expected = task.expected();
    Judgement judgement;
    judgement.right.push_back(matches(answer[0], expected.numerator));
    if (task.kind == EquivalentKind::LowestTerms)
        judgement.right.push_back(matches(answer[1], expected.denominator));
    if (judgement.allRight())
        return judgement;
    const Fraction typed {typedNumber(answer[0]), typedNumber(answer.at(1))};
    if (task.kind == EquivalentKind::LowestTerms && typed.numerator > 0 && typed.denominator > 0
        && typed.numerator * task.given.denominator == typed.denominator * task.given.numerator)
        judgement.step = Step::Simplify;
    else
        judgement.step = judgement.right[0] ? Step::Denominator : Step::Numerator;
    return judgement;
}

Help help(const EquivalentTask &task, Step step, int level)
{
    const Fraction expected = task.expected();
    const Fraction &from = task.given;
    // The same coloured length, cut into the parts of each denominator; in
    // lowest terms the second bar would tell the denominator, so it waits
    // for the worked step.
    const Bar asked {expected.denominator,
                     expected.numerator,
                     {},
                     level < 2 ? QStringLiteral("?/%1").arg(expected.denominator) : text(expected),
                     {}};
    std::vector<Bar> bars {{from.denominator, from.numerator, {}, text(from), {}}};
    if (task.kind != EquivalentKind::LowestTerms || level >= 2)
        bars.push_back(asked);
    const QString check = checkPhrase(step);
    const auto guide = [&](QStringList lines) {
        if (!check.isEmpty())
            lines << check;
        return makeHelp(1, bars, lines, check);
    };
    if (task.kind == EquivalentKind::Amplify) {
        const int factor = task.target / from.denominator;
        if (level < 2)
            return guide({QStringLiteral("Per quale numero moltiplichi %1 per avere %2?")
                              .arg(from.denominator)
                              .arg(task.target),
                          QStringLiteral("Moltiplica anche il numeratore per lo stesso numero.")});
        return makeHelp(2, bars,
                        {QStringLiteral("%1 x %2 = %3, quindi anche %4 x %2 = %5")
                             .arg(from.denominator)
                             .arg(factor)
                             .arg(task.target)
                             .arg(from.numerator)
                             .arg(expected.numerator),
                         QStringLiteral("%1 = %2").arg(text(from), text(expected))});
    }
    if (task.kind == EquivalentKind::Simplify) {
        const int divisor = from.denominator / task.target;
        if (level < 2)
            return guide({QStringLiteral("Per quale numero dividi %1 per avere %2?")
                              .arg(from.denominator)
                              .arg(task.target),
                          QStringLiteral("Dividi anche il numeratore per lo stesso numero.")});
        return makeHelp(2, bars,
                        {QStringLiteral("%1 : %2 = %3, quindi anche %4 : %2 = %5")
                             .arg(from.denominator)
                             .arg(divisor)
                             .arg(task.target)
                             .arg(from.numerator)
                             .arg(expected.numerator),
                         QStringLiteral("%1 = %2").arg(text(from), text(expected))});
    }
    const int divisor = from.numerator / expected.numerator;
    if (level < 2)
        return guide({QStringLiteral("Cerca il numero più grande che divide sia %1 sia %2.")
                          .arg(from.numerator)
                          .arg(from.denominator),
                      QStringLiteral("Dividi per quel numero il numeratore e il denominatore.")});
    return makeHelp(2, bars,
                    {QStringLiteral("%1 : %2 = %3 e %4 : %2 = %5")
                         .arg(from.numerator)
                         .arg(divisor)
                         .arg(expected.numerator)
                         .arg(from.denominator)
                         .arg(expected.denominator),
                     QStringLiteral("%1 = %2, e non si può più semplificare.")
                         .arg(text(from), text(expected))});
}

QString spokenTask(const EquivalentTask &task)
{
    const QString given = spoken(task.given);
    if (task.kind == EquivalentKind::LowestTerms)
        return QStringLiteral("Riduci %1 ai minimi termini.").arg(given);
    return QStringLiteral("%1 uguale a quanti %2?").arg(given, partsName(task.target));
}
