// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharedterm.h"

#include "random.h"

#include <algorithm>
#include <set>

SharedTermTask drawSharedTerm(Random &random, int count, int maxValue)
{
    SharedTermTask task;
    task.tipo = random.draw(2);
    task.varying.resize(count);
    const auto proper = [&task](int value) {
        return task.tipo == 1 ? value > task.shared : value < task.shared;
    };
    do {
        task.shared = random.draw(maxValue);
        for (int &value : task.varying)
            value = random.draw(maxValue);
    } while (!std::all_of(task.varying.begin(), task.varying.end(), proper)
             || std::set<int>(task.varying.begin(), task.varying.end()).size()
                 != task.varying.size());
    return task;
}
