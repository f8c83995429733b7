// SPDX-License-Identifier: GPL-3.0-or-later

// In-process figures for the benchmark, on Qt's offscreen platform:
// - Show of each screen (built, loaded and painted) and its Unload (hidden
//   and deleted), medians in ms;
// - the check of each exercise, a click() on its cmdconferma, median in ms;
// - the second wrong check of each exercise until its help is painted,
//   median in ms;
// - the CPU an exercise uses while it sits open with tmrtempo ticking, as a
//   share of one core;
// all at the program's zoom PERCENT (100 unless given).
//   transitions [RUNS] [IDLE_SECONDS] [PERCENT]
#include "application.h"
#include "registry.h"
#include "screen.h"
#include "screens.h"
#include "zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

const QString menu = QStringLiteral("frminizio");

const QStringList screens = screenNames();

const QStringList exercises = screenNames(Kind::Exercise);

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double elapsedMs(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The CPU time this process has used, all threads, to the nanosecond (the
// kernel's tick counts in /proc would only see 10 ms steps).
double cpuSeconds()
{
    timespec ts {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = arguments.size() > 1 ? arguments.at(1).toInt() : 21;
    const int idleSeconds = arguments.size() > 2 ? arguments.at(2).toInt() : 60;
    const int percent = arguments.size() > 3 ? arguments.at(3).toInt() : 100;

    Registry registry;
    addScreens(registry);
    // With no window open yet every step is taken, however small the display.
    registry.zoom().upTo(percent);
    std::printf("zoom %d %%\n", registry.zoom().percent());
    // The first showing of the menu pays for what start-up loads once.
    QElapsedTimer cold;
    cold.start();
    registry.start();
    settle();
    std::printf("first Show of the menu, cold: %.2f ms\n\n", elapsedMs(cold));

    std::printf("%-24s %10s %10s\n", "screen", "Show ms", "Unload ms");
    for (const QString &name : screens) {
        std::vector<double> shows;
        std::vector<double> unloads;
        for (int run = 0; run < runs; ++run) {
            // The menu is measured on its own; any other screen with the menu open.
            if (name == menu) {
                registry.show(QStringLiteral("frmregolecalcola"));
                QElapsedTimer timer;
                timer.start();
                registry.unload(menu);
                settle();
                unloads.push_back(elapsedMs(timer));
                timer.restart();
                registry.show(menu);
                settle();
                shows.push_back(elapsedMs(timer));
                registry.unload(QStringLiteral("frmregolecalcola"));
                settle();
                continue;
            }
            QElapsedTimer timer;
            timer.start();
            registry.show(name);
            settle();
            shows.push_back(elapsedMs(timer));
            timer.restart();
            registry.unload(name);
            settle();
            unloads.push_back(elapsedMs(timer));
        }
        std::printf("%-24s %10.2f %10.2f\n", qPrintable(name), median(shows), median(unloads));
    }

    std::printf("\n%-24s %10s\n", "exercise", "check ms");
    for (const QString &name : exercises) {
        registry.show(name);
        settle();
        auto *check =
            registry.screen(name)->findChild<QAbstractButton *>(QStringLiteral("cmdconferma"));
        if (!check) {
            std::printf("%-24s %10s\n", qPrintable(name), "n/a");
        } else {
            std::vector<double> checks;
            for (int run = 0; run < 1001; ++run) {
                QElapsedTimer timer;
                timer.start();
                check->click();
                checks.push_back(elapsedMs(timer));
                if (run % 50 == 0)
                    settle();
            }
            std::printf("%-24s %10.4f\n", qPrintable(name), median(checks));
        }
        registry.unload(name);
        settle();
    }

    std::printf("\n%-24s %10s\n", "exercise", "help ms");
    for (const QString &name : exercises) {
        std::vector<double> helps;
        for (int run = 0; run < 51; ++run) {
            registry.show(name);
            settle();
            auto *check =
                registry.screen(name)->findChild<QAbstractButton *>(QStringLiteral("cmdconferma"));
            check->click();
            QElapsedTimer timer;
            timer.start();
            check->click();
            if (auto *help = registry.screen(name)->findChild<QWidget *>(QStringLiteral("aiuto")))
                help->repaint();
            helps.push_back(elapsedMs(timer));
            registry.unload(name);
            settle();
        }
        std::printf("%-24s %10.3f\n", qPrintable(name), median(helps));
    }

    // Idle: the exercise open, a verdict shown and tmrtempo ticking.
    const QString idle = QStringLiteral("frmcalcolo");
    registry.show(idle);
    registry.unload(menu);
    settle();
    Screen *screen = registry.screen(idle);
    auto *tmrtempo = screen->findChild<QTimer *>(QStringLiteral("tmrtempo"));
    auto *lblmess = screen->findChild<QLabel *>(QStringLiteral("lblmess"));
    if (tmrtempo && lblmess) {
        lblmess->setText(QStringLiteral("Bravo!"));
        tmrtempo->start();
    }
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(idleSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double used = cpuSeconds() - cpuBefore;
    std::printf("\nidle %s for %d s%s: %.3f %% of a core\n", qPrintable(idle), idleSeconds,
                tmrtempo && lblmess ? ", tmrtempo ticking" : " (no lblmess yet: timer not started)",
                100.0 * used / (static_cast<double>(wall.nsecsElapsed()) / 1e9));
    registry.end();
    settle();
    return 0;
}
