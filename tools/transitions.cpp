// In-process figures for the benchmark, on Qt's offscreen platform:
// - Show of each screen (built, loaded and painted) and its Unload (hidden
//   and deleted), medians in ms;
// - the check of each exercise, a click() on its cmdconferma, median in ms;
// - the CPU an exercise uses while it sits open with tmrtempo ticking, as a
//   share of one core, from /proc/self/stat.
//   transitions [RUNS] [IDLE_SECONDS]
#include "application.h"
#include "registry.h"
#include "screen.h"
#include "screens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const QString menu = QStringLiteral("frminizio");

const QStringList screens = screenNames();

const QStringList exercises = {QStringLiteral("frmcalcolo99"),     QStringLiteral("frmcalcolo"),
                               QStringLiteral("frmcomplementare"), QStringLiteral("frmsimbolo"),
                               QStringLiteral("frmmax"),           QStringLiteral("frmordine")};

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

// utime + stime of this process, in clock ticks.
long cpuTicks()
{
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    long utime = 0;
    long stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15)
            stime = std::stol(field);
    }
    return utime + stime;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = arguments.size() > 1 ? arguments.at(1).toInt() : 21;
    const int idleSeconds = arguments.size() > 2 ? arguments.at(2).toInt() : 60;

    Registry registry;
    addScreens(registry);
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
    const long ticksBefore = cpuTicks();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(idleSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpuSeconds =
        static_cast<double>(cpuTicks() - ticksBefore) / static_cast<double>(sysconf(_SC_CLK_TCK));
    std::printf("\nidle %s for %d s%s: %.3f %% of a core\n", qPrintable(idle), idleSeconds,
                tmrtempo && lblmess ? ", tmrtempo ticking" : " (no lblmess yet: timer not started)",
                100.0 * cpuSeconds / (static_cast<double>(wall.nsecsElapsed()) / 1e9));
    registry.end();
    settle();
    return 0;
}
