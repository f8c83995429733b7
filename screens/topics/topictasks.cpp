// SPDX-License-Identifier: GPL-3.0-or-later

#include "topictasks.h"

#include "frmdecimali.h"
#include "frmequivalenti.h"
#include "frmpercentuale.h"
#include "frmriconosco.h"
#include "frmtipi.h"
#include "taskform.h"
#include "teachertask.h"

void addTeacherTask(frmequivalenti &screen, Voice &voice)
{
    addTaskForm(screen, voice, [&screen](TaskForm &form) {
        form.fraction(QString(), 1200, 900);
        form.text(QStringLiteral("="), 1980, 1215, 375);
        form.text(QStringLiteral("?"), 2520, 900, 615);
        form.box(QStringLiteral("denominatore da cercare; vuoto per i minimi termini"), 2520, 1530);
        form.text(QStringLiteral("Vuoto: ai minimi termini"), 360, 2400, 6000);
        form.setCheck([&screen](const QStringList &typed) {
            return shownOnScreen(screen, checkEquivalent(typed));
        });
    });
}

void addTeacherTask(frmtipi &screen, Voice &voice)
{
    addTaskForm(screen, voice, [&screen](TaskForm &form) {
        form.fraction(QString(), 1200, 900);
        form.setCheck([&screen](const QStringList &typed) {
            return shownOnScreen(screen, checkType(typed));
        });
    });
}

// Read or colour, in the shape on the screen.
void addTeacherTask(frmriconosco &screen, Voice &voice)
{
    const KindOptions options;
    addTaskForm(
        screen, voice,
        [&screen, options](TaskForm &form) {
            form.fraction(QString(), 1200, 900);
            options.add(form, QStringLiteral("Leggi"), QStringLiteral("Colora"), 2640, 2055);
            form.setCheck([&screen, options](const QStringList &typed) {
                const RecogniseKind kind =
                    options.secondChosen() ? RecogniseKind::Colour : RecogniseKind::Read;
                return shownOnScreen(screen, checkRecognise(typed, kind, screen.task().shape));
            });
        },
        [&screen, options](TaskForm &) {
            options.choose(screen.task().kind == RecogniseKind::Colour);
        });
}

void addTeacherTask(frmintero &screen, const frmintero::Range &range, Voice &voice)
{
    addTaskForm(screen, voice, [&screen, &range](TaskForm &form) {
        form.text(QStringLiteral("I"), 720, 1215, 375);
        form.fraction(QString(), 1200, 900);
        form.text(QStringLiteral("di un numero sono"), 1980, 1215, 2535);
        form.box(QStringLiteral("numero che vale la frazione"), 4560, 1215, 975);
        form.setCheck([&screen, &range](const QStringList &typed) {
            return shownOnScreen(screen, checkFractionToWhole(typed, range.draw));
        });
    });
}

void addTeacherTask(frmdecimali &screen, Voice &voice)
{
    const KindOptions options;
    addTaskForm(
        screen, voice,
        [&screen, options](TaskForm &form) {
            form.fraction(QStringLiteral(" della frazione decimale"), 1200, 900);
            options.add(form, QStringLiteral("Frazione → numero"),
                        QStringLiteral("Numero → frazione"), 3360, 2895);
            form.setCheck([&screen, options](const QStringList &typed) {
                return shownOnScreen(screen,
                                     checkDecimal(typed,
                                                  options.secondChosen() ? DecimalKind::ToFraction
                                                                         : DecimalKind::ToNumber));
            });
        },
        [&screen, options](TaskForm &) {
            options.choose(screen.task().kind == DecimalKind::ToFraction);
        });
}

void addTeacherTask(frmpercentuale &screen, Voice &voice)
{
    const KindOptions options;
    addTaskForm(
        screen, voice,
        [&screen, options](TaskForm &form) {
            form.box(QStringLiteral("percentuale"), 1200, 1215, 855);
            form.text(QStringLiteral("% di"), 2160, 1215, 855);
            form.box(QStringLiteral("numero"), 3120, 1215, 975);
            options.add(form, QStringLiteral("Di un numero"), QStringLiteral("Come frazione"), 3360,
                        2895);
            form.setCheck([&screen, options](const QStringList &typed) {
                return shownOnScreen(screen,
                                     checkPercent(typed,
                                                  options.secondChosen() ? PercentKind::AsFraction
                                                                         : PercentKind::OfNumber));
            });
        },
        [&screen, options](TaskForm &) {
            options.choose(screen.task().kind == PercentKind::AsFraction);
        });
}
