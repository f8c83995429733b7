// SPDX-License-Identifier: GPL-3.0-or-later

#include "topicwords.h"

#include "spoken.h"

#include <QRegularExpression>

namespace {

QString fraction(int numerator, int denominator)
{
    return QStringLiteral("%1/%2").arg(numerator).arg(denominator);
}

// As the six exercises' helps are made: each line a sentence of its own
// when read, the check phrase left to the spoken verdict.
Help make(int level, const Diagram &diagram, QStringList lines, Step step)
{
    const QString check = checkPhrase(step);
    QStringList spoken;
    for (const QString &line : lines) {
        QString sentence = spokenTopicLine(line);
        if (!sentence.isEmpty() && !sentence.back().isPunct())
            sentence += QLatin1Char('.');
        spoken << sentence;
    }
    if (level < 2 && !check.isEmpty())
        lines << check;
    Help made;
    made.level = level;
    made.lines = lines;
    made.spoken = spoken.join(QLatin1Char(' '));
    made.diagram = diagram;
    return made;
}

// «va una cifra», «vanno 2 cifre»: the one-word and the many-word form.
QString counted(int n, const char *one, const char *many)
{
    return n == 1 ? QString::fromUtf8(one) : QString::fromUtf8(many).arg(n);
}

// «1 decimo», «3 decimi», «0 unità»: a place named for the digit in it.
QString inPlace(const QString &digit, int place)
{
    QString word = placeWords()[place];
    if (digit == QLatin1String("1") && place > 0)
        word.back() = u'o';
    return digit + QLatin1Char(' ') + word;
}

// The digits of a decimal number below ten in the table's four places.
PlaceValueTable table(const DecimalTask &task)
{
    PlaceValueTable table;
    const QString number = task.number();
    table.digits[0] = number.section(QLatin1Char(','), 0, 0);
    const QString decimals = number.section(QLatin1Char(','), 1);
    for (int k = 0; k < decimals.size() && k < 3; ++k)
        table.digits[k + 1] = decimals.at(k);
    return table;
}

// «0 unità, 3 decimi e 7 centesimi»
QString places(const DecimalTask &task)
{
    const PlaceValueTable digits = table(task);
    QStringList parts;
    for (int k = 0; k < 4; ++k) {
        if (!digits.digits[k].isEmpty())
            parts << inPlace(digits.digits[k], k);
    }
    const QString last = parts.takeLast();
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" e ") + last;
}

} // namespace

const std::array<QString, 4> &placeNames()
{
    static const std::array<QString, 4> names {QStringLiteral("u"), QStringLiteral("d"),
                                               QStringLiteral("c"), QStringLiteral("m")};
    return names;
}

const std::array<QString, 4> &placeWords()
{
    static const std::array<QString, 4> words {QStringLiteral("unità"), QStringLiteral("decimi"),
                                               QStringLiteral("centesimi"),
                                               QStringLiteral("millesimi")};
    return words;
}

QString describe(const Diagram &diagram)
{
    if (const auto *bar = std::get_if<PartsBar>(&diagram))
        return QStringLiteral("una barra divisa in %1 parti uguali, %2 %3; l’intero vale %4")
            .arg(bar->parts)
            .arg(counted(bar->coloured, "1 colorata che vale",
                         "%1 colorate che insieme valgono"),
                 bar->colouredLabel,
                 bar->wholeLabel == QLatin1String("?") ? QStringLiteral("quanto?")
                                                       : bar->wholeLabel);
    if (const auto *table = std::get_if<PlaceValueTable>(&diagram)) {
        QStringList cells;
        for (int k = 0; k < 4; ++k) {
            if (!table->digits[k].isEmpty())
                cells << placeWords()[k] + QLatin1Char(' ') + table->digits[k];
        }
        return QStringLiteral("la tabella delle cifre: ") + cells.join(QStringLiteral(", "));
    }
    if (const auto *square = std::get_if<HundredSquare>(&diagram))
        return QStringLiteral("un quadrato di 100 quadretti, %1 colorati").arg(square->coloured);
    return {};
}

QString spokenTopicLine(const QString &written)
{
    static const QRegularExpression percent(QStringLiteral("(\\d+)%"));
    static const QRegularExpression decimal(QStringLiteral("\\b\\d+,\\d+\\b"));
    static const QRegularExpression fraction(QStringLiteral("\\b(\\d+)/(\\d+)\\b"));
    QString line = written;
    line.replace(percent, QStringLiteral("\\1 per cento"));
    QRegularExpressionMatch match;
    while ((match = decimal.match(line)).hasMatch())
        line.replace(match.capturedStart(), match.capturedLength(),
                     spokenDecimal(match.captured()));
    while ((match = fraction.match(line)).hasMatch())
        line.replace(match.capturedStart(), match.capturedLength(),
                     spokenDecimalFraction(match.captured(1).toInt(), match.captured(2).toInt()));
    return spokenSigns(line);
}

QString taskArticle(int numerator)
{
    return numerator == 1 ? QString()
        : numerator == 8  ? QStringLiteral("Gli")
                          : QStringLiteral("I");
}

QString taskVerb(int numerator)
{
    return numerator == 1 ? QStringLiteral("di un numero è") : QStringLiteral("di un numero sono");
}

QString spokenTask(const FractionToWholeTask &task)
{
    QString fraction = spokenFraction(task.num, task.den);
    if (task.num == 1)
        fraction[0] = fraction.at(0).toUpper();
    else
        fraction.prepend(taskArticle(task.num) + QLatin1Char(' '));
    return QStringLiteral("%1 %2 %3.").arg(fraction, taskVerb(task.num)).arg(task.known());
}

QString spokenTask(const DecimalTask &task)
{
    if (task.kind == DecimalKind::ToNumber)
        return spokenDecimalFraction(task.numerator, task.denominator);
    return spokenDecimal(task.number()) + QStringLiteral(": quanti ") + placeWords()[task.places()]
        + QLatin1Char('?');
}

QString spokenTask(const PercentTask &task)
{
    if (task.kind == PercentKind::OfNumber)
        return QStringLiteral("%1 per cento di %2").arg(task.percent).arg(task.whole);
    const Fraction lowest = task.lowest();
    return QStringLiteral("%1 per cento: quanti centesimi? E quanti %2?")
        .arg(task.percent)
        .arg(spokenFraction(2, lowest.denominator).section(QLatin1Char(' '), 1));
}

Help help(const FractionToWholeTask &task, Step step, int level)
{
    PartsBar bar {task.den, task.num, QStringLiteral("?"), QString::number(task.known()),
                  QStringLiteral("?")};
    if (level < 2)
        return make(1, bar,
                    {QStringLiteral("%1 %2: quanto vale una parte?")
                         .arg(counted(task.num, "La parte colorata vale",
                                      "Le %1 parti colorate insieme valgono"))
                         .arg(task.known()),
                     QStringLiteral("L’intero ha %1 parti: quanto vale?").arg(task.den)},
                    step);
    bar.partLabel = QString::number(task.part);
    const QString product =
        QStringLiteral("%1 x %2 = %3").arg(task.part).arg(task.den).arg(task.whole());
    if (step == Step::Multiplication) {
        bar.wholeLabel = QString::number(task.whole());
        return make(2, bar,
                    {product,
                     QStringLiteral("%1 parti da %2 fanno %3.")
                         .arg(task.den)
                         .arg(task.part)
                         .arg(task.whole())},
                    step);
    }
    if (step == Step::Result) {
        bar.wholeLabel = QString::number(task.whole());
        return make(2, bar,
                    {QStringLiteral("Il numero è il prodotto: %1").arg(product),
                     (task.num == 1 ? QStringLiteral("Prova: %1 di %2 è %3.")
                                    : QStringLiteral("Prova: i %1 di %2 sono %3."))
                         .arg(fraction(task.num, task.den))
                         .arg(task.whole())
                         .arg(task.known())},
                    step);
    }
    return make(
        2, bar,
        {QStringLiteral("%1 : %2 = %3").arg(task.known()).arg(task.num).arg(task.part),
         QStringLiteral("Ogni parte vale %1: l’intero ne ha %2.").arg(task.part).arg(task.den)},
        step);
}

Help help(const DecimalTask &task, Step step, int level)
{
    const QString written = fraction(task.numerator, task.denominator);
    const QString place = placeWords()[task.places()];
    if (task.kind == DecimalKind::ToNumber) {
        if (level < 2)
            return make(1, table(task),
                        {QStringLiteral("Il denominatore %1 ha %2: dopo la virgola %3.")
                             .arg(task.denominator)
                             .arg(counted(task.places(), "uno zero", "%1 zeri"),
                                  counted(task.places(), "va una cifra", "vanno %1 cifre")),
                         QStringLiteral("Scrivi %1 nella tabella: l’ultima cifra va nei %2.")
                             .arg(task.numerator)
                             .arg(place)},
                        step);
        return make(2, table(task),
                    {QStringLiteral("%1 = %2").arg(written, task.number()),
                     places(task) + QLatin1Char('.'),
                     QStringLiteral("Uno zero in fondo non serve: %1 = %2.")
                         .arg(task.number() + QLatin1Char('0'), task.number())},
                    step);
    }
    if (level < 2)
        return make(1, table(task),
                    {QStringLiteral("Cifre dopo la virgola: %1; tanti zeri ha il "
                                    "denominatore, %2.")
                         .arg(task.places())
                         .arg(task.denominator),
                     QStringLiteral("Il numeratore è il numero scritto senza la virgola.")},
                    step);
    return make(2, table(task),
                {QStringLiteral("%1 = %2").arg(task.number(), written),
                 QStringLiteral("Senza la virgola %1 diventa %2: sono %2 %3.")
                     .arg(task.number())
                     .arg(task.numerator)
                     .arg(place)},
                step);
}

Help help(const PercentTask &task, Step step, int level)
{
    const HundredSquare square {task.percent};
    const QString meaning = QStringLiteral("%1% vuol dire %2 su 100.")
                                .arg(task.percent)
                                .arg(counted(task.percent, "1 parte", "%1 parti"));
    if (task.kind == PercentKind::OfNumber) {
        if (level < 2)
            return make(1, square,
                        {meaning,
                         QStringLiteral("Dividi %1 per 100, poi moltiplica per %2.")
                             .arg(task.whole)
                             .arg(task.percent)},
                        step);
        return make(2, square,
                    {QStringLiteral("%1 : 100 x %2 = %3")
                         .arg(task.whole)
                         .arg(task.percent)
                         .arg(task.result()),
                     QStringLiteral("Oppure: %1 x %2 = %3 e %3 : 100 = %4.")
                         .arg(task.whole)
                         .arg(task.percent)
                         .arg(task.whole * task.percent)
                         .arg(task.result())},
                    step);
    }
    const Fraction lowest = task.lowest();
    const int divisor = 100 / lowest.denominator;
    if (level < 2)
        return make(1, square,
                    {meaning,
                     QStringLiteral("Per passare da 100 a %1 si divide per %2: dividi anche "
                                    "il numeratore.")
                         .arg(lowest.denominator)
                         .arg(divisor)},
                    step);
    return make(
        2, square,
        {QStringLiteral("%1% = %2 = %3")
             .arg(task.percent)
             .arg(fraction(task.percent, 100), fraction(lowest.numerator, lowest.denominator)),
         QStringLiteral("100 : %1 = %2 e %3 : %1 = %4.")
             .arg(divisor)
             .arg(lowest.denominator)
             .arg(task.percent)
             .arg(lowest.numerator)},
        step);
}
