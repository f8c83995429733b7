// SPDX-License-Identifier: GPL-3.0-or-later

#include "fractiontowhole.h"

FractionToWholeTask drawFractionToWhole(Random &random, const FractionOfRange &range)
{
    const FractionOfTask drawn = drawFractionOf(random, range);
    return {drawn.num, drawn.den, drawn.sris};
}

Judgement judge(const FractionToWholeTask &task, const FractionOfAnswer &answer)
{
    return judgeWrittenSteps(
        {task.known(), task.num, task.part, task.part, task.den, task.whole(), task.whole()},
        answer);
}
