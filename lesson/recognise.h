// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fraction.h"
#include "help.h"
#include "judgement.h"

#include <QString>

#include <array>
#include <vector>

class Random;

// Read the fraction a shape shows coloured, or colour the fraction given;
// the two take turns.
enum class RecogniseKind { Read, Colour };
// A rectangle in strips, a circle in sectors, or a grid, which cuts evenly
// only into 4, 6, 8, 9, 10 or 12 cells.
enum class PartsShape { Strips, Sectors, Grid };

bool gridCuts(int parts);

struct RecogniseTask
{
    RecogniseKind kind = RecogniseKind::Read;
    PartsShape shape = PartsShape::Strips;
    Fraction fraction;
};

// Every shape cut into 2 to 12 parts, as far as maxDenominator, with 1 to
// all of them coloured.
std::vector<RecogniseTask> recogniseTasks(RecogniseKind kind, int maxDenominator);
// One of them, each as likely.
RecogniseTask drawRecognise(Random &random, RecogniseKind kind, int maxDenominator = 99);

// Reading: the numerator's box and the denominator's.
using RecogniseAnswer = std::array<QString, 2>;
Judgement judge(const RecogniseTask &task, const RecogniseAnswer &answer);
// Colouring: any parts, as many as the numerator says.
Judgement judgeColoured(const RecogniseTask &task, int coloured);

// The help counts the parts with the child: level 1 says what each term
// counts, level 2 counts them; colouring, it says how many to add or take
// away from those coloured now.
Help help(const RecogniseTask &task, Step step, int level, int coloured);

// "Che frazione è colorata? Un cerchio diviso in 8 parti uguali, 3 colorate."
QString spokenTask(const RecogniseTask &task);
