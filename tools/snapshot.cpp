// SPDX-License-Identifier: GPL-3.0-or-later

// Renders each of the twelve screens, as it looks right after loading, to
// OUTDIR/<screen>.png, at the program's zoom PERCENT (100 unless given). Run
// it with QT_QPA_PLATFORM=offscreen; set QT_SCALE_FACTOR=2 for the high-DPI
// look.
#include "application.h"
#include "random.h"
#include "registry.h"
#include "screen.h"
#include "screens.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    const QStringList arguments = QCoreApplication::arguments();
    const int percent = arguments.size() == 3 ? arguments.at(2).toInt() : 100;
    if (arguments.size() < 2 || arguments.size() > 3 || percent < 100) {
        std::fprintf(stderr, "usage: snapshot OUTDIR [PERCENT]\n");
        return 2;
    }
    const QDir out(arguments.at(1));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;

    const QStringList names = screenNames();
    int failures = 0;
    for (const QString &name : names) {
        Registry registry;
        addScreens(registry);
        // The same tasks on every run, so that two builds' snapshots compare
        // pixel for pixel.
        registry.setRandom(std::make_unique<Random>(20261209));
        // With no window open yet every step is taken, however small the display.
        while (registry.zoom() < percent) {
            const int before = registry.zoom();
            registry.zoomIn();
            if (registry.zoom() == before)
                break;
        }
        registry.show(name);
        Screen *screen = registry.screen(name);
        QCoreApplication::processEvents();
        const QString file = out.filePath(name + QStringLiteral(".png"));
        if (!screen || !screen->grab().save(file)) {
            std::fprintf(stderr, "could not render %s\n", qPrintable(name));
            ++failures;
            continue;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return failures == 0 ? 0 : 1;
}
