// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "decimal.h"
#include "exercise.h"

class Line;
class Picture;
class QLabel;
class QLineEdit;

// Decimal fractions and decimal numbers, asked in turn one way and the
// other: 37/100 = ? and 0,7 = ?/10. Each way has its own row of controls;
// the task shows one of them.
class frmdecimali : public Exercise
{
    Q_OBJECT

public:
    explicit frmdecimali(Registry &registry);

    void estrai() override;
    // Shows a task given by the teacher, as a drawn one, with an empty box.
    void showTask(const DecimalTask &given);
    const DecimalTask &task() const { return m_task; }

    Picture *Picture2;
    Picture *Picture1;
    // The fraction to the number.
    QLabel *lblnum;
    Line *Line1;
    QLabel *lblden;
    QLabel *Label1;
    QLineEdit *txtnumero;
    // The number to the fraction.
    QLabel *lblnumero;
    QLabel *Label2;
    QLineEdit *txtnum;
    Line *Line2;
    QLabel *lblden2;

private:
    Verdict judge() override;
    QString spokenTask() const override;
    Help helpAt(int level, const Judgement &last) const override;
    // Beside the task, over the illustration.
    QRect aidArea() const override { return QRect(QPoint(5400, 1440), QPoint(10335, 6900)); }
    // The box the task asks for.
    QLineEdit *answerBox() const;

    DecimalTask m_task;
    int m_turn = 0;
};
