// SPDX-License-Identifier: GPL-3.0-or-later

#include "random.h"

#include <chrono>
#include <cmath>

void Random::reseed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(m_seed.value_or(static_cast<std::mt19937::result_type>(ticks)));
}

float Random::next()
{
    return unitFromBits(static_cast<std::uint32_t>(m_engine()));
}

float Random::unitFromBits(std::uint32_t bits)
{
    // 24 bits fill a float's mantissa exactly, from 0 up to the largest float
    // below 1. std::uniform_real_distribution<float> may round up to 1.0,
    // which would turn draw(n) into n + 1.
    return static_cast<float>(bits >> 8) * 0x1p-24f;
}

int Random::draw(int n)
{
    return static_cast<int>(std::floor(static_cast<double>(next()) * n + 1.0));
}
