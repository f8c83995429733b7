// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise.h"
#include "percent.h"

class Line;
class Picture;
class QLabel;
class QLineEdit;

// Percentages, asked in turn one way and the other: 25% di 80 = ? and
// 25% = ?/100 = ?/4. The percentage is shown once; each way has its own
// controls beside it.
class frmpercentuale : public Exercise
{
    Q_OBJECT

public:
    explicit frmpercentuale(Registry &registry);

    void estrai() override;
    // Shows a task given by the teacher, as a drawn one, with empty boxes.
    void showTask(const PercentTask &given);
    const PercentTask &task() const { return m_task; }

    Picture *Picture1;
    Picture *Picture2;
    QLabel *lblperc;
    // The percentage of a number.
    QLabel *Label3;
    QLabel *lblnumero;
    QLabel *Label4;
    QLineEdit *txtris;
    // The percentage as a fraction.
    QLabel *Label5;
    QLineEdit *txtcent;
    Line *Line2;
    QLabel *Label6;
    QLabel *Label7;
    QLineEdit *txtnum;
    Line *Line3;
    QLabel *lblden;

private:
    Verdict judge() override;
    QString spokenTask() const override;
    Help helpAt(int level, const Judgement &last) const override;
    // Beside the task, over the illustration.
    QRect aidArea() const override { return QRect(QPoint(5880, 1440), QPoint(10335, 6900)); }

    PercentTask m_task;
    int m_turn = 0;
};
