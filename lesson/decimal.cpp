// SPDX-License-Identifier: GPL-3.0-or-later

#include "decimal.h"

#include "random.h"

#include <QRegularExpression>

#include <array>

int DecimalTask::places() const
{
    return denominator >= 1000 ? 3 : denominator >= 100 ? 2 : 1;
}

QString DecimalTask::number() const
{
    return QStringLiteral("%1,%2")
        .arg(numerator / denominator)
        .arg(numerator % denominator, places(), 10, QLatin1Char('0'));
}

DecimalKind decimalKindForTurn(int turn)
{
    return turn % 2 == 0 ? DecimalKind::ToNumber : DecimalKind::ToFraction;
}

DecimalTask drawDecimal(Random &random, DecimalKind kind)
{
    DecimalTask task;
    task.kind = kind;
    task.denominator = std::array {10, 100, 1000}[random.draw(3) - 1];
    do {
        task.numerator = random.draw(10 * task.denominator - 1);
    } while (task.numerator % 10 == 0);
    return task;
}

std::optional<TypedDecimal> readDecimal(const QString &typed)
{
    static const QRegularExpression form(QStringLiteral("^(0|[1-9][0-9]*)[,.]([0-9]+)$"));
    const QRegularExpressionMatch match = form.match(typed);
    if (!match.hasMatch())
        return {};
    TypedDecimal read {match.captured(1), match.captured(2)};
    while (read.decimals.endsWith(u'0')) {
        read.decimals.chop(1);
        read.trailingZeros = true;
    }
    return read;
}

Judgement judge(const DecimalTask &task, const QString &typed)
{
    Judgement judgement;
    if (task.kind == DecimalKind::ToFraction) {
        judgement.right = {matches(typed, task.numerator)};
        if (!judgement.right[0])
            judgement.step = Step::Numerator;
        return judgement;
    }
    const auto expected = readDecimal(task.number());
    const auto read = readDecimal(typed);
    judgement.right = {read && read->whole == expected->whole
                       && read->decimals == expected->decimals};
    if (judgement.right[0])
        return judgement;
    // The same digits with the comma elsewhere: 3,7 or 37 for 0,37.
    static const QRegularExpression comma(QStringLiteral("[,.]"));
    const qsizetype at = typed.indexOf(comma);
    const qsizetype decimals = at < 0 ? 0 : typed.size() - at - 1;
    QString digits = typed;
    digits.remove(comma);
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    const bool misplaced = typed.count(comma) <= 1 && decimals != task.places()
        && digits == QString::number(task.numerator);
    judgement.step = misplaced ? Step::Comma : Step::Result;
    return judgement;
}

QString decimalRemark(const DecimalTask &task, const QString &typed)
{
    const auto read = readDecimal(typed);
    if (task.kind != DecimalKind::ToNumber || !read || !read->trailingZeros
        || !judge(task, typed).allRight())
        return {};
    return QStringLiteral("L’ultimo zero non serve: %1.").arg(task.number());
}
