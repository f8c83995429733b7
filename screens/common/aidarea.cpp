// SPDX-License-Identifier: GPL-3.0-or-later

#include "aidarea.h"

#include "picture.h"
#include "screen.h"

#include <QtMath>

#include <algorithm>
#include <optional>

namespace {

constexpr int gap = 90;

QSize inTwips(const QSize &pixels, qreal zoom)
{
    return {qCeil(pixels.width() * 15 / zoom), qCeil(pixels.height() * 15 / zoom)};
}

bool holds(const QRect &room, const QSize &size)
{
    return room.width() >= size.width() && room.height() >= size.height();
}

// The help above the times table, or beside it where the room is wide;
// one of them alone, in the whole room, when they must take turns.
AidPlaces helpAndTable(const QRect &room, const Aids &aids, const QSize &help, const QSize &table)
{
    AidPlaces places;
    if (aids.help && aids.table) {
        if (room.width() >= std::max(help.width(), table.width())
            && room.height() >= help.height() + gap + table.height()) {
            const int height = std::clamp((room.height() - gap) / 2, table.height(),
                                          room.height() - gap - help.height());
            places.table = room.adjusted(0, room.height() - height, 0, 0);
            places.help = room.adjusted(0, 0, 0, -height - gap);
            return places;
        }
        if (room.width() >= help.width() + gap + table.width()
            && room.height() >= std::max(help.height(), table.height())) {
            const int width = std::clamp((room.width() - gap) / 2, table.width(),
                                         room.width() - gap - help.width());
            places.table = room.adjusted(room.width() - width, 0, 0, 0);
            places.help = room.adjusted(0, 0, -width - gap, 0);
            return places;
        }
        places.turns = true;
        (aids.tableInFront ? places.table : places.help) = room;
        return places;
    }
    if (aids.help)
        places.help = room;
    else if (aids.table)
        places.table = room;
    return places;
}

// How well the help and the table fit: first whether every aid asked for
// shows at its smallest or more, no turns taken, then the larger room.
std::pair<int, qint64> fit(const AidPlaces &places, const Aids &aids, const QSize &help,
                           const QSize &table)
{
    int score = places.turns ? 0 : 1;
    if (aids.help && holds(places.help, help))
        ++score;
    if (aids.table && holds(places.table, table))
        ++score;
    const QRect room = places.help.united(places.table);
    return {score, qint64(room.width()) * room.height()};
}

bool complete(const AidPlaces &places, const Aids &aids, const QSize &help, const QSize &table)
{
    return fit(places, aids, help, table).first == 1 + int(aids.help) + int(aids.table);
}

// Keeps the keys within the room, where the room can hold them.
QRect within(QRect keys, const QRect &room)
{
    if (keys.bottom() > room.bottom())
        keys.moveBottom(room.bottom());
    if (keys.top() < room.top())
        keys.moveTop(room.top());
    if (keys.right() > room.right())
        keys.moveRight(room.right());
    if (keys.left() < room.left())
        keys.moveLeft(room.left());
    return keys;
}

AidPlaces placeIn(const QRect &room, const QRect &illustration, const Aids &aids, const QSize &help,
                  const QSize &table)
{
    if (aids.padKeys.isEmpty())
        return helpAndTable(room, aids, help, table);
    // The keys alone stand where the drawing was.
    QRect alone(QPoint(), aids.padKeys);
    const QRect drawing = room.intersected(illustration);
    alone.moveCenter(drawing.isEmpty() ? room.center() : drawing.center());
    alone = within(alone, room);
    if (!aids.help && !aids.table) {
        AidPlaces places;
        places.padKeys = alone;
        return places;
    }
    // The keys along one side of the room, the help and the table in the rest.
    std::optional<AidPlaces> best;
    for (const int columns : {3, 5}) {
        const QSize keys = columns == 3 ? aids.padKeys : aids.widePadKeys;
        if (!holds(room, keys))
            continue;
        const QRect sides[] = {
            {room.topRight() - QPoint(keys.width() - 1, 0), keys},
            {room.bottomLeft() - QPoint(0, keys.height() - 1), keys},
            {room.topLeft(), keys},
        };
        const QRect rests[] = {
            room.adjusted(0, 0, -keys.width() - gap, 0),
            room.adjusted(0, 0, 0, -keys.height() - gap),
            room.adjusted(0, keys.height() + gap, 0, 0),
        };
        for (int side = 0; side < 3; ++side) {
            AidPlaces places = helpAndTable(rests[side], aids, help, table);
            // Centred along its side.
            QRect placed = sides[side];
            if (side == 0)
                placed.moveTop(room.top() + (room.height() - keys.height()) / 2);
            else
                placed.moveLeft(room.left() + (room.width() - keys.width()) / 2);
            places.padColumns = columns;
            places.padKeys = placed;
            if (!best || fit(places, aids, help, table) > fit(*best, aids, help, table))
                best = places;
        }
    }
    if (best)
        return *best;
    // No side holds the keys: the help and the table lie over the pad.
    AidPlaces places = helpAndTable(room, aids, help, table);
    places.padKeys = alone;
    return places;
}

} // namespace

AidPlaces placeAids(const QRect &area, const QRect &illustration, const Aids &aids, qreal zoom)
{
    const QSize help = inTwips(smallestHelp, zoom);
    const QSize table = inTwips(smallestTable, zoom);
    // The illustration's rows first, so that a single aid takes the
    // drawing's place and leaves the rest of the screen as it was.
    const QRect home(area.left(), std::max(area.top(), illustration.top()), area.width(),
                     std::min(area.bottom(), illustration.bottom())
                         - std::max(area.top(), illustration.top()) + 1);
    if (home.height() > 0) {
        const AidPlaces places = placeIn(home, illustration, aids, help, table);
        if (complete(places, aids, help, table)
            && (places.padKeys.isNull() || home.contains(places.padKeys)))
            return places;
    }
    return placeIn(area, illustration, aids, help, table);
}

Picture *illustration(const Screen &screen)
{
    Picture *tallest = nullptr;
    for (Picture *picture : screen.findChildren<Picture *>(Qt::FindDirectChildrenOnly)) {
        if (!tallest
            || screen.designedRect(picture).height() > screen.designedRect(tallest).height())
            tallest = picture;
    }
    return tallest;
}

QRect formPlace(const QRect &area, const QSize &screen)
{
    if (area.center().x() > screen.width() / 2)
        return {240, 1320, area.left() - 360, 5640};
    return {area.right() + 120, 1320, screen.width() - area.right() - 360, 5640};
}
