// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <map>

// The largest chi-square statistic over `cells` equally likely outcomes that
// a fair draw reaches with probability about 3 in 10 million: the 5-sigma
// point of the Wilson-Hilferty normal approximation, which holds well when
// every cell expects a few dozen hits.
inline double chiSquareLimit(int cells)
{
    constexpr double sigmas = 5.0;
    const double k = cells - 1;
    const double spread = 2.0 / (9.0 * k);
    return k * std::pow(1.0 - spread + sigmas * std::sqrt(spread), 3);
}

// Pearson's statistic of observed counts against equal expectation over
// `cells` outcomes; outcomes never seen count as zero.
template<typename Key>
double chiSquare(const std::map<Key, int> &counts, int cells, int draws)
{
    const double expected = double(draws) / cells;
    double sum = 0;
    for (const auto &[key, count] : counts)
        sum += (count - expected) * (count - expected) / expected;
    sum += (cells - int(counts.size())) * expected;
    return sum;
}
