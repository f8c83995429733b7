// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "registry.h"
#include "screens.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();

    Registry registry;
    addScreens(registry);
    QObject::connect(&registry, &Registry::ended, &app, &QCoreApplication::quit);
    registry.start();
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
