// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmcomplementare.h"

#include "fractionlabels.h"
#include "line.h"
#include "picture.h"

#include <QLabel>
#include <QLineEdit>

frmcomplementare::frmcomplementare(Registry &registry)
    : Exercise(registry, QStringLiteral("frmcomplementare"),
               QStringLiteral("Trovo la frazione complementare"), QColor(255, 192, 255))
{
    const Font numbers = Font::sans(24);
    Picture1 =
        pictureBox("Picture1", QStringLiteral("banner-complementare.svg"), 1320, 240, 7815, 1935);
    Picture2 = pictureBox("Picture2", QStringLiteral("boy-smiling.svg"), 960, 2400, 2415, 3975);
    lbln = label("lbln", QString(), 4200, 2880, 615, 495, numbers, Qt::AlignHCenter);
    Line1 = line("Line1", 4080, 3480, 4920, 3480, 3);
    lbld = label("lbld", QString(), 4200, 3600, 615, 495, numbers, Qt::AlignHCenter);
    Label5 = label("Label5", QStringLiteral("+"), 5160, 3240, 375, 495, numbers, Qt::AlignHCenter);
    txtn1 = textBox("txtn1", 5880, 2760, 855, 615, numbers, 0);
    Line2 = line("Line2", 5760, 3480, 6840, 3480, 3);
    txtd1 = textBox("txtd1", 5880, 3600, 855, 615, numbers, 1);
    Label6 = label("Label6", QStringLiteral("="), 7080, 3240, 375, 495, numbers, Qt::AlignHCenter);
    txtn2 = textBox("txtn2", 7800, 2760, 855, 615, numbers, 2);
    Line3 = line("Line3", 7680, 3480, 8760, 3480, 3);
    txtd2 = textBox("txtd2", 7800, 3600, 855, 615, numbers, 3);
    Label1 = label("Label1", QStringLiteral("="), 9000, 3240, 375, 495, numbers, Qt::AlignHCenter);
    Label2 = label("Label2", QStringLiteral("1"), 9480, 3240, 375, 615, numbers, Qt::AlignHCenter);
    message(4200, 4920, 5655, 735, Font::comic(21.75), QColor(0, 0, 255));
    confermaButton(6360, 6120, 1335, 495, Font {}, 4);
    fineButton(5);

    txtn1->setAccessibleName(QStringLiteral("numeratore della frazione complementare"));
    txtd1->setAccessibleName(QStringLiteral("denominatore della frazione complementare"));
    txtn2->setAccessibleName(QStringLiteral("numeratore dell’intero"));
    txtd2->setAccessibleName(QStringLiteral("denominatore dell’intero"));
}

QString frmcomplementare::spokenTask() const
{
    return spokenFraction(task.num, task.den);
}

void frmcomplementare::estrai()
{
    showTask(drawComplement(rnd(), settings().maxDenominator()));
}

void frmcomplementare::showTask(const ComplementTask &given)
{
    task = given;
    // A new task starts with empty boxes, the cursor in the first.
    for (QLineEdit *box : {txtn1, txtd1, txtn2, txtd2})
        box->setText(QString());
    txtn1->setFocus();
    showFraction({task.num, task.den}, lbln, lbld, Line1);
}

frmcomplementare::Verdict frmcomplementare::judge()
{
    const Judgement judgement =
        ::judge(task, {txtn1->text(), txtd1->text(), txtn2->text(), txtd2->text()});
    // Every box is checked; a wrong one is emptied.
    emptyWrong(judgement, {txtn1, txtd1, txtn2, txtd2});
    return verdict(judgement, QStringLiteral("Esatto, complimenti!"),
                   QStringLiteral("Sbagliato, riprova!"));
}

Help frmcomplementare::helpAt(int level, const Judgement &last) const
{
    return help(task, last.step, level);
}
