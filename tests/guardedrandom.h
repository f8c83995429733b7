// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "testing.h"

// A scripted generator that cannot leave a draw loop spinning: once the
// script has run out it plays real random values and counts them, so a test
// that queued too few values fails instead of hanging.
class GuardedRandom : public ScriptedRandom
{
public:
    void seedFromClock() override
    {
        ScriptedRandom::seedFromClock();
        m_real.seedFromClock();
    }
    float next() override
    {
        if (!exhausted())
            return ScriptedRandom::next();
        ++unscripted;
        return m_real.next();
    }

    int unscripted = 0;

private:
    Random m_real;
};

// Hands the registry a guarded scripted generator and returns it.
inline GuardedRandom &guard(Registry &registry)
{
    auto guarded = std::make_unique<GuardedRandom>();
    GuardedRandom &handle = *guarded;
    registry.setRandom(std::move(guarded));
    return handle;
}
