// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "commandline.h"
#include "numberpad.h"
#include "registry.h"
#include "screens.h"
#include "settingsfile.h"
#include "voice.h"
#include "zoom.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (const auto status = prepareStart(argc, argv))
        return *status;
    holdDisplayMessages();
    QApplication app(argc, argv);
    releaseDisplayMessages();
    const CommandLine options = parseCommandLine(QCoreApplication::arguments());
    if (options.action != CommandLine::Action::Run)
        return options.reply();
    prepareApplication();

    Registry registry;
    addScreens(registry);
    QObject::connect(&registry, &Registry::ended, &app, &QCoreApplication::quit);
    // The teacher's choices, and over them what this start asks for.
    SettingsFile &settings = registry.settingsFile();
    settings.load();
    for (const QString &problem : settings.problems())
        std::fputs(qPrintable(problem + QLatin1Char('\n')), stderr);
    for (const auto &[option, key] :
         {std::pair {"voce", "aiuti/voce"}, std::pair {"lim", "aiuti/lim"},
          std::pair {"tavola", "aiuti/tavola_pitagorica"}}) {
        if (options.isSet(QLatin1String(option)))
            settings.setOption(QLatin1String(key), QStringLiteral("si"));
    }
    // A teacher's window the lab has hidden is refused on the menu, with a word.
    const bool teacher = options.isSet(QStringLiteral("impostazioni"));
    if (teacher && settings.settings().teacherWindow())
        registry.setHome(teacherScreen());
    registry.start();
    if (teacher && !settings.settings().teacherWindow())
        registry.show(teacherScreen());
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
