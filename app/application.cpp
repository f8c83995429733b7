// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include "accessibility.h"
#include "font.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
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

// The context's strings are the caller's literals, which outlive it.
struct HeldMessage
{
    QtMsgType type;
    const char *file;
    int line;
    const char *function;
    const char *category;
    QString text;
};

std::vector<HeldMessage> &heldMessages()
{
    static std::vector<HeldMessage> held;
    return held;
}

QtMessageHandler &previousHandler()
{
    static QtMessageHandler previous = nullptr;
    return previous;
}

// Why no display was found, in words a teacher can act on.
QString missingDisplay()
{
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty() && wayland.isEmpty())
        return QStringLiteral("questa sessione non ha un desktop (la variabile DISPLAY è vuota); "
                              "avvia il programma dal desktop");
    return QStringLiteral("il desktop «%1» non risponde")
        .arg(QString::fromLocal8Bit(display.isEmpty() ? wayland : display));
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs(
            qPrintable(
                QStringLiteral("quotelle: Non trovo lo schermo: %1.\n").arg(missingDisplay())),
            stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages().push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

} // namespace

void holdDisplayMessages()
{
    previousHandler() = qInstallMessageHandler(holdMessage);
}

void releaseDisplayMessages()
{
    qInstallMessageHandler(previousHandler());
    for (const HeldMessage &message : std::exchange(heldMessages(), {})) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
}

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
