// SPDX-License-Identifier: GPL-3.0-or-later

// Renders each of the twelve screens and the teacher's window, as it looks right after loading, to
// OUTDIR/<screen>.png, at the program's zoom PERCENT (100 unless given). Run
// it with QT_QPA_PLATFORM=offscreen; set QT_SCALE_FACTOR=2 for the high-DPI
// look, --pad to show the typing exercises' number pad, --lim for the
// menu's names of its pictures, --aiuto N to press Conferma N times with
// nothing answered, which brings the help, --settings to read the
// teacher's settings files as the program does, and render the topics'
// screens too (a file that switches them on shows the menu's «Altre
// quotelle» and lists them on their choice screen); --muta turns on a voice
// whose speech service fails, for the notice that says so; --tavola shows
// the times table where a screen has one (F2). With
// --screenshots it renders the screens the AppStream metadata shows, under
// the names it lists them by:
//   QT_QPA_PLATFORM=offscreen build/tools/snapshot --screenshots packaging/screenshots
#include "application.h"
#include "numberpad.h"
#include "random.h"
#include "registry.h"
#include "screen.h"
#include "screens.h"
#include "settingsfile.h"
#include "topics.h"
#include "voice.h"
#include "zoom.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The metadata's screenshots, as packaging/screenshots/ holds them.
const std::pair<const char *, const char *> screenshots[] = {
    {"frmcalcolo", "fraction-of-a-number"},
    {"frmordine", "ordering"},
    {"frmregolecalcola", "rules-fraction-of-a-number"},
    {"frmregoleconfronto", "rules-comparing"},
    {"frminizio", "menu"},
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    QStringList arguments = QCoreApplication::arguments();
    const bool pad = arguments.removeAll(QStringLiteral("--pad")) > 0;
    const bool whiteboard = arguments.removeAll(QStringLiteral("--lim")) > 0;
    const bool mute = arguments.removeAll(QStringLiteral("--muta")) > 0;
    const bool timesTable = arguments.removeAll(QStringLiteral("--tavola")) > 0;
    int wrong = 0;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--aiuto"));
        at > 0 && at + 1 < arguments.size()) {
        wrong = arguments.at(at + 1).toInt();
        arguments.remove(at, 2);
    }
    const bool settings = arguments.removeAll(QStringLiteral("--settings")) > 0;
    const bool forMetadata =
        arguments.size() == 3 && arguments.at(1) == QLatin1String("--screenshots");
    const int percent = arguments.size() == 3 && !forMetadata ? arguments.at(2).toInt() : 100;
    if (arguments.size() < 2 || arguments.size() > 3 || percent < 100) {
        std::fprintf(stderr,
                     "usage: snapshot OUTDIR [PERCENT] [--pad] [--lim] [--muta] [--tavola]\n"
                     "                [--aiuto N] [--settings]\n"
                     "       snapshot --screenshots OUTDIR\n");
        return 2;
    }
    const QDir out(forMetadata ? arguments.at(2) : arguments.at(1));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;

    // Each screen to render, and the file it goes to.
    std::vector<std::pair<QString, QString>> files;
    if (forMetadata) {
        for (const auto &[screen, file] : screenshots)
            files.emplace_back(QLatin1String(screen), QLatin1String(file));
    } else {
        QStringList names = screenNames() + QStringList {teacherScreen()};
        if (settings) {
            names << topicsChoice() << topicScreenNames();
            names << topicsRulesPages();
        }
        for (const QString &name : names)
            files.emplace_back(name, name);
    }
    int failures = 0;
    for (const auto &[name, fileName] : files) {
        Registry registry;
        addScreens(registry);
        // The same tasks on every run, so that two builds' snapshots compare
        // pixel for pixel.
        registry.setRandom(std::make_unique<Random>(20261209));
        // With no window open yet every step is taken, however small the display.
        registry.zoom().upTo(percent);
        registry.pad().setShown(pad);
        registry.setWhiteboard(whiteboard);
        if (settings)
            registry.settingsFile().load();
        registry.setTimesTableAllowed(timesTable);
        if (mute) {
            registry.voice().setSpeakerFactory([](const std::function<void()> &failed) {
                // A speaker that says nothing, having told that it cannot.
                struct Silent : Speaker
                {
                    void say(const QString &) override { }
                    void stop() override { }
                };
                failed();
                return std::make_unique<Silent>();
            });
            registry.voice().setOn(true);
        }
        registry.show(name);
        Screen *screen = registry.screen(name);
        if (auto *conferma = screen
                ? screen->findChild<QPushButton *>(QStringLiteral("cmdconferma"))
                : nullptr) {
            for (int k = 0; k < wrong; ++k)
                conferma->click();
        }
        if (timesTable && screen) {
            QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
            QCoreApplication::sendEvent(screen, &f2);
        }
        QCoreApplication::processEvents();
        const QString file = out.filePath(fileName + QStringLiteral(".png"));
        if (!screen || !screen->grab().save(file)) {
            std::fprintf(stderr, "could not render %s\n", qPrintable(name));
            ++failures;
            continue;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return failures == 0 ? 0 : 1;
}
