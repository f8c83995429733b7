// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>

class Picture;
class Screen;

// The aids an exercise shows at a moment, as the aid area is to hold them.
struct Aids
{
    // The pad's keys, in twips, in rows of three and in rows of five; an
    // empty size where the pad does not show.
    QSize padKeys;
    QSize widePadKeys;
    bool help = false;
    bool table = false;
    // Which of the help and the times table was last asked for: it is the
    // one that shows when the two must take turns.
    bool tableInFront = false;
};

// Where each aid goes, in twips on the screen; an empty rectangle for an
// aid that does not show, or waits for its turn.
struct AidPlaces
{
    int padColumns = 3;
    QRect padKeys;
    QRect help;
    QRect table;
    // The help and the times table share one place: the one in front shows.
    bool turns = false;
};

// The smallest help and times table worth showing, in pixels on the
// display: a help whose bars and numbers can be read, a table whose
// digits can be read from the back of the class.
inline constexpr QSize smallestHelp {240, 150};
inline constexpr QSize smallestTable {300, 220};

// Places the aids within area, the room the exercise keeps for them, at a
// zoom: first within the illustration's rows, else anywhere in the area.
// Where they do not all fit at their smallest, the help and the times table
// take turns rather than shrink.
AidPlaces placeAids(const QRect &area, const QRect &illustration, const Aids &aids, qreal zoom);

// The screen's illustration, its tallest picture; an aid that lies on it
// hides it, so that no odd piece of the drawing shows around the aids.
Picture *illustration(const Screen &screen);

// Where the teacher's form lies: over the task, beside the aid area, so
// that the pad and the aids stay in sight and in reach while it is open.
QRect formPlace(const QRect &area, const QSize &screen);
