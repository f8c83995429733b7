// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include "accessibility.h"
#include "font.h"

#include <QApplication>
#include <QStyleFactory>

void prepareApplication()
{
    // The same look on every desktop the program meets.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The registry decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
    // A steady text cursor: as easy to find in an answer box, and an
    // exercise left open for hours costs no CPU while nobody types.
    QApplication::setCursorFlashTime(0);
    installAccessibility();
}
