// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include "accessibility.h"
#include "font.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <vector>

namespace {

// Fusion, drawing each push button with one shared copy of each distinct
// palette. Fusion caches a button's drawing under a key that holds its
// palette's identity, and every screen loaded builds fresh palettes: shared
// copies let those entries be reused instead of piling up for as long as the
// program runs.
class Style : public QProxyStyle
{
public:
    Style() : QProxyStyle(QStringLiteral("Fusion")) { }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (element != CE_PushButton || !button) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionButton shared = *button;
        shared.palette = sharedPalette(button->palette);
        QProxyStyle::drawControl(element, &shared, painter, widget);
    }

private:
    QPalette sharedPalette(const QPalette &palette) const
    {
        auto known = std::find(m_palettes.begin(), m_palettes.end(), palette);
        if (known == m_palettes.end())
            known = m_palettes.insert(known, palette);
        // Palettes compare equal whatever colour group they draw with, and a
        // disabled button draws with its disabled colours.
        QPalette shared = *known;
        shared.setCurrentColorGroup(palette.currentColorGroup());
        return shared;
    }

    mutable std::vector<QPalette> m_palettes;
};

} // namespace

void prepareApplication()
{
    // The same look on every desktop the program meets.
    QApplication::setStyle(new Style);
    // The registry decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
    // A steady text cursor: as easy to find in an answer box, and an
    // exercise left open for hours costs no CPU while nobody types.
    QApplication::setCursorFlashTime(0);
    installAccessibility();
}
