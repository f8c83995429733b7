// SPDX-License-Identifier: GPL-3.0-or-later

// Memory over a long day: thousands of trips between the menu and the other
// screens, and exercises left open with their timer ticking, leave the
// resident set where it was. tourOfEveryScreen is also the scripted tour that
// CTest runs under valgrind's memcheck.
#include "application.h"
#include "screens.h"
#include "testing.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <malloc.h>
#include <unistd.h>

#include <fstream>

#if defined(__SANITIZE_ADDRESS__)
#define QUOTELLE_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUOTELLE_SANITIZED 1
#endif
#endif

namespace {

const QString menu = QStringLiteral("frminizio");

// Under the sanitizers the resident set says nothing (their own bookkeeping
// grows it), so only what they check needs the trips: every screen many
// times over, not a school day's worth.
#ifdef QUOTELLE_SANITIZED
constexpr int trips = 500;
constexpr int ticks = 100;
#else
constexpr int trips = 10000;
// An hour of a 3000 ms timer.
constexpr int ticks = 3600 * 1000 / 3000;
#endif

// Every screen the menu leads to, directly or through a choice screen.
const QStringList others = screenNames().mid(1);

const QStringList exercises = screenNames(Kind::Exercise);

// Growth allowed after the warm-up: well above allocator noise, far below
// what a leak of one screen per trip would add over thousands of trips.
constexpr long allowedGrowth = 1024 * 1024;

long residentBytes()
{
    // Free memory the allocator still holds is not a leak: hand it back first.
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Lets the shown screens paint and deletes the unloaded ones.
void settle()
{
    QCoreApplication::processEvents();
    flushUnloaded();
}

// Menu → screen → menu, as the menu's buttons and the screen's "&Fine" do it.
void roundTrip(Registry &registry, const QString &name)
{
    registry.show(name);
    registry.unload(menu);
    settle();
    registry.show(menu);
    registry.unload(name);
    settle();
}

// One tick of tmrtempo exactly as its period ending delivers it.
void tick(QTimer *timer)
{
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

// Ticks an exercise's timer as an hour's worth of its 3 s period would, with
// a verdict shown before each tick, and leaves the screen painted.
void keepTicking(QWidget *screen, int ticks)
{
    auto *timer = control<QTimer>(screen, "tmrtempo");
    auto *message = control<QLabel>(screen, "lblmess");
    QVERIFY(timer);
    QVERIFY(message);
    timer->start();
    for (int i = 0; i < ticks; ++i) {
        message->setText(QStringLiteral("Bravo!"));
        tick(timer);
        QCoreApplication::processEvents();
        QVERIFY(message->text().isEmpty());
    }
    timer->stop();
}

} // namespace

class MemoryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }
    void cleanup() { flushUnloaded(); }

    void roundTripsKeepMemoryFlat()
    {
        auto registry = makeRegistry();
        registry->start();
        settle();
        for (int round = 0; round < 3; ++round)
            for (const QString &name : others)
                roundTrip(*registry, name);
        const long before = residentBytes();

        for (int trip = 0; trip < trips; ++trip) {
            roundTrip(*registry, others.at(trip % others.size()));
            QCOMPARE(registry->loaded(), QStringList {menu});
        }
        const long growth = residentBytes() - before;
        qInfo("resident set after %d round trips: %+ld bytes", trips, growth);
#ifndef QUOTELLE_SANITIZED
        QVERIFY2(growth < allowedGrowth, qPrintable(QString::number(growth)));
#endif
    }

    void tickingTimerKeepsMemoryFlat()
    {
        for (const QString &name : exercises) {
            auto registry = makeRegistry();
            registry->show(name);
            settle();
            QWidget *screen = registry->screen(name);
            QVERIFY(screen);
            keepTicking(screen, 50);
            const long before = residentBytes();
            keepTicking(screen, ticks);
            const long growth = residentBytes() - before;
            qInfo("%s, resident set after an hour of ticks: %+ld bytes", qPrintable(name), growth);
#ifndef QUOTELLE_SANITIZED
            QVERIFY2(growth < allowedGrowth, qPrintable(name + QString::number(growth)));
#endif
            registry->end();
            settle();
        }
    }

    // Every screen once, used as a child would: typing, the check, the
    // timer, back to the menu; Esc on the menu ends it all.
    void tourOfEveryScreen()
    {
        auto registry = makeRegistry();
        registry->start();
        settle();
        for (const QString &name : others) {
            registry->show(name);
            registry->unload(menu);
            settle();
            QWidget *screen = registry->screen(name);
            QVERIFY(screen);
            const auto boxes = screen->findChildren<QLineEdit *>();
            for (QLineEdit *box : boxes)
                QTest::keyClicks(box, QStringLiteral("3/4 e"));
            if (auto *check = control<QAbstractButton>(screen, "cmdconferma"))
                check->click();
            auto *timer = control<QTimer>(screen, "tmrtempo");
            if (timer && control<QLabel>(screen, "lblmess")) {
                timer->start();
                tick(timer);
            }
            settle();
            QTest::keyClick(screen, Qt::Key_Escape);
            settle();
            if (registry->screen(name)) {
                registry->show(menu);
                registry->unload(name);
                settle();
            }
            QCOMPARE(registry->loaded(), QStringList {menu});
        }
        QTest::keyClick(registry->screen(menu), Qt::Key_Escape);
        settle();
        QVERIFY(registry->hasEnded());
        QVERIFY(registry->loaded().isEmpty());
    }
};

QTEST_MAIN(MemoryTest)
#include "tst_memory.moc"
