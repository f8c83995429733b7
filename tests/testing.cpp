// SPDX-License-Identifier: GPL-3.0-or-later

#include "testing.h"

#include "zoom.h"

#include "screens.h"

#include "application.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

float ScriptedRandom::next()
{
    if (m_values.empty()) {
        if (strict)
            qFatal("the scripted draws ran out");
        ++m_underruns;
        return m_real.next();
    }
    const float value = m_values.front();
    m_values.pop_front();
    return value;
}

ScriptedRandom &ScriptedRandom::then(int k, int n)
{
    return thenValue((static_cast<float>(k) - 0.5f) / static_cast<float>(n));
}

ScriptedRandom &ScriptedRandom::thenValue(float r)
{
    m_values.push_back(r);
    return *this;
}

std::unique_ptr<Registry> makeRegistry()
{
    auto registry = std::make_unique<Registry>();
    addScreens(*registry);
    return registry;
}

ScriptedRandom &script(Registry &registry)
{
    auto scripted = std::make_unique<ScriptedRandom>();
    ScriptedRandom &handle = *scripted;
    registry.setRandom(std::move(scripted));
    return handle;
}

void zoomTo(Registry &registry, int percent)
{
    registry.zoom().reset();
    registry.zoom().upTo(percent);
}

void flushUnloaded()
{
    // Those of a registry that is gone first, before they see another event;
    // the others go once the next screen is exposed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget *nextFocusable(QWidget *control)
{
    for (QWidget *next = control->nextInFocusChain(); next != control;
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled()
            && next->isVisibleTo(next->window()))
            return next;
    }
    return control;
}

void ExerciseTest::initTestCase()
{
    prepareApplication();
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
}

void ExerciseTest::cleanup()
{
    registry.reset();
    flushUnloaded();
}
