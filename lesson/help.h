// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comparison.h"
#include "complement.h"
#include "diagram.h"
#include "fractionof.h"

#include <QString>
#include <QStringList>

#include <vector>

// A bar standing for a whole, cut into equal parts, some of them coloured:
// the bar model of an exercise book.
struct Bar
{
    int parts = 1;
    int coloured = 0;
    // What each part is marked with ("?", "20"); empty for nothing.
    QString partLabel;
    // What the whole stands for: "80", or the fraction "3/7".
    QString caption;
    // What the white parts are called when a drawing counts them, as when
    // they are too many to draw: their number unless the help asks it ("?").
    QString missingLabel;
};

// How the help draws its bars: each whole with its parts, or, for fractions
// that share their numerator and whose coloured lengths would look the
// same, one part of each, the longest as long as a bar, so that the
// difference shows.
enum class BarScale { Whole, OnePart };

// The help for a child who is stuck. Level 1 is a picture of the task and a
// question that guides without giving the result; level 2 the worked step.
struct Help
{
    int level = 0;
    std::vector<Bar> bars;
    BarScale scale = BarScale::Whole;
    QStringList lines;
    // The lines as they are read aloud, with fractions and signs in words.
    QString spoken;
    // The pair the help is about (from 0), for the screen to mark while the
    // help shows; -1 for none.
    int about = -1;
    // A picture that is not a row of bars, for the topics beyond the six.
    Diagram diagram = {};
};

// Two lengths a child tells apart at a glance differ by at least this share
// of a bar: the help's bars are never shorter than 120 px, so this is 6 px.
constexpr double visibleShare = 0.05;

// The level the help reaches after so many wrong answers to one task: none
// after the first, the picture after the second, the worked step after the
// third.
int helpLevel(int wrongAnswers);

// A written line read aloud: fractions as a teacher says them ("2/3" is
// "2 terzi"), then the signs as words.
QString spokenLine(QString line);

// A help from its written lines, each read aloud as a sentence with its
// fractions and signs in words; unspoken is a line not to read, as the
// check that the verdict says already.
Help makeHelp(int level, std::vector<Bar> bars, const QStringList &lines,
              const QString &unspoken = {});

// The help at a level for a task, about the first step or choice the last
// judgement found wrong (any, before the first answer).
Help help(const FractionOfTask &task, Step step, int level);
Help help(const ComplementTask &task, Step step, int level);
Help help(const SymbolTask &task, const Judgement &last, int level);
Help help(const LargestTask &task, int level);
Help help(const OrderTask &task, int level);

// "una barra divisa in 4 parti uguali, 3 colorate", for a screen reader.
QString describe(const Bar &bar);

// What a wrong answer asks to check again, spoken after the verdict:
// "Controlla la divisione."; empty when no step is named.
QString checkPhrase(Step step);
