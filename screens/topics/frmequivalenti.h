// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "equivalent.h"
#include "exercise.h"

class Line;
class Picture;
class QLabel;
class QLineEdit;

// «Frazioni equivalenti»: amplify (2/3 = ?/12), simplify (8/12 = ?/3) and
// lowest terms (18/24 = ?/?), in turn.
class frmequivalenti : public Exercise
{
    Q_OBJECT

public:
    explicit frmequivalenti(Registry &registry);

    void estrai() override;
    // The illustration's place, down to the foot of the window.
    QRect aidArea() const override { return QRect(QPoint(7200, 1320), QPoint(10380, 6900)); }
    // Shows a task given by the teacher, as a drawn one, with empty boxes;
    // the turn goes on from its kind.
    void showTask(const EquivalentTask &given);
    const EquivalentTask &task() const { return m_task; }

    Picture *Picture1;
    Picture *Picture2;
    QLabel *Label1;
    QLabel *lbln;
    Line *Line1;
    QLabel *lbld;
    QLabel *Label2;
    QLineEdit *txtn;
    Line *Line2;
    QLineEdit *txtd;
    QLabel *lbld2;

private:
    Verdict judge() override;
    QString spokenTask() const override;
    Help helpAt(int level, const Judgement &last) const override;
    int timesTableRow() const override;

    EquivalentTask m_task;
    // The kind of the next task drawn: the three take turns.
    int m_turn = 0;
};
