// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise.h"
#include "recognise.h"

class Line;
class PartsDrawing;
class Picture;
class QLabel;
class QLineEdit;

// «Riconosco le frazioni»: read the fraction a shape shows coloured, or
// colour the fraction given, in turn.
class frmriconosco : public Exercise
{
    Q_OBJECT

public:
    explicit frmriconosco(Registry &registry);

    void estrai() override;
    // Right of the fraction: the illustration's place and the room before it.
    QRect aidArea() const override { return QRect(QPoint(6360, 1440), QPoint(10380, 6900)); }
    // Shows a task given by the teacher, as a drawn one; the turn goes on
    // from its kind.
    void showTask(const RecogniseTask &given);
    const RecogniseTask &task() const { return m_task; }

    Picture *Picture1;
    Picture *Picture2;
    QLabel *Label1;
    PartsDrawing *disegno;
    QLineEdit *txtn;
    QLabel *lbln;
    Line *Line1;
    QLineEdit *txtd;
    QLabel *lbld;

private:
    Verdict judge() override;
    QString spokenTask() const override;
    Help helpAt(int level, const Judgement &last) const override;

    RecogniseTask m_task;
    int m_turn = 0;
};
