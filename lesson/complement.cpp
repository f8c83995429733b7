// SPDX-License-Identifier: GPL-3.0-or-later

#include "complement.h"

#include "random.h"

ComplementTask drawComplement(Random &random, int maxDenominator)
{
    ComplementTask task;
    int valida = 0;
    do {
        valida = 0;
        task.num = random.draw(maxDenominator);
        task.den = random.draw(maxDenominator);
        if (task.den > task.num)
            valida = 1;
    } while (valida != 1);
    return task;
}

Judgement judge(const ComplementTask &task, const ComplementAnswer &answer)
{
    const int expected[] = {task.complement(), task.den, task.den, task.den};
    Judgement judgement;
    for (int box = ComplementNumerator; box <= WholeDenominator; ++box)
        judgement.right.push_back(matches(answer[box], expected[box]));
    if (!judgement.right[ComplementNumerator])
        judgement.step = Step::Numerator;
    else if (!judgement.right[ComplementDenominator])
        judgement.step = Step::Denominator;
    else if (!judgement.right[WholeNumerator] || !judgement.right[WholeDenominator])
        judgement.step = Step::Whole;
    return judgement;
}
