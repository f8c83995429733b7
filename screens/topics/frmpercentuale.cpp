// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmpercentuale.h"

#include "line.h"
#include "picture.h"
#include "spoken.h"
#include "topicwords.h"

#include <QLabel>
#include <QLineEdit>

frmpercentuale::frmpercentuale(Registry &registry)
    : Exercise(registry, QStringLiteral("frmpercentuale"), QStringLiteral("La percentuale"),
               QColor(255, 224, 192))
{
    const Font numbers = Font::sans(24);
    Picture1 =
        pictureBox("Picture1", QStringLiteral("banner-percentuale.svg"), 1320, 360, 7815, 855);
    Picture2 =
        pictureBox("Picture2", QStringLiteral("boy-hands-on-hips.svg"), 7800, 1920, 2040, 2400);
    lblperc = label("lblperc", QString(), 480, 2400, 1335, 495, numbers, Qt::AlignRight);
    Label3 = label("Label3", QStringLiteral("di"), 1920, 2400, 495, 495, numbers, Qt::AlignLeft);
    lblnumero = label("lblnumero", QString(), 2520, 2400, 975, 495, numbers, Qt::AlignHCenter);
    Label4 = label("Label4", QStringLiteral("="), 3600, 2400, 495, 495, numbers, Qt::AlignHCenter);
    txtris = textBox("txtris", 4200, 2280, 1095, 615, numbers, 0);
    Label5 = label("Label5", QStringLiteral("="), 1920, 2400, 495, 495, numbers, Qt::AlignHCenter);
    txtcent = textBox("txtcent", 2640, 1920, 855, 615, numbers, 1);
    Line2 = line("Line2", 2520, 2640, 3600, 2640, 3);
    Label6 =
        label("Label6", QStringLiteral("100"), 2640, 2760, 855, 495, numbers, Qt::AlignHCenter);
    Label7 = label("Label7", QStringLiteral("="), 3840, 2400, 495, 495, numbers, Qt::AlignHCenter);
    txtnum = textBox("txtnum", 4560, 1920, 855, 615, numbers, 2);
    Line3 = line("Line3", 4440, 2640, 5520, 2640, 3);
    lblden = label("lblden", QString(), 4560, 2760, 855, 495, numbers, Qt::AlignHCenter);
    message(480, 3720, 5280, 1095, Font::comic(24), QColor(0, 0, 255));
    confermaButton(2280, 5040, 1455, 495, Font {}, 3);
    fineButton(4);

    txtris->setAccessibleName(QStringLiteral("risultato"));
    txtcent->setAccessibleName(QStringLiteral("numeratore dei centesimi"));
    txtnum->setAccessibleName(QStringLiteral("numeratore della frazione ridotta"));
}

QString frmpercentuale::spokenTask() const
{
    return ::spokenTask(m_task);
}

void frmpercentuale::estrai()
{
    showTask(drawPercent(rnd(), percentKindForTurn(m_turn++)));
}

void frmpercentuale::showTask(const PercentTask &given)
{
    m_task = given;
    const bool ofNumber = m_task.kind == PercentKind::OfNumber;
    for (QWidget *control : std::initializer_list<QWidget *> {Label3, lblnumero, Label4, txtris})
        control->setVisible(ofNumber);
    for (QWidget *control : std::initializer_list<QWidget *> {Label5, txtcent, Line2, Label6,
                                                              Label7, txtnum, Line3, lblden})
        control->setVisible(!ofNumber);
    for (QLineEdit *box : {txtris, txtcent, txtnum})
        box->clear();
    lblperc->setText(QStringLiteral("%1%").arg(m_task.percent));
    lblperc->setAccessibleDescription(QStringLiteral("%1 per cento").arg(m_task.percent));
    lblnumero->setText(QString::number(m_task.whole));
    lblden->setText(QString::number(m_task.lowest().denominator));
    (ofNumber ? txtris : txtcent)->setFocus();
}

frmpercentuale::Verdict frmpercentuale::judge()
{
    const std::vector<QLineEdit *> boxes = m_task.kind == PercentKind::OfNumber
        ? std::vector<QLineEdit *> {txtris}
        : std::vector<QLineEdit *> {txtcent, txtnum};
    QStringList typed;
    for (const QLineEdit *box : boxes)
        typed << box->text();
    boxes.front()->setFocus();
    const Judgement judgement = ::judge(m_task, typed);
    emptyWrong(judgement, boxes);
    return verdict(judgement, QStringLiteral("Esatto, complimenti!"),
                   QStringLiteral("Sbagliato, riprova!"));
}

Help frmpercentuale::helpAt(int level, const Judgement &last) const
{
    return help(m_task, last.step, level);
}
