// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise.h"
#include "fractiontowhole.h"

#include <QRect>

class Line;
class Picture;
class QLabel;
class QLineEdit;

// From the fraction to the whole: «I 3/4 di un numero sono 60.», in the two
// written steps and the look of the fraction of a number. One screen, two
// ranges: frmintero finds wholes below 1000, frmintero99 below 100.
class frmintero : public Exercise
{
    Q_OBJECT

public:
    struct Range
    {
        const char *name;
        const char *caption;
        FractionOfRange draw;
        QColor background;
        const char *banner;
        const char *illustration;
        QRect illustrationPlace; // in twips
    };
    static const Range Within1000;
    static const Range Within100;

    frmintero(Registry &registry, const Range &range);

    void estrai() override;
    // Shows a task given by the teacher, as a drawn one, with empty boxes.
    void showTask(const FractionToWholeTask &given);
    const FractionToWholeTask &task() const { return m_task; }

    Picture *Picture2;
    Picture *Picture1;
    QLabel *Label4;
    QLabel *lblnum;
    Line *Line1;
    QLabel *lblden;
    QLabel *Label5;
    QLabel *lblnoto;
    QLineEdit *txtnoto;
    QLabel *Label8;
    QLineEdit *txtnum;
    QLabel *Label1;
    QLineEdit *txtparte;
    QLineEdit *txtparte2;
    QLabel *Label9;
    QLineEdit *txtden;
    QLabel *Label2;
    QLineEdit *txtris2;
    QLabel *Label6;
    QLineEdit *txtris;

private:
    Verdict judge() override;
    QString spokenTask() const override;
    Help helpAt(int level, const Judgement &last) const override;
    int timesTableRow() const override { return m_task.num; }
    // Beside the boxes, under the task's row, as far as the screen's edge.
    QRect aidArea() const override { return QRect(QPoint(5040, 2640), QPoint(10335, 6900)); }

    const Range &m_range;
    FractionToWholeTask m_task;
};
