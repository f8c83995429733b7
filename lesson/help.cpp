// SPDX-License-Identifier: GPL-3.0-or-later

#include "help.h"

#include "spoken.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>

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

namespace {

QString text(const Fraction &f)
{
    return QStringLiteral("%1/%2").arg(f.numerator).arg(f.denominator);
}

Bar bar(const Fraction &f)
{
    return {f.denominator, f.numerator, {}, text(f), {}};
}

Help make(int level, std::vector<Bar> bars, const QStringList &lines, const QString &unspoken = {})
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
    Help made;
    made.level = level;
    made.bars = std::move(bars);
    made.lines = lines;
    made.spoken = spoken.join(QLatin1Char(' '));
    return made;
}

double value(const Fraction &f)
{
    return double(f.numerator) / f.denominator;
}

// What the drawing of a comparison can show: which bars it draws, and
// whether the lengths that answer the question differ by a share a child
// sees. Each pair holds two fractions whose order the question turns on.
struct Sight
{
    BarScale scale = BarScale::Whole;
    bool visible = true;
    bool sameNumerator = false;
};

Sight sight(const std::vector<std::pair<Fraction, Fraction>> &compared)
{
    Sight seen;
    const auto [a, b] = compared.front();
    seen.sameNumerator = a.numerator == b.numerator && a.denominator != b.denominator;
    double whole = 1;
    double part = 1;
    for (const auto &[x, y] : compared) {
        if (x == y)
            continue;
        whole = std::min(whole, std::abs(value(x) - value(y)));
        part = std::min(part,
                        1
                            - double(std::min(x.denominator, y.denominator))
                                / std::max(x.denominator, y.denominator));
    }
    if (whole >= visibleShare)
        return seen;
    if (seen.sameNumerator) {
        seen.scale = BarScale::OnePart;
        seen.visible = part >= visibleShare;
        return seen;
    }
    seen.visible = false;
    return seen;
}

// The question a drawing answers, for one pair, the largest of several, or
// an order: about the lengths where they differ enough to be seen, about
// what the labels count where they do not.
enum class Asked { Pair, Largest, Order };

QString question(Asked asked, const Sight &seen, bool ascending = true)
{
    const QString direction =
        ascending ? QStringLiteral("crescente") : QStringLiteral("decrescente");
    const QString shortFirst = ascending ? QStringLiteral("più corta alla più lunga")
                                         : QStringLiteral("più lunga alla più corta");
    if (seen.visible && seen.scale == BarScale::Whole) {
        switch (asked) {
        case Asked::Pair:
            return QStringLiteral("Quale parte colorata è più lunga?");
        case Asked::Largest:
            return QStringLiteral("Quale barra ha la parte colorata più lunga?");
        case Asked::Order:
            return QStringLiteral("In ordine %1: dalla parte colorata %2.")
                .arg(direction, shortFirst);
        }
    }
    if (seen.visible) {
        switch (asked) {
        case Asked::Pair:
            return QStringLiteral("Guarda una parte di ognuna: quale è più lunga?");
        case Asked::Largest:
            return QStringLiteral("Guarda una parte di ognuna: quale è la più lunga?");
        case Asked::Order:
            return QStringLiteral("In ordine %1: guarda una parte di ognuna, dalla %2.")
                .arg(direction, shortFirst);
        }
    }
    // Lengths nearly the same: the numbers the labels show tell instead.
    if (asked == Asked::Order && seen.sameNumerator)
        return QStringLiteral("In ordine %1: dall’intero diviso in %2 parti a quello diviso in %3.")
            .arg(direction, ascending ? QStringLiteral("più") : QStringLiteral("meno"),
                 ascending ? QStringLiteral("meno") : QStringLiteral("più"));
    if (asked == Asked::Order)
        return QStringLiteral("In ordine %1: da quella con %2 parti colorate a quella con %3.")
            .arg(direction, ascending ? QStringLiteral("meno") : QStringLiteral("più"),
                 ascending ? QStringLiteral("più") : QStringLiteral("meno"));
    if (seen.sameNumerator)
        return QStringLiteral("Le parti sono quasi della stessa lunghezza: quale intero è diviso "
                              "in meno parti?");
    return QStringLiteral("Sono quasi della stessa lunghezza: quale ha più parti colorate?");
}

// The rule of the comparisons, which says which fraction is the larger.
QString rule(const Fraction &a, const Fraction &b)
{
    if (a.denominator == b.denominator)
        return QStringLiteral("Hanno lo stesso denominatore, %1: è maggiore la frazione con più "
                              "parti colorate.")
            .arg(a.denominator);
    return QStringLiteral("Hanno lo stesso numeratore, %1: più parti ci sono nell’intero, più "
                          "ognuna è piccola. È maggiore la frazione con il denominatore più "
                          "piccolo.")
        .arg(a.numerator);
}

// Why one fraction is larger than, smaller than or equal to the other,
// the larger named first.
QString reason(const Fraction &a, const Fraction &b)
{
    if (a == b)
        return QStringLiteral("Sono la stessa frazione.");
    const Fraction larger = std::max(a, b);
    const Fraction smaller = std::min(a, b);
    const QString therefore =
        QStringLiteral("Quindi %1 è maggiore di %2.").arg(text(larger), text(smaller));
    if (a.denominator == b.denominator)
        return QStringLiteral("Hanno lo stesso denominatore, %1: %2 sono più di %3. %4")
            .arg(QString::number(a.denominator), counted(larger.numerator, Counted::Part),
                 counted(smaller.numerator, Counted::Part), therefore);
    return QStringLiteral("Hanno lo stesso numeratore, %1. Un intero diviso in %2 parti ha le "
                          "parti più grandi di uno diviso in %3: più parti ci sono, più ognuna è "
                          "piccola. %4")
        .arg(QString::number(a.numerator), QString::number(larger.denominator),
             QString::number(smaller.denominator), therefore);
}

} // namespace

Help makeHelp(int level, std::vector<Bar> bars, const QStringList &lines, const QString &unspoken)
{
    return make(level, std::move(bars), lines, unspoken);
}

int helpLevel(int wrongAnswers)
{
    return std::clamp(wrongAnswers - 1, 0, 2);
}

Help help(const FractionOfTask &task, Step step, int level)
{
    const QString whole = QString::number(task.whole());
    Bar model {task.den, task.num, QStringLiteral("?"), whole, {}};
    if (level < 2) {
        const QString check = checkPhrase(step);
        QStringList lines {
            QStringLiteral("Dividi %1 in %2 uguali: quanto vale una parte?")
                .arg(whole, counted(task.den, Counted::Part)),
            QStringLiteral("Poi prendi %1: quanto %2?")
                .arg(counted(task.num, Counted::Part), countedWord(Counted::IsWorth, task.num))};
        if (!check.isEmpty())
            lines << check;
        return make(1, {model}, lines, check);
    }
    model.partLabel = QString::number(task.sris);
    const QString division = QStringLiteral("%1 : %2 = %3").arg(whole).arg(task.den).arg(task.sris);
    const QString product =
        QStringLiteral("%1 x %2 = %3").arg(task.sris).arg(task.num).arg(task.ris());
    if (step == Step::Multiplication)
        return make(2, {model},
                    {product,
                     QStringLiteral("%1 da %2 %3 %4.")
                         .arg(counted(task.num, Counted::Part))
                         .arg(task.sris)
                         .arg(countedWord(Counted::Makes, task.num))
                         .arg(task.ris())});
    if (step == Step::Result)
        return make(2, {model},
                    {QStringLiteral("%1/%2 di %3 = %4")
                         .arg(task.num)
                         .arg(task.den)
                         .arg(whole)
                         .arg(task.ris()),
                     QStringLiteral("Il risultato è il prodotto: %1").arg(product)});
    return make(
        2, {model},
        {division,
         QStringLiteral("Ogni parte vale %1: ora prendine %2.").arg(task.sris).arg(task.num)});
}

Help help(const ComplementTask &task, Step step, int level)
{
    const Fraction given {task.num, task.den};
    const QString whole = text({task.den, task.den});
    Bar model = bar(given);
    if (level < 2) {
        // The white parts are what the question asks: counted for the
        // child only in the worked step.
        model.missingLabel = QStringLiteral("?");
        const QString check = checkPhrase(step);
        QStringList lines {
            QStringLiteral("L’intero è %1: quante parti mancano a %2 per fare l’intero?")
                .arg(whole, text(given))};
        if (!check.isEmpty())
            lines << check;
        return make(1, {model}, lines, check);
    }
    return make(2, {model},
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
    const Sight seen = sight({{a, b}});
    const QString pair =
        QStringLiteral("La %1 coppia: %2 e %3.").arg(ordinalFeminine(int(p) + 1), text(a), text(b));
    Help shown = level < 2
        ? make(1, {bar(a), bar(b)}, {pair, question(Asked::Pair, seen), rule(a, b)})
        : make(2, {bar(a), bar(b)},
               {pair, QStringLiteral("%1 %2 %3").arg(text(a), symbolBetween(a, b), text(b)),
                reason(a, b)});
    shown.scale = seen.scale;
    shown.about = int(p);
    return shown;
}

Help help(const LargestTask &task, int level)
{
    std::vector<Bar> bars;
    for (int k = 0; k < 4; ++k)
        bars.push_back(bar(task.fraction(k)));
    const Fraction a = task.fraction(0);
    const Fraction b = task.fraction(1);
    const Fraction largest = task.fraction(task.largest());
    // The question turns on the largest and the one closest to it.
    Fraction next {0, 1};
    for (int k = 0; k < 4; ++k) {
        if (k != task.largest())
            next = std::max(next, task.fraction(k));
    }
    const Sight seen = sight({{largest, next}});
    Help shown;
    if (level < 2) {
        shown = make(1, bars, {question(Asked::Largest, seen), rule(a, b)});
    } else {
        const QString why = a.denominator == b.denominator
            ? QStringLiteral("Hanno lo stesso denominatore: è quella con più parti colorate, %1.")
                  .arg(counted(largest.numerator, Counted::Part))
            : QStringLiteral("Hanno lo stesso numeratore: è quella con il denominatore più "
                             "piccolo, %1, che ha le parti più grandi.")
                  .arg(largest.denominator);
        shown = make(2, bars, {QStringLiteral("La maggiore è %1.").arg(text(largest)), why});
    }
    shown.scale = seen.scale;
    return shown;
}

Help help(const OrderTask &task, int level)
{
    std::vector<Bar> bars;
    for (int k = 0; k < 5; ++k)
        bars.push_back(bar(task.fraction(k)));
    const bool ascending = task.direction == Direction::Ascending;
    const QString direction =
        ascending ? QStringLiteral("crescente") : QStringLiteral("decrescente");
    const std::array<Fraction, 5> expected = task.expected();
    std::vector<std::pair<Fraction, Fraction>> neighbours;
    for (std::size_t k = 1; k < expected.size(); ++k)
        neighbours.emplace_back(expected[k - 1], expected[k]);
    const Sight seen = sight(neighbours);
    Help shown;
    if (level < 2) {
        shown = make(
            1, bars,
            {question(Asked::Order, seen, ascending), rule(task.fraction(0), task.fraction(1))});
    } else {
        QStringList order;
        for (const Fraction &f : expected)
            order << text(f);
        shown = make(
            2, bars,
            {QStringLiteral("In ordine %1:").arg(direction), order.join(QStringLiteral(", "))});
    }
    shown.scale = seen.scale;
    return shown;
}

QString describe(const Bar &bar)
{
    QString description =
        QStringLiteral("una barra divisa in %1 uguali, %2")
            .arg(counted(bar.parts, Counted::Part), counted(bar.coloured, Counted::Coloured));
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
    case Step::Comma:
        return QStringLiteral("Controlla la virgola.");
    case Step::Simplify:
        return QStringLiteral("Si può ancora semplificare.");
    default:
        return {};
    }
}
