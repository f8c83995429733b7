// SPDX-License-Identifier: GPL-3.0-or-later

#include "fractionof.h"

#include "random.h"

FractionOfTask drawFractionOf(Random &random, const FractionOfRange &range)
{
    FractionOfTask task;
    int cont = 0;
    do {
        cont = 0;
        task.sris = random.draw(range.quotients);
        task.num = random.draw(9);
        task.den = random.draw(9);
        if (task.sris * task.den < range.limit)
            ++cont;
        if (task.num < task.den)
            ++cont;
    } while (cont != 2);
    return task;
}

Judgement judgeWrittenSteps(const std::array<int, 7> &expected, const FractionOfAnswer &answer)
{
    Judgement judgement;
    for (int box = Dividend; box <= Result; ++box)
        judgement.right.push_back(matches(answer[box], expected[box]));
    // A product is the same whichever factor comes first: the two factors,
    // and only they, are right in either order.
    if (matches(answer[FirstFactor], expected[SecondFactor])
        && matches(answer[SecondFactor], expected[FirstFactor]))
        judgement.right[FirstFactor] = judgement.right[SecondFactor] = true;
    const auto wrong = [&judgement](int from, int to) {
        return !std::all_of(judgement.right.begin() + from, judgement.right.begin() + to + 1,
                            [](bool r) { return r; });
    };
    if (wrong(Dividend, Quotient))
        judgement.step = Step::Division;
    else if (wrong(FirstFactor, Product))
        judgement.step = Step::Multiplication;
    else if (wrong(Result, Result))
        judgement.step = Step::Result;
    return judgement;
}

Judgement judge(const FractionOfTask &task, const FractionOfAnswer &answer)
{
    return judgeWrittenSteps(
        {task.whole(), task.den, task.sris, task.sris, task.num, task.ris(), task.ris()}, answer);
}
