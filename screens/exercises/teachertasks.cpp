// SPDX-License-Identifier: GPL-3.0-or-later

#include "teachertasks.h"

#include "aidarea.h"
#include "frmcomplementare.h"
#include "frmmax.h"
#include "frmordine.h"
#include "frmsimbolo.h"
#include "taskform.h"
#include "teachertask.h"

#include <QPointer>
#include <QRadioButton>

#include <array>
#include <memory>

namespace {

// F3 builds the form the first time, then opens it.
void onF3(Exercise &screen, Voice &voice, std::function<void(TaskForm &)> build,
          std::function<void(TaskForm &)> before = {})
{
    screen.setTeacherTask([&screen, &voice, build, before, form = QPointer<TaskForm>()]() mutable {
        if (!form) {
            form = new TaskForm(&screen, formPlace(screen.aidArea(), screen.designedSize()), voice);
            build(*form);
        }
        if (before)
            before(*form);
        form->open();
    });
}

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

QString ordinal(int k)
{
    return QStringLiteral(" della frazione %1").arg(k + 1);
}

} // namespace

void addTeacherTask(frmcalcolo &screen, const frmcalcolo::Range &range, Voice &voice)
{
    onF3(screen, voice, [&screen, &range](TaskForm &form) {
        form.fraction(QString(), 1200, 900);
        form.text(QStringLiteral("di"), 1980, 1215, 495);
        form.box(QStringLiteral("numero intero"), 2580, 1215, 975);
        form.setCheck([&screen, &range](const QStringList &typed) {
            return shown(screen, checkFractionOf(typed, range.draw));
        });
    });
}

void addTeacherTask(frmcomplementare &screen, Voice &voice)
{
    onF3(screen, voice, [&screen](TaskForm &form) {
        form.fraction(QString(), 1200, 900);
        form.setCheck(
            [&screen](const QStringList &typed) { return shown(screen, checkComplement(typed)); });
    });
}

void addTeacherTask(frmsimbolo &screen, Voice &voice)
{
    onF3(screen, voice, [&screen](TaskForm &form) {
        for (int p = 0; p < 6; ++p) {
            const int left = 360 + p % 2 * 3300;
            const int top = 600 + p / 2 * 1180;
            const QString pair = QStringLiteral(", coppia %1").arg(p + 1);
            form.fraction(QStringLiteral(" della prima frazione") + pair, left, top);
            form.text(QStringLiteral("?"), left + 855, top + 315, 495);
            form.fraction(QStringLiteral(" della seconda frazione") + pair, left + 1590, top);
        }
        form.setCheck(
            [&screen](const QStringList &typed) { return shown(screen, checkSymbol(typed)); });
    });
}

void addTeacherTask(frmmax &screen, Voice &voice)
{
    onF3(screen, voice, [&screen](TaskForm &form) {
        for (int k = 0; k < 4; ++k)
            form.fraction(ordinal(k), 600 + k * 1200, 900);
        form.setCheck(
            [&screen](const QStringList &typed) { return shown(screen, checkLargest(typed)); });
    });
}

void addTeacherTask(frmordine &screen, Voice &voice)
{
    auto options = std::make_shared<std::array<QPointer<QRadioButton>, 2>>();
    onF3(
        screen, voice,
        [&screen, options](TaskForm &form) {
            for (int k = 0; k < 5; ++k)
                form.fraction(ordinal(k), 360 + k * 1100, 900);
            (*options)[0] = form.option(QStringLiteral("Crescente"), 360, 2400, 2055);
            (*options)[1] = form.option(QStringLiteral("Decrescente"), 2640, 2400, 2055);
            form.setCheck([&screen, options](const QStringList &typed) {
                return shown(screen,
                             checkOrder(typed,
                                        (*options)[1]->isChecked() ? Direction::Descending
                                                                   : Direction::Ascending));
            });
        },
        [&screen, options](TaskForm &) {
            (*options)[screen.task().direction == Direction::Descending]->setChecked(true);
        });
}
