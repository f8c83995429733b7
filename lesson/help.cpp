// SPDX-License-Identifier: GPL-3.0-or-later

#include "help.h"

#include "spoken.h"

#include <QRegularExpression>

namespace {

QString text(const Fraction &f)
{
    return QStringLiteral("%1/%2").arg(f.numerator).arg(f.denominator);
}

Bar bar(const Fraction &f)
{
    return {f.denominator, f.numerator, {}, text(f)};
}

// The rule of the comparisons, in one short line.
QString rule(const Fraction &a, const Fraction &b)
{
    if (a.denominator == b.denominator)
        return QStringLiteral("Stesso denominatore: più parti, frazione più grande.");
    return QStringLiteral("Stesso numeratore: meno parti nell’intero, parti più grandi.");
}

// Why one fraction is larger than, smaller than or equal to the other.
QString reason(const Fraction &a, const Fraction &b)
{
    if (a == b)
        return QStringLiteral("Sono la stessa frazione.");
    if (a.denominator == b.denominator)
        return QStringLiteral("Hanno lo stesso denominatore: %1 parti sono %2 di %3 parti.")
            .arg(a.numerator)
            .arg(a < b ? QStringLiteral("meno") : QStringLiteral("più"))
            .arg(b.numerator);
    return QStringLiteral("Hanno lo stesso numeratore: %1 è più grande di %2.")
        .arg(spokenFraction(1, std::min(a.denominator, b.denominator)),
             spokenFraction(1, std::max(a.denominator, b.denominator)));
}

} // namespace

QString spokenLine(QString line)
{
    static const QRegularExpression fraction(QStringLiteral("\\b(\\d+)/(\\d+)\\b"));
    QRegularExpressionMatch match;
    while ((match = fraction.match(line)).hasMatch()) {
        line.replace(match.capturedStart(), match.capturedLength(),
                     spokenFraction(match.captured(1).toInt(), match.captured(2).toInt()));
    }
    line.replace(QStringLiteral(" − "), QStringLiteral(" meno "));
    line.replace(QStringLiteral(" < "), QStringLiteral(" è minore di "));
    line.replace(QStringLiteral(" > "), QStringLiteral(" è maggiore di "));
    return spokenSigns(line);
}

Help makeHelp(int level, std::vector<Bar> bars, const QStringList &lines, const QString &unspoken)
{
    QStringList spoken;
    for (const QString &line : lines) {
        if (line == unspoken)
            continue;
        // Each line a sentence of its own, so that the voice pauses.
        QString sentence = spokenLine(line);
        if (!sentence.isEmpty() && !sentence.back().isPunct())
            sentence += QLatin1Char('.');
        spoken << sentence;
    }
    return {level, std::move(bars), lines, spoken.join(QLatin1Char(' '))};
}

int helpLevel(int wrongAnswers)
{
    return std::clamp(wrongAnswers - 1, 0, 2);
}

Help help(const FractionOfTask &task, Step step, int level)
{
    const QString whole = QString::number(task.whole());
    Bar model {task.den, task.num, QStringLiteral("?"), whole};
    if (level < 2) {
        const QString check = checkPhrase(step);
        QStringList lines {
            QStringLiteral("Dividi %1 in %2 parti uguali: quanto vale una parte?")
                .arg(whole)
                .arg(task.den),
            QStringLiteral("Poi prendi %1 parti: quanto valgono insieme?").arg(task.num)};
        if (!check.isEmpty())
            lines << check;
        return makeHelp(1, {model}, lines, check);
    }
    model.partLabel = QString::number(task.sris);
    const QString division = QStringLiteral("%1 : %2 = %3").arg(whole).arg(task.den).arg(task.sris);
    const QString product =
        QStringLiteral("%1 x %2 = %3").arg(task.sris).arg(task.num).arg(task.ris());
    if (step == Step::Multiplication)
        return makeHelp(2, {model},
                        {product,
                         QStringLiteral("%1 parti da %2 fanno %3.")
                             .arg(task.num)
                             .arg(task.sris)
                             .arg(task.ris())});
    if (step == Step::Result)
        return makeHelp(2, {model},
                        {QStringLiteral("%1/%2 di %3 = %4")
                             .arg(task.num)
                             .arg(task.den)
                             .arg(whole)
                             .arg(task.ris()),
                         QStringLiteral("Il risultato è il prodotto: %1").arg(product)});
    return makeHelp(
        2, {model},
        {division,
         QStringLiteral("Ogni parte vale %1: ora prendine %2.").arg(task.sris).arg(task.num)});
}

Help help(const ComplementTask &task, Step step, int level)
{
    const Fraction given {task.num, task.den};
    const QString whole = text({task.den, task.den});
    if (level < 2) {
        const QString check = checkPhrase(step);
        QStringList lines {
            QStringLiteral("L’intero è %1: quante parti mancano a %2 per fare l’intero?")
                .arg(whole, text(given))};
        if (!check.isEmpty())
            lines << check;
        return makeHelp(1, {bar(given)}, lines, check);
    }
    return makeHelp(
        2, {bar(given)},
        {QStringLiteral("%1 − %2 = %3").arg(task.den).arg(task.num).arg(task.complement()),
         QStringLiteral("%1 + %2 = %3 = 1")
             .arg(text(given), text({task.complement(), task.den}), whole)});
}

Help help(const SymbolTask &task, const Judgement &last, int level)
{
    std::size_t p = 0;
    while (p + 1 < task.size() && p < last.right.size() && last.right[p])
        ++p;
    const auto [a, b] = task[p];
    if (level < 2) {
        return makeHelp(1, {bar(a), bar(b)},
                        {QStringLiteral("Quale parte colorata è più lunga?"), rule(a, b)});
    }
    return makeHelp(
        2, {bar(a), bar(b)},
        {QStringLiteral("%1 %2 %3").arg(text(a), symbolBetween(a, b), text(b)), reason(a, b)});
}

Help help(const LargestTask &task, int level)
{
    std::vector<Bar> bars;
    for (int k = 0; k < 4; ++k)
        bars.push_back(bar(task.fraction(k)));
    const Fraction a = task.fraction(0);
    const Fraction b = task.fraction(1);
    if (level < 2)
        return makeHelp(
            1, bars, {QStringLiteral("Quale barra ha la parte colorata più lunga?"), rule(a, b)});
    const Fraction largest = task.fraction(task.largest());
    const QString why = a.denominator == b.denominator
        ? QStringLiteral("Con lo stesso denominatore, è la frazione con il numeratore più grande.")
        : QStringLiteral(
            "Con lo stesso numeratore, è la frazione con il denominatore più piccolo.");
    return makeHelp(2, bars, {QStringLiteral("La maggiore è %1.").arg(text(largest)), why});
}

Help help(const OrderTask &task, int level)
{
    std::vector<Bar> bars;
    for (int k = 0; k < 5; ++k)
        bars.push_back(bar(task.fraction(k)));
    const bool ascending = task.direction == Direction::Ascending;
    const QString direction =
        ascending ? QStringLiteral("crescente") : QStringLiteral("decrescente");
    if (level < 2) {
        return makeHelp(
            1, bars,
            {QStringLiteral("In ordine %1: dalla parte colorata più %2 alla più %3.")
                 .arg(direction, ascending ? QStringLiteral("corta") : QStringLiteral("lunga"),
                      ascending ? QStringLiteral("lunga") : QStringLiteral("corta")),
             rule(task.fraction(0), task.fraction(1))});
    }
    QStringList order;
    for (const Fraction &f : task.expected())
        order << text(f);
    return makeHelp(
        2, bars,
        {QStringLiteral("In ordine %1:").arg(direction), order.join(QStringLiteral(", "))});
}

QString describe(const Bar &bar)
{
    QString description =
        QStringLiteral("una barra divisa in %1 parti uguali, %2 %3")
            .arg(bar.parts)
            .arg(bar.coloured)
            .arg(bar.coloured == 1 ? QStringLiteral("colorata") : QStringLiteral("colorate"));
    if (!bar.partLabel.isEmpty() && bar.partLabel != QLatin1String("?"))
        description += QStringLiteral(", ognuna vale ") + bar.partLabel;
    return description;
}

QString checkPhrase(Step step)
{
    switch (step) {
    case Step::Division:
        return QStringLiteral("Controlla la divisione.");
    case Step::Multiplication:
        return QStringLiteral("Controlla la moltiplicazione.");
    case Step::Result:
        return QStringLiteral("Controlla il risultato.");
    case Step::Numerator:
        return QStringLiteral("Controlla il numeratore.");
    case Step::Denominator:
        return QStringLiteral("Controlla il denominatore.");
    case Step::Whole:
        return QStringLiteral("Controlla l’intero.");
    case Step::Simplify:
        return QStringLiteral("Si può ancora semplificare.");
    default:
        return {};
    }
}
