// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fraction.h"

#include <QString>

// The Italian words a teacher reads the screens with, for a screen reader
// and for the program's own voice alike.

// A fraction: "un mezzo", "3 quarti", "7 ventitreesimi". Outside the
// denominators 2 to 99, which the screens never show, "3 su 100".
QString spokenFraction(int numerator, int denominator);

// The same, for a fraction value.
inline QString spoken(const Fraction &fraction)
{
    return spokenFraction(fraction.numerator, fraction.denominator);
}

// A whole number from 0 to 9999 in words, as a teacher reads it back:
// "settantadue", "centotré", "duemilaquattrocento".
QString spokenNumber(int number);

// What a child typed into an answer box, read back: a number in words, the
// zeros it starts with one by one ("zero sette"), a number above 9999
// digit by digit, a sign between two fractions as a teacher reads it
// ("minore di"). Nothing for an empty box or for other text.
QString spokenTyped(const QString &typed);

// The few words that change with the number they count, so that no help
// and no voice says "1 parti".
enum class Counted {
    Part, // "1 parte", "3 parti"
    ColouredPart, // "1 parte colorata", "3 parti colorate"
    Coloured, // "1 colorata", "3 colorate"
    IsWorth, // "vale", "valgono insieme": what so many parts are worth
    Makes, // "fa", "fanno"
};

// The word for a count: "parte" for 1, "parti" for any other.
QString countedWord(Counted word, int count);

// The count and its word: "1 parte", "58 parti colorate".
QString counted(int count, Counted word);

// The ordinal of a pair or a row, from 1: "prima", "terza".
QString ordinalFeminine(int position);
// The ordinal of a place, from 1: "primo", "quinto".
QString ordinalMasculine(int position);

// A sentence with its fractions in words: "3/4 c’è due volte" is heard "3
// quarti c’è due volte".
QString spokenFractions(const QString &text);

// A decimal fraction in words, as its number is read: "trentasette
// centesimi", "un decimo", "milleduecento millesimi"; any other as
// spokenFraction says it.
QString spokenDecimalFraction(int numerator, int denominator);

// A decimal number written with the comma, in words: "zero virgola
// trentasette", "uno virgola zero cinque". Nothing for anything else.
QString spokenDecimal(const QString &written);

// A fraction of a number: "3 quarti di 80".
QString spokenFractionOf(int numerator, int denominator, int whole);

// Words written in capitals, as the rules pages' "IL NUMERATORE", in lower
// case: a speech engine would spell a short one out letter by letter.
QString withoutCapitals(const QString &text);

// A line of a rules page with its signs read as words: "12 : 3 = 4" is
// "12 diviso 3 uguale a 4", "4 x 2" is "4 per 2", an arrow or a wide gap
// a pause.
QString spokenSigns(const QString &text);
