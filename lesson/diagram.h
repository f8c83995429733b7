// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <variant>

// The bar model of a fraction worked backwards: the whole cut into equal
// parts, the coloured ones together worth a number under a brace, the
// whole marked with what it is worth, or «?».
struct PartsBar
{
    int parts = 1;
    int coloured = 0;
    // What each part is marked with ("?", "20").
    QString partLabel;
    QString colouredLabel;
    QString wholeLabel;
};

// The place-value table of a decimal number below ten: its digits under
// unità, decimi, centesimi and millesimi, the comma after the units; an
// empty cell where the number has no digit.
struct PlaceValueTable
{
    std::array<QString, 4> digits;
};

// The hundred-square: a hundred cells, as many coloured, row by row, as the
// percentage says.
struct HundredSquare
{
    int coloured = 0;
};

using Diagram = std::variant<std::monostate, PartsBar, PlaceValueTable, HundredSquare>;

// The headings of the place-value table, as written over its columns and
// as said.
const std::array<QString, 4> &placeNames();
const std::array<QString, 4> &placeWords();

// What a diagram shows, for a screen reader; empty for none.
QString describe(const Diagram &diagram);
