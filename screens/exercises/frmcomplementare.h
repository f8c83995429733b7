// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "complement.h"
#include "exercise.h"

class Line;
class Picture;
class QLabel;
class QLineEdit;

// The complementary fraction: what completes a proper fraction to the whole.
class frmcomplementare : public Exercise
{
    Q_OBJECT

public:
    explicit frmcomplementare(Registry &registry);

    void estrai() override;
    // Shows a task given by the teacher, as a drawn one, with empty boxes.
    void showTask(const ComplementTask &given);

    Picture *Picture1;
    Picture *Picture2;
    QLabel *lbln;
    Line *Line1;
    QLabel *lbld;
    QLabel *Label5;
    QLineEdit *txtn1;
    Line *Line2;
    QLineEdit *txtd1;
    QLabel *Label6;
    QLineEdit *txtn2;
    Line *Line3;
    QLineEdit *txtd2;
    QLabel *Label1;
    QLabel *Label2;

    // The illustration's column, up over the banner's start.
    QRect aidArea() const override { return QRect(QPoint(240, 240), QPoint(3960, 6480)); }

private:
    Verdict judge() override;
    QString spokenTask() const override;
    Help helpAt(int level, const Judgement &last) const override;

    ComplementTask task;
};
