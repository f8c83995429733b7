// SPDX-License-Identifier: GPL-3.0-or-later

#include "topictasks.h"

#include "frmequivalenti.h"
#include "frmriconosco.h"
#include "frmtipi.h"
#include "taskform.h"
#include "teachertask.h"

#include <QPointer>
#include <QRadioButton>

#include <array>
#include <memory>

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
        form.text(QStringLiteral("Vuoto: ai minimi termini"), 360, 2400, 6000);
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

// Read or colour, in the shape on the screen.
void addTeacherTask(frmriconosco &screen, Voice &voice)
{
    auto options = std::make_shared<std::array<QPointer<QRadioButton>, 2>>();
    addTaskForm(
        screen, voice,
        [&screen, options](TaskForm &form) {
            form.fraction(QString(), 1200, 900);
            (*options)[0] = form.option(QStringLiteral("Leggi"), 360, 2400, 2055);
            (*options)[1] = form.option(QStringLiteral("Colora"), 2640, 2400, 2055);
            form.setCheck([&screen, options](const QStringList &typed) {
                const RecogniseKind kind =
                    (*options)[1]->isChecked() ? RecogniseKind::Colour : RecogniseKind::Read;
                return shown(screen, checkRecognise(typed, kind, screen.task().shape));
            });
        },
        [&screen, options](TaskForm &) {
            (*options)[screen.task().kind == RecogniseKind::Colour]->setChecked(true);
        });
}
