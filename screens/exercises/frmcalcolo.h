// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise.h"
#include "fractionof.h"

#include <QRect>

class Line;
class Picture;
class QLabel;
class QLineEdit;

// The fraction of a number, in two written steps. One screen, two ranges:
// frmcalcolo works within 1000, frmcalcolo99 within 100.
class frmcalcolo : public Exercise
{
    Q_OBJECT

public:
    struct Range
    {
        const char *name;
        const char *caption;
        FractionOfRange draw; // sris from 1 to quotients, the whole below limit
        QColor background;
        const char *banner;
        const char *illustration;
        QRect illustrationPlace; // in twips
    };
    static const Range Within1000;
    static const Range Within100;

    frmcalcolo(Registry &registry, const Range &range);

    void estrai() override;
    // Shows a task given by the teacher, as a drawn one, with empty boxes.
    void showTask(const FractionOfTask &given);

    Picture *Picture2;
    Picture *Picture1;
    QLabel *lblnum;
    Line *Line1;
    QLabel *lblden;
    QLabel *Label5;
    QLabel *lbliniz;
    QLabel *Label7;
    QLineEdit *txtris;
    QLineEdit *txtiniz;
    QLabel *Label8;
    QLineEdit *txtden;
    QLabel *Label1;
    QLineEdit *txtsris;
    QLineEdit *txtsris2;
    QLabel *Label9;
    QLineEdit *txtnum;
    QLabel *Label2;
    QLineEdit *txtris2;

    // Beside the boxes, from the banner down to the window's foot.
    QRect aidArea() const override { return QRect(QPoint(5520, 1440), QPoint(10335, 6900)); }

private:
    Verdict judge() override;
    QString spokenTask() const override;
    Help helpAt(int level, const Judgement &last) const override;
    int timesTableRow() const override { return task.den; }

    const Range &m_range;
    FractionOfTask task;
};
