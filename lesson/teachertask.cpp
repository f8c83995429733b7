// SPDX-License-Identifier: GPL-3.0-or-later

#include "teachertask.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <variant>

namespace {

// A typed number within its bounds, or what is wrong with it; what names
// the box, with its article ("il denominatore"), starts the sentences.
std::variant<int, QString> number(const QString &text, const QString &what, int least, int most)
{
    QString sentence = what;
    sentence[0] = sentence.at(0).toUpper();
    if (text.isEmpty())
        return QStringLiteral("Manca %1.").arg(what);
    if (!std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return QStringLiteral("«%1» non è un numero: scrivi %2 con le sole cifre.").arg(text, what);
    if (text.size() > 1 && text.startsWith(u'0')) {
        QString plain = text;
        while (plain.size() > 1 && plain.startsWith(u'0'))
            plain.remove(0, 1);
        return QStringLiteral("«%1» comincia con lo zero: scrivi %2.").arg(text, plain);
    }
    const int value = text.size() > 4 ? most + 1 : text.toInt();
    if (value == 0)
        return QStringLiteral("%1 non può essere zero.").arg(sentence);
    if (value < least || value > most)
        return QStringLiteral("%1 va da %2 a %3.").arg(sentence).arg(least).arg(most);
    return value;
}

// Reads the typed fields in order, stopping at the first problem.
QString notProper(const Fraction &fraction);

class Reader
{
public:
    explicit Reader(const QStringList &typed) : m_typed(typed) { }

    int next(const QString &what, int least, int most)
    {
        const QString text = m_at < m_typed.size() ? m_typed.at(m_at) : QString();
        ++m_at;
        if (!problem.isEmpty())
            return 0;
        const auto read = number(text, what, least, most);
        if (const auto *sentence = std::get_if<QString>(&read)) {
            problem = *sentence;
            return 0;
        }
        return std::get<int>(read);
    }

    // A proper fraction from 1/2 to 98/99, its numerator typed first; one
    // that is not proper is the problem.
    Fraction properFraction()
    {
        const int num = next(QStringLiteral("il numeratore"), 1, 98);
        const int den = next(QStringLiteral("il denominatore"), 2, 99);
        if (problem.isEmpty() && num >= den)
            problem = notProper({num, den});
        return {num, den};
    }

    QString problem;

private:
    const QStringList &m_typed;
    qsizetype m_at = 0;
};

// A fraction that is a whole number (8/8, 12/4) is apparent, as a teacher
// calls it, and not merely "not proper"; these exercises still need a
// proper one.
QString notProper(const Fraction &fraction)
{
    return QStringLiteral("La frazione %1/%2 %3: il numeratore deve essere minore del "
                          "denominatore.")
        .arg(fraction.numerator)
        .arg(fraction.denominator)
        .arg(fraction.numerator % fraction.denominator == 0 ? QStringLiteral("è apparente")
                                                            : QStringLiteral("non è propria"));
}

// Fractions that the comparisons draw: proper, terms up to 99, all
// different, and all sharing the numerator or all the denominator.
std::variant<SharedTermTask, QString> sharedTerm(const QStringList &typed, int count)
{
    Reader reader(typed);
    std::vector<Fraction> fractions;
    for (int k = 1; k <= count; ++k) {
        const int numerator =
            reader.next(QStringLiteral("il numeratore della frazione %1").arg(k), 1, 98);
        const int denominator =
            reader.next(QStringLiteral("il denominatore della frazione %1").arg(k), 2, 99);
        fractions.push_back({numerator, denominator});
    }
    if (!reader.problem.isEmpty())
        return reader.problem;
    for (const Fraction &fraction : fractions)
        if (fraction.numerator >= fraction.denominator)
            return notProper(fraction);
    for (std::size_t k = 0; k < fractions.size(); ++k)
        if (std::find(fractions.begin() + k + 1, fractions.end(), fractions[k]) != fractions.end())
            return QStringLiteral("Le frazioni devono essere tutte diverse: %1/%2 c’è due volte.")
                .arg(fractions[k].numerator)
                .arg(fractions[k].denominator);
    const auto all = [&fractions](auto term) {
        return std::all_of(fractions.begin(), fractions.end(),
                           [&](const Fraction &f) { return term(f) == term(fractions.front()); });
    };
    SharedTermTask task;
    if (all([](const Fraction &f) { return f.numerator; })) {
        task.tipo = 1;
        task.shared = fractions.front().numerator;
        for (const Fraction &f : fractions)
            task.varying.push_back(f.denominator);
    } else if (all([](const Fraction &f) { return f.denominator; })) {
        task.tipo = 2;
        task.shared = fractions.front().denominator;
        for (const Fraction &f : fractions)
            task.varying.push_back(f.numerator);
    } else {
        return QStringLiteral("Nel confronto le frazioni devono avere tutte lo stesso numeratore o "
                              "tutte lo stesso denominatore.");
    }
    return task;
}

template<typename Task>
TeacherTask<Task> fromShared(const std::variant<SharedTermTask, QString> &read, auto make)
{
    if (const auto *problem = std::get_if<QString>(&read))
        return {{}, *problem};
    return {make(std::get<SharedTermTask>(read)), {}};
}

} // namespace

TeacherTask<FractionOfTask> checkFractionOf(const QStringList &typed, const FractionOfRange &range)
{
    Reader reader(typed);
    const int num = reader.next(QStringLiteral("il numeratore"), 1, 8);
    const int den = reader.next(QStringLiteral("il denominatore"), 2, 9);
    const int whole = reader.next(QStringLiteral("il numero intero"), 1, range.limit - 1);
    if (!reader.problem.isEmpty())
        return {{}, reader.problem};
    if (num >= den)
        return {{}, notProper({num, den})};
    if (whole % den != 0)
        return {{}, QStringLiteral("%1 non si divide esattamente per %2.").arg(whole).arg(den)};
    return {FractionOfTask {num, den, whole / den}, {}};
}

TeacherTask<ComplementTask> checkComplement(const QStringList &typed)
{
    Reader reader(typed);
    const Fraction given = reader.properFraction();
    if (!reader.problem.isEmpty())
        return {{}, reader.problem};
    return {ComplementTask {given.numerator, given.denominator}, {}};
}

TeacherTask<SymbolTask> checkSymbol(const QStringList &typed)
{
    Reader reader(typed);
    SymbolTask task;
    for (int p = 0; p < 6; ++p) {
        const QString pair = QStringLiteral(" della coppia %1").arg(p + 1);
        task[p].first.numerator = reader.next(QStringLiteral("il primo numeratore") + pair, 1, 9);
        task[p].first.denominator =
            reader.next(QStringLiteral("il primo denominatore") + pair, 2, 99);
        task[p].second.numerator =
            reader.next(QStringLiteral("il secondo numeratore") + pair, 1, 9);
        task[p].second.denominator =
            reader.next(QStringLiteral("il secondo denominatore") + pair, 2, 99);
    }
    if (!reader.problem.isEmpty())
        return {{}, reader.problem};
    for (int p = 0; p < 6; ++p) {
        for (const Fraction &fraction : {task[p].first, task[p].second})
            if (fraction.numerator >= fraction.denominator)
                return {{}, notProper(fraction)};
        if (symbolBetween(task[p].first, task[p].second).isEmpty())
            return {
                {},
                QStringLiteral("Nel confronto le due frazioni devono avere lo stesso numeratore "
                               "o lo stesso denominatore (coppia %1).")
                    .arg(p + 1)};
    }
    return {task, {}};
}

TeacherTask<LargestTask> checkLargest(const QStringList &typed)
{
    return fromShared<LargestTask>(sharedTerm(typed, 4),
                                   [](const SharedTermTask &f) { return LargestTask {f}; });
}

TeacherTask<OrderTask> checkOrder(const QStringList &typed, Direction direction)
{
    return fromShared<OrderTask>(sharedTerm(typed, 5), [direction](const SharedTermTask &f) {
        return OrderTask {f, direction};
    });
}

TeacherTask<EquivalentTask> checkEquivalent(const QStringList &typed)
{
    Reader reader(typed);
    const Fraction given = reader.properFraction();
    if (!reader.problem.isEmpty())
        return {{}, reader.problem};
    const auto [num, den] = given;
    if (typed.value(2).isEmpty()) {
        if (std::gcd(num, den) == 1)
            return {{},
                    QStringLiteral("La frazione %1/%2 è già ai minimi termini: scrivi un "
                                   "denominatore da cercare, o una frazione che si semplifica.")
                        .arg(num)
                        .arg(den)};
        return {EquivalentTask {EquivalentKind::LowestTerms, given, 0}, {}};
    }
    const int target = reader.next(QStringLiteral("il denominatore da cercare"), 2, 99);
    if (!reader.problem.isEmpty())
        return {{}, reader.problem};
    if (target > den && target % den == 0)
        return {EquivalentTask {EquivalentKind::Amplify, given, target}, {}};
    if (target < den && den % target == 0 && num % (den / target) == 0)
        return {EquivalentTask {EquivalentKind::Simplify, given, target}, {}};
    return {{},
            QStringLiteral("%1/%2 non si può scrivere con il denominatore %3: i due termini "
                           "vanno moltiplicati o divisi per lo stesso numero intero.")
                .arg(num)
                .arg(den)
                .arg(target)};
}

TeacherTask<TypeTask> checkType(const QStringList &typed)
{
    Reader reader(typed);
    const int num =
        reader.next(QStringLiteral("il numeratore"), 1, mostWholes * mostTypeDenominator);
    const int den = reader.next(QStringLiteral("il denominatore"), 2, mostTypeDenominator);
    if (!reader.problem.isEmpty())
        return {{}, reader.problem};
    if (num > mostWholes * den)
        return {{},
                QStringLiteral("Con il denominatore %1 il numeratore va da 1 a %2: il disegno "
                               "mostra al massimo %3 interi.")
                    .arg(den)
                    .arg(mostWholes * den)
                    .arg(mostWholes)};
    return {TypeTask {{num, den}}, {}};
}

TeacherTask<RecogniseTask> checkRecognise(const QStringList &typed, RecogniseKind kind,
                                          PartsShape shape)
{
    Reader reader(typed);
    const int num = reader.next(QStringLiteral("il numeratore"), 1, 12);
    const int den = reader.next(QStringLiteral("il denominatore"), 2, 12);
    if (!reader.problem.isEmpty())
        return {{}, reader.problem};
    if (num > den)
        return {{},
                QStringLiteral("La figura ha %1 parti: se ne possono colorare al massimo %1.")
                    .arg(den)};
    // A grid that cannot be cut so becomes a circle.
    if (shape == PartsShape::Grid && !gridCuts(den))
        shape = PartsShape::Sectors;
    return {RecogniseTask {kind, shape, {num, den}}, {}};
}

TeacherTask<FractionToWholeTask> checkFractionToWhole(const QStringList &typed,
                                                      const FractionOfRange &range)
{
    Reader reader(typed);
    const int num = reader.next(QStringLiteral("il numeratore"), 1, 8);
    const int den = reader.next(QStringLiteral("il denominatore"), 2, 9);
    const int known =
        reader.next(QStringLiteral("il numero che vale la frazione"), 1, range.limit - 1);
    if (!reader.problem.isEmpty())
        return {{}, reader.problem};
    if (num >= den)
        return {{}, notProper({num, den})};
    if (known % num != 0)
        return {{}, QStringLiteral("%1 non si divide esattamente per %2.").arg(known).arg(num)};
    const FractionToWholeTask task {num, den, known / num};
    if (task.whole() >= range.limit)
        return {{},
                QStringLiteral("Il numero da trovare sarebbe %1: deve essere minore di %2.")
                    .arg(task.whole())
                    .arg(range.limit)};
    return {task, {}};
}

TeacherTask<DecimalTask> checkDecimal(const QStringList &typed, DecimalKind kind)
{
    Reader reader(typed);
    const int numerator = reader.next(QStringLiteral("il numeratore"), 1, 9999);
    const int denominator = reader.next(QStringLiteral("il denominatore"), 10, 1000);
    if (!reader.problem.isEmpty())
        return {{}, reader.problem};
    if (denominator != 10 && denominator != 100 && denominator != 1000)
        return {{}, QStringLiteral("Il denominatore deve essere 10, 100 o 1000.")};
    if (numerator >= 10 * denominator)
        return {{},
                QStringLiteral("Con il denominatore %1 il numeratore va da 1 a %2, perché il "
                               "numero sia minore di 10.")
                    .arg(denominator)
                    .arg(10 * denominator - 1)};
    if (numerator % 10 == 0)
        return {{},
                QStringLiteral("Il numeratore non deve finire con lo zero: %1/%2 = %3/%4.")
                    .arg(numerator)
                    .arg(denominator)
                    .arg(numerator / 10)
                    .arg(denominator / 10)};
    return {DecimalTask {kind, numerator, denominator}, {}};
}

TeacherTask<PercentTask> checkPercent(const QStringList &typed, PercentKind kind)
{
    Reader reader(typed);
    PercentTask task {kind, reader.next(QStringLiteral("la percentuale"), 1, 99), 0};
    if (kind == PercentKind::OfNumber)
        task.whole = reader.next(QStringLiteral("il numero"), 1, 1000);
    if (!reader.problem.isEmpty())
        return {{}, reader.problem};
    if (kind == PercentKind::AsFraction && !isValid(task)) {
        QStringList easy;
        for (const int percent : easyPercents())
            easy << QString::number(percent);
        return {{},
                QStringLiteral("Il %1% non ha una frazione facile: scegli fra %2.")
                    .arg(task.percent)
                    .arg(easy.join(QStringLiteral(", ")))};
    }
    if (task.whole * task.percent % 100 != 0)
        return {{},
                QStringLiteral("Il %1% di %2 non è un numero intero.")
                    .arg(task.percent)
                    .arg(task.whole)};
    if (!isValid(task))
        return {{},
                QStringLiteral("Con %1 la percentuale va a passi di 5: da 1 a 99 solo con le "
                               "centinaia.")
                    .arg(task.whole)};
    return {task, {}};
}
