// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <random>

// The exercises' dice. next() gives a single-precision value in [0, 1);
// draw(n) turns it into a whole number from 1 to n as Int(r * n + 1).
class Random
{
public:
    // Seeded from the clock at every loading of an exercise screen.
    Random() = default;
    // Seeded with the same number at every loading, so that a tool or a test
    // sees the same tasks on every run.
    explicit Random(std::uint32_t seed) : m_seed(seed) { }
    virtual ~Random() = default;

    // Called at every loading of an exercise screen.
    virtual void reseed();
    virtual float next();

    int draw(int n);

    // The float made from the top 24 of 32 random bits: exact, and never 1.
    static float unitFromBits(std::uint32_t bits);

private:
    std::optional<std::uint32_t> m_seed;
    std::mt19937 m_engine;
};
