// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise.h"
#include "fractiontype.h"

#include <array>

class Line;
class PartsDrawing;
class Picture;
class QLabel;

// «Frazioni proprie, improprie e apparenti»: a fraction and its wholes, and
// three buttons; the one pressed is judged at once.
class frmtipi : public Exercise
{
    Q_OBJECT

public:
    explicit frmtipi(Registry &registry);

    void estrai() override;
    // The illustration's place, down to the foot of the window.
    QRect aidArea() const override { return QRect(QPoint(7080, 1440), QPoint(10380, 6900)); }
    // Shows a task given by the teacher, as a drawn one.
    void showTask(const TypeTask &given);
    const TypeTask &task() const { return m_task; }

    Picture *Picture1;
    Picture *Picture2;
    QLabel *Label1;
    QLabel *lbln;
    Line *Line1;
    QLabel *lbld;
    PartsDrawing *disegno;
    // «propria», «impropria», «apparente», in the order of FractionType.
    std::array<QPushButton *, 3> cmdtipo;

private:
    Verdict judge() override;
    QString spokenTask() const override;
    Help helpAt(int level, const Judgement &last) const override;

    TypeTask m_task;
    FractionType m_chosen = FractionType::Proper;
};
