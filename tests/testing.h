// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "random.h"
#include "registry.h"
#include "screen.h"
#include "screens.h"

#include <QLabel>
#include <QString>
#include <QWidget>

#include <deque>
#include <memory>

// A generator that plays back the values a test wants, so that a test sets
// up any task exactly. Seeding counts how often a screen seeds it. Once the
// script has run out it plays real random values and counts them, so that a
// test that queued too few values fails instead of hanging in a draw loop.
// A strict script stops the suite there instead.
class ScriptedRandom : public Random
{
public:
    void reseed() override
    {
        ++seeds;
        m_real.reseed();
    }
    float next() override;

    // Queues the value that makes draw(n) give k.
    ScriptedRandom &then(int k, int n);
    ScriptedRandom &thenValue(float r);

    bool exhausted() const { return m_values.empty(); }
    int underruns() const { return m_underruns; }

    int seeds = 0;
    bool strict = false;

private:
    std::deque<float> m_values;
    int m_underruns = 0;
    Random m_real;
};

// A registry that knows every screen, as the program has it.
std::unique_ptr<Registry> makeRegistry();

// Hands the registry a scripted generator and returns it.
ScriptedRandom &script(Registry &registry);

// Sets the zoom before any screen is loaded, when every step is taken.
void zoomTo(Registry &registry, int percent);

// Deletes the screens that were unloaded, once the next is on the display.
void flushUnloaded();

// The loaded screen of that name as its class, or null.
template<typename T>
T *loadedAs(const Registry &registry, const QString &name)
{
    return qobject_cast<T *>(registry.screen(name));
}

// The named control of a screen, or null when it has none.
template<typename T>
T *control(QWidget *screen, const char *name)
{
    return screen ? screen->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}

// The control that Tab moves the focus to from this one.
QWidget *nextFocusable(QWidget *control);

// What every exercise suite shares: each test opens its screen in a registry
// of its own, and Conferma may be pressed faster than any child can; what a
// double click does is tested on its own.
class ExerciseTest : public QObject
{
    Q_OBJECT

protected:
    // A new registry for this test, with a scripted generator to queue the
    // screen's draws on.
    ScriptedRandom &freshScript()
    {
        registry = makeRegistry();
        return script(*registry);
    }
    ScriptedRandom &scripted() const { return static_cast<ScriptedRandom &>(registry->random()); }

    // Shows the screen and returns it as its class.
    template<typename T>
    T *show(const QString &name)
    {
        registry->show(name);
        return loadedAs<T>(*registry, name);
    }

    // The screen's verdict label, lblmess.
    static QLabel *message(QWidget *screen) { return control<QLabel>(screen, "lblmess"); }

    std::unique_ptr<Registry> registry;

protected slots:
    void initTestCase();
    void cleanup();
};
