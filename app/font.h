// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

// A font as the control tables give it: face, points (fractions kept), style.
struct Font
{
    QString family = QStringLiteral("MS Sans Serif");
    qreal points = 8;
    bool bold = false;
    bool italic = false;

    static Font sans(qreal points) { return {QStringLiteral("MS Sans Serif"), points}; }
    static Font comic(qreal points) { return {QStringLiteral("Comic Sans MS"), points}; }
    Font boldFace() const
    {
        Font f = *this;
        f.bold = true;
        return f;
    }
    Font italicFace() const
    {
        Font f = *this;
        f.italic = true;
        return f;
    }

    // At the program's zoom the points grow with every other length.
    QFont toQFont(qreal zoom = 1) const;
};

// The screens name the faces they were designed with; these map them onto
// faces of the same kind that a Linux machine has.
void installFontSubstitutes();
