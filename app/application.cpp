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
    installAccessibility();
}
