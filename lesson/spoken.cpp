// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

const std::array<const char *, 20> cardinals {
    "",         "uno",    "due",         "tre",      "quattro",
    "cinque",   "sei",    "sette",       "otto",     "nove",
    "dieci",    "undici", "dodici",      "tredici",  "quattordici",
    "quindici", "sedici", "diciassette", "diciotto", "diciannove"};
const std::array<const char *, 10> tens {"",          "",         "venti",    "trenta",  "quaranta",
                                         "cinquanta", "sessanta", "settanta", "ottanta", "novanta"};
const std::array<const char *, 11> firstOrdinals {
    "", "", "mezz", "terz", "quart", "quint", "sest", "settim", "ottav", "non", "decim"};

// The Italian word for 1 to 99: the tens lose their vowel before "uno" and
// "otto" (ventuno, trentotto).
QString cardinal(int n)
{
    if (n < 20)
        return QString::fromLatin1(cardinals[n]);
    QString word = QString::fromLatin1(tens[n / 10]);
    const int unit = n % 10;
    if (unit == 1 || unit == 8)
        word.chop(1);
    return word + QString::fromLatin1(cardinals[unit]);
}

// The ordinal's stem, to which "o" or "i" is added: up to ten a word of
// its own, then the number word without its last vowel and "esim", except
// that a final "tre" or "sei" keeps its vowel (ventitreesimo, trentaseiesimo).
QString ordinalStem(int n)
{
    if (n <= 10)
        return QString::fromLatin1(firstOrdinals[n]);
    QString word = cardinal(n);
    if (!(n > 20 && (n % 10 == 3 || n % 10 == 6)))
        word.chop(1);
    return word + QStringLiteral("esim");
}

// Words that join without a space: a final "tre" after other words is
// stressed (ventitré), and "cento" loses its vowel before "otto" and
// "ottanta" (centotto).
QString joined(const QString &head, const QString &tail)
{
    if (head.isEmpty())
        return tail;
    const QString rest = tail == QLatin1String("tre") ? QStringLiteral("tré") : tail;
    if (head.endsWith(QLatin1String("cento")) && rest.startsWith(QLatin1String("ott")))
        return head.chopped(1) + rest;
    return head + rest;
}

// 1 to 99, with the stressed "tré" the ordinals do without.
QString tensInWords(int n)
{
    if (n < 20 || n % 10 != 3)
        return cardinal(n);
    return joined(QString::fromLatin1(tens[n / 10]), QStringLiteral("tre"));
}

struct Forms
{
    Counted word;
    const char *one;
    const char *many;
};
// The whole table: a new sentence that counts something adds its word here.
constexpr Forms countedForms[] = {
    {Counted::Part, "parte", "parti"},
    {Counted::ColouredPart, "parte colorata", "parti colorate"},
    {Counted::Coloured, "colorata", "colorate"},
    {Counted::IsWorth, "vale", "valgono insieme"},
    {Counted::Makes, "fa", "fanno"},
};

} // namespace

QString countedWord(Counted word, int count)
{
    for (const Forms &forms : countedForms) {
        if (forms.word == word)
            return QString::fromUtf8(count == 1 ? forms.one : forms.many);
    }
    return {};
}

QString counted(int count, Counted word)
{
    return QString::number(count) + QLatin1Char(' ') + countedWord(word, count);
}

QString ordinalFeminine(int position)
{
    static const std::array<const char *, 7> ordinals {"",       "prima",  "seconda", "terza",
                                                       "quarta", "quinta", "sesta"};
    if (position < 1 || position >= int(ordinals.size()))
        return QString::number(position) + QStringLiteral("ª");
    return QString::fromLatin1(ordinals[position]);
}

QString ordinalMasculine(int position)
{
    static const std::array<const char *, 7> ordinals {"",       "primo",  "secondo", "terzo",
                                                       "quarto", "quinto", "sesto"};
    if (position < 1 || position >= int(ordinals.size()))
        return QString::number(position) + QStringLiteral("º");
    return QString::fromLatin1(ordinals[position]);
}

QString spokenNumber(int number)
{
    if (number == 0)
        return QStringLiteral("zero");
    const int thousands = number / 1000;
    const int hundreds = number / 100 % 10;
    const int rest = number % 100;
    QString words;
    if (thousands == 1)
        words = QStringLiteral("mille");
    else if (thousands > 1)
        words = cardinal(thousands) + QStringLiteral("mila");
    if (hundreds > 0)
        words = joined(words,
                       (hundreds == 1 ? QString() : cardinal(hundreds)) + QStringLiteral("cento"));
    if (rest > 0)
        words = joined(words, tensInWords(rest));
    return words;
}

QString spokenTyped(const QString &typed)
{
    if (typed == QLatin1String("<"))
        return QStringLiteral("minore di");
    if (typed == QLatin1String(">"))
        return QStringLiteral("maggiore di");
    if (typed == QLatin1String("="))
        return QStringLiteral("uguale a");
    if (typed.isEmpty()
        || !std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return {};
    QStringList words;
    qsizetype first = 0;
    while (first < typed.size() - 1 && typed.at(first) == u'0') {
        words << QStringLiteral("zero");
        ++first;
    }
    const QString number = typed.mid(first);
    if (number.size() <= 4)
        words << spokenNumber(number.toInt());
    else
        for (const QChar digit : number)
            words << spokenNumber(digit.digitValue());
    return words.join(QLatin1Char(' '));
}

QString spokenFraction(int numerator, int denominator)
{
    if (denominator < 2 || denominator > 99 || numerator < 0)
        return QStringLiteral("%1 su %2").arg(numerator).arg(denominator);
    if (numerator == 1)
        return QStringLiteral("un ") + ordinalStem(denominator) + QLatin1Char('o');
    return QString::number(numerator) + QLatin1Char(' ') + ordinalStem(denominator)
        + QLatin1Char('i');
}

QString spokenDecimalFraction(int numerator, int denominator)
{
    const char *name = denominator == 10 ? "decim"
        : denominator == 100             ? "centesim"
        : denominator == 1000            ? "millesim"
                                         : nullptr;
    if (!name || numerator < 1 || numerator > 9999)
        return spokenFraction(numerator, denominator);
    if (numerator == 1)
        return QStringLiteral("un ") + QString::fromLatin1(name) + QLatin1Char('o');
    return spokenNumber(numerator) + QLatin1Char(' ') + QString::fromLatin1(name)
        + QLatin1Char('i');
}

QString spokenDecimal(const QString &written)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,4}),(\\d{1,4})$"));
    const QRegularExpressionMatch match = form.match(written);
    if (!match.hasMatch())
        return {};
    return spokenTyped(match.captured(1)) + QStringLiteral(" virgola ")
        + spokenTyped(match.captured(2));
}

QString spokenFractionOf(int numerator, int denominator, int whole)
{
    return spokenFraction(numerator, denominator) + QStringLiteral(" di ") + QString::number(whole);
}

QString spokenSigns(const QString &text)
{
    // A wide gap between two parts of a line is a pause too.
    QString line = text;
    line.replace(QRegularExpression(QStringLiteral(" {3,}")), QStringLiteral(" → "));
    QStringList words;
    for (const QString &word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word == QLatin1String(":"))
            words << QStringLiteral("diviso");
        else if (word == QLatin1String("x"))
            words << QStringLiteral("per");
        else if (word == QLatin1String("="))
            words << QStringLiteral("uguale a");
        else if (word == QLatin1String("+"))
            words << QStringLiteral("più");
        else if (word != QStringLiteral("→"))
            words << word;
        else if (!words.isEmpty() && !words.last().back().isPunct())
            words.last() += QLatin1Char(',');
    }
    return words.join(QLatin1Char(' '));
}

QString spokenFractions(const QString &text)
{
    static const QRegularExpression fraction(QStringLiteral("\\b(\\d+)/(\\d+)\\b"));
    QString result = text;
    QRegularExpressionMatch found;
    while ((found = fraction.match(result)).hasMatch()) {
        result.replace(found.capturedStart(), found.capturedLength(),
                       spokenFraction(found.captured(1).toInt(), found.captured(2).toInt()));
    }
    return result;
}

QString withoutCapitals(const QString &text)
{
    static const QRegularExpression capitals(QStringLiteral("\\b\\p{Lu}{2,}\\b"));
    QString result = text;
    QRegularExpressionMatchIterator words = capitals.globalMatch(text);
    while (words.hasNext()) {
        const QRegularExpressionMatch word = words.next();
        result.replace(word.capturedStart(), word.capturedLength(), word.captured().toLower());
    }
    return result;
}
