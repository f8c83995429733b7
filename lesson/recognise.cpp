// SPDX-License-Identifier: GPL-3.0-or-later

#include "recognise.h"

#include "random.h"
#include "spoken.h"

namespace {

constexpr int mostParts = 12;

QString shapeName(PartsShape shape)
{
    switch (shape) {
    case PartsShape::Strips:
        return QStringLiteral("un rettangolo");
    case PartsShape::Sectors:
        return QStringLiteral("un cerchio");
    case PartsShape::Grid:
        break;
    }
    return QStringLiteral("una griglia");
}

QString parts(int count)
{
    return count == 1 ? QStringLiteral("1 parte") : QStringLiteral("%1 parti").arg(count);
}

} // namespace

bool gridCuts(int parts)
{
    return parts == 4 || parts == 6 || parts == 8 || parts == 9 || parts == 10 || parts == 12;
}

std::vector<RecogniseTask> recogniseTasks(RecogniseKind kind, int maxDenominator)
{
    std::vector<RecogniseTask> tasks;
    for (const PartsShape shape : {PartsShape::Strips, PartsShape::Sectors, PartsShape::Grid}) {
        for (int d = 2; d <= std::min(mostParts, maxDenominator); ++d) {
            if (shape == PartsShape::Grid && !gridCuts(d))
                continue;
            for (int n = 1; n <= d; ++n)
                tasks.push_back({kind, shape, {n, d}});
        }
    }
    return tasks;
}

RecogniseTask drawRecognise(Random &random, RecogniseKind kind, int maxDenominator)
{
    const std::vector<RecogniseTask> tasks = recogniseTasks(kind, maxDenominator);
    return tasks[random.draw(int(tasks.size())) - 1];
}

Judgement judge(const RecogniseTask &task, const RecogniseAnswer &answer)
{
    Judgement judgement;
    judgement.right = {matches(answer[0], task.fraction.numerator),
                       matches(answer[1], task.fraction.denominator)};
    if (!judgement.right[0])
        judgement.step = Step::Numerator;
    else if (!judgement.right[1])
        judgement.step = Step::Denominator;
    return judgement;
}

Judgement judgeColoured(const RecogniseTask &task, int coloured)
{
    const bool right = coloured == task.fraction.numerator;
    return {{right}, right ? Step::None : Step::Numerator};
}

Help help(const RecogniseTask &task, Step step, int level, int coloured)
{
    const int n = task.fraction.numerator;
    const int d = task.fraction.denominator;
    const QString check = checkPhrase(step);
    QStringList lines;
    if (task.kind == RecogniseKind::Read) {
        if (level < 2)
            lines = {QStringLiteral("Conta tutte le parti uguali: sono il denominatore."),
                     QStringLiteral("Conta le parti colorate: sono il numeratore.")};
        else
            lines = {QStringLiteral("Le parti uguali sono %1: il denominatore è %1.").arg(d),
                     (n == 1 ? QStringLiteral("La parte colorata è 1: il numeratore è 1.")
                             : QStringLiteral("Le parti colorate sono %1: il numeratore è %1.")
                                   .arg(n)),
                     QStringLiteral("%1/%2").arg(n).arg(d)};
    } else if (level < 2) {
        lines = {QStringLiteral("Il denominatore %1 dice in quante parti uguali è diviso "
                                "l’intero.")
                     .arg(d),
                 QStringLiteral("Il numeratore %1 dice quante parti colorare.").arg(n)};
    } else {
        lines << QStringLiteral("Ne hai colorate %1, ne servono %2.").arg(coloured).arg(n);
        if (coloured < n)
            lines << QStringLiteral("Colorane ancora %1.").arg(parts(n - coloured));
        else if (coloured > n)
            lines << QStringLiteral("Togli il colore a %1.").arg(parts(coloured - n));
    }
    if (level < 2 && !check.isEmpty())
        lines << check;
    return makeHelp(level < 2 ? 1 : 2, {}, lines, check);
}

QString spokenTask(const RecogniseTask &task)
{
    const int n = task.fraction.numerator;
    const int d = task.fraction.denominator;
    QString shape = shapeName(task.shape);
    if (task.kind == RecogniseKind::Read) {
        shape[0] = shape.at(0).toUpper();
        return QStringLiteral("Che frazione è colorata? %1 diviso in %2 parti uguali, %3 %4.")
            .arg(shape)
            .arg(d)
            .arg(n)
            .arg(n == 1 ? QStringLiteral("colorata") : QStringLiteral("colorate"));
    }
    return QStringLiteral("Colora %1: %2 diviso in %3 parti uguali.")
        .arg(spokenFraction(n, d), shape)
        .arg(d);
}
