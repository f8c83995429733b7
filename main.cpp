// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "commandline.h"
#include "numberpad.h"
#include "registry.h"
#include "screens.h"
#include "voice.h"
#include "zoom.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto status = prepareStart(argc, argv))
        return *status;
    QApplication app(argc, argv);
    const CommandLine options = parseCommandLine(QCoreApplication::arguments());
    if (options.action != CommandLine::Action::Run)
        return options.reply();
    prepareApplication();

    Registry registry;
    addScreens(registry);
    registry.voice().setOn(options.isSet(QStringLiteral("voce")));
    registry.setTimesTableAllowed(options.isSet(QStringLiteral("tavola")));
    QObject::connect(&registry, &Registry::ended, &app, &QCoreApplication::quit);
    // At the whiteboard: as large as the display allows, the pad on the
    // exercises. Nothing of it is kept for the next start.
    if (options.isSet(QStringLiteral("lim"))) {
        registry.zoom().fillDisplay();
        registry.pad().setShown(true);
        registry.setWhiteboard(true);
    }
    registry.start();
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
