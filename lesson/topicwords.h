// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "decimal.h"
#include "fractiontowhole.h"
#include "help.h"
#include "percent.h"

// The words of the topics a teacher switches on: each task as it is read
// aloud, and its help, level 1 the picture and a guiding question, level 2
// the worked step, about the step the last judgement found wrong.

// The start of the task's sentence before the fraction and after it: «I»
// and «di un numero sono», «Gli» before an eight, and for a numerator of
// one no article and «di un numero è».
QString taskArticle(int numerator);
QString taskVerb(int numerator);

// «I 3 quarti di un numero sono 60.», «Un terzo di un numero è 20.»
QString spokenTask(const FractionToWholeTask &task);
// «trentasette centesimi», «zero virgola sette: quanti decimi?»
QString spokenTask(const DecimalTask &task);
// «25 per cento di 80», «25 per cento: quanti centesimi? E quanti quarti?»
QString spokenTask(const PercentTask &task);

Help help(const FractionToWholeTask &task, Step step, int level);
Help help(const DecimalTask &task, Step step, int level);
Help help(const PercentTask &task, Step step, int level);

// A written line of these helps read aloud: decimal numbers and decimal
// fractions in words, «%» as «per cento», the other fractions and the signs
// as the six exercises' helps say them.
QString spokenTopicLine(const QString &line);
