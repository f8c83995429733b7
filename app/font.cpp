// SPDX-License-Identifier: GPL-3.0-or-later

#include "font.h"

#include <QStringList>

QFont Font::toQFont(qreal zoom) const
{
    QFont font(family);
    font.setPointSizeF(points * zoom);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList {QStringLiteral("Liberation Sans"),
                                            QStringLiteral("Arimo"),
                                            QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               QStringList {QStringLiteral("Comic Neue"),
                                            QStringLiteral("Comic Relief"),
                                            QStringLiteral("DejaVu Sans")});
}
