// SPDX-License-Identifier: GPL-3.0-or-later

#include "teachertasks.h"

#include "frmcomplementare.h"
#include "frmmax.h"
#include "frmordine.h"
#include "frmsimbolo.h"
#include "taskform.h"
#include "teachertask.h"

namespace {

QString ordinal(int k)
{
    return QStringLiteral(" della frazione %1").arg(k + 1);
}

} // namespace

void addTeacherTask(frmcalcolo &screen, const frmcalcolo::Range &range, Voice &voice)
{
    addTaskForm(screen, voice, [&screen, &range](TaskForm &form) {
        form.fraction(QString(), 1200, 900);
        form.text(QStringLiteral("di"), 1980, 1215, 495);
        form.box(QStringLiteral("numero intero"), 2580, 1215, 975);
        form.setCheck([&screen, &range](const QStringList &typed) {
            return shownOnScreen(screen, checkFractionOf(typed, range.draw));
        });
    });
}

void addTeacherTask(frmcomplementare &screen, Voice &voice)
{
    addTaskForm(screen, voice, [&screen](TaskForm &form) {
        form.fraction(QString(), 1200, 900);
        form.setCheck([&screen](const QStringList &typed) {
            return shownOnScreen(screen, checkComplement(typed));
        });
    });
}

void addTeacherTask(frmsimbolo &screen, Voice &voice)
{
    addTaskForm(screen, voice, [&screen](TaskForm &form) {
        for (int p = 0; p < 6; ++p) {
            const int left = 360 + p % 2 * 3300;
            const int top = 600 + p / 2 * 1180;
            const QString pair = QStringLiteral(", coppia %1").arg(p + 1);
            form.fraction(QStringLiteral(" della prima frazione") + pair, left, top);
            form.text(QStringLiteral("?"), left + 855, top + 315, 495);
            form.fraction(QStringLiteral(" della seconda frazione") + pair, left + 1590, top);
        }
        form.setCheck([&screen](const QStringList &typed) {
            return shownOnScreen(screen, checkSymbol(typed));
        });
    });
}

void addTeacherTask(frmmax &screen, Voice &voice)
{
    addTaskForm(screen, voice, [&screen](TaskForm &form) {
        for (int k = 0; k < 4; ++k)
            form.fraction(ordinal(k), 600 + k * 1200, 900);
        form.setCheck([&screen](const QStringList &typed) {
            return shownOnScreen(screen, checkLargest(typed));
        });
    });
}

void addTeacherTask(frmordine &screen, Voice &voice)
{
    const KindOptions options;
    addTaskForm(
        screen, voice,
        [&screen, options](TaskForm &form) {
            for (int k = 0; k < 5; ++k)
                form.fraction(ordinal(k), 360 + k * 1100, 900);
            options.add(form, QStringLiteral("Crescente"), QStringLiteral("Decrescente"), 2640,
                        2055);
            form.setCheck([&screen, options](const QStringList &typed) {
                return shownOnScreen(screen,
                                     checkOrder(typed,
                                                options.secondChosen() ? Direction::Descending
                                                                       : Direction::Ascending));
            });
        },
        [&screen, options](TaskForm &) {
            options.choose(screen.task().direction == Direction::Descending);
        });
}
