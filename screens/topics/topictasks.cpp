// SPDX-License-Identifier: GPL-3.0-or-later

#include "topictasks.h"

#include "frmequivalenti.h"
#include "frmtipi.h"
#include "taskform.h"
#include "teachertask.h"

namespace {

// Shows a checked task on its screen, or gives its problem.
template<typename Screen, typename Task>
QString shown(Screen &screen, const TeacherTask<Task> &checked)
{
    if (checked.task) {
        screen.showTask(*checked.task);
        screen.taskChanged();
    }
    return checked.problem;
}

} // namespace

void addTeacherTask(frmequivalenti &screen, Voice &voice)
{
    addTaskForm(screen, voice, [&screen](TaskForm &form) {
        form.fraction(QString(), 1200, 900);
        form.text(QStringLiteral("="), 1980, 1215, 375);
        form.text(QStringLiteral("?"), 2520, 900, 615);
        form.box(QStringLiteral("denominatore da cercare; vuoto per i minimi termini"), 2520, 1530);
        form.text(QStringLiteral("Senza il secondo denominatore: ai minimi termini."), 360, 2400,
                  4200);
        form.setCheck(
            [&screen](const QStringList &typed) { return shown(screen, checkEquivalent(typed)); });
    });
}

void addTeacherTask(frmtipi &screen, Voice &voice)
{
    addTaskForm(screen, voice, [&screen](TaskForm &form) {
        form.fraction(QString(), 1200, 900);
        form.setCheck(
            [&screen](const QStringList &typed) { return shown(screen, checkType(typed)); });
    });
}
