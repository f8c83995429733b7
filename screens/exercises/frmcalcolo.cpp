// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmcalcolo.h"

#include "fractionlabels.h"
#include "line.h"
#include "picture.h"

#include <QLabel>
#include <QLineEdit>

const frmcalcolo::Range frmcalcolo::Within1000 {"frmcalcolo",
                                                "Calcolo le quotelle entro il 1000",
                                                {999, 1000},
                                                QColor(192, 255, 255),
                                                "banner-calcola-red.svg",
                                                "boy-green-jumper.svg",
                                                QRect(7560, 1800, 2175, 4935)};
const frmcalcolo::Range frmcalcolo::Within100 {"frmcalcolo99",
                                               "Calcolo le quotelle entro il 100",
                                               {99, 100},
                                               QColor(192, 255, 192),
                                               "banner-calcola-blue.svg",
                                               "girl-back-to-school.svg",
                                               QRect(7200, 1920, 2535, 4335)};

frmcalcolo::frmcalcolo(Registry &registry, const Range &range)
    : Exercise(registry, QString::fromLatin1(range.name), QString::fromUtf8(range.caption),
               range.background),
      m_range(range)
{
    const Font numbers = Font::sans(24);
    const QRect place = range.illustrationPlace;
    Picture2 = pictureBox("Picture2", QString::fromLatin1(range.banner), 240, 360, 10095, 855);
    Picture1 = pictureBox("Picture1", QString::fromLatin1(range.illustration), place.x(), place.y(),
                          place.width(), place.height());
    lblnum = label("lblnum", QString(), 1200, 1560, 615, 495, numbers, Qt::AlignHCenter);
    Line1 = line("Line1", 1080, 2160, 1920, 2160, 3);
    lblden = label("lblden", QString(), 1200, 2280, 615, 495, numbers, Qt::AlignHCenter);
    Label5 = label("Label5", QStringLiteral("di"), 2160, 1920, 495, 495, numbers, Qt::AlignLeft);
    lbliniz = label("lbliniz", QString(), 2760, 1920, 975, 495, numbers, Qt::AlignHCenter);
    Label7 = label("Label7", QStringLiteral("="), 3840, 1920, 375, 495, numbers, Qt::AlignHCenter);
    txtris = textBox("txtris", 4320, 1920, 1095, 615, numbers, 6);
    txtiniz = textBox("txtiniz", 1200, 3120, 975, 615, numbers, 0);
    Label8 = label("Label8", QStringLiteral(":"), 2160, 3120, 495, 615, numbers, Qt::AlignHCenter);
    txtden = textBox("txtden", 2640, 3120, 615, 615, numbers, 1);
    Label1 = label("Label1", QStringLiteral("="), 3240, 3240, 615, 495, numbers, Qt::AlignHCenter);
    txtsris = textBox("txtsris", 3840, 3120, 975, 615, numbers, 2);
    txtsris2 = textBox("txtsris2", 1200, 4080, 975, 615, numbers, 3);
    Label9 = label("Label9", QStringLiteral("x"), 2160, 4080, 495, 615, numbers, Qt::AlignHCenter);
    txtnum = textBox("txtnum", 2640, 4080, 615, 615, numbers, 4);
    Label2 = label("Label2", QStringLiteral("="), 3240, 4200, 615, 495, numbers, Qt::AlignHCenter);
    txtris2 = textBox("txtris2", 3840, 4080, 975, 615, numbers, 5);
    message(1200, 5040, 3615, 735, Font::comic(24), QColor(0, 0, 255));
    confermaButton(2280, 6000, 1455, 495, Font {}, 7);
    fineButton(8);

    // Each box named for its place in the two steps of the calculation, in
    // the words of an exercise book: txtiniz : txtden = txtsris, then
    // txtsris2 x txtnum = txtris2, then txtris in the task's row.
    txtiniz->setAccessibleName(QStringLiteral("divisione, dividendo"));
    txtden->setAccessibleName(QStringLiteral("divisione, divisore"));
    txtsris->setAccessibleName(QStringLiteral("divisione, quoziente"));
    txtsris2->setAccessibleName(QStringLiteral("moltiplicazione, primo fattore"));
    txtnum->setAccessibleName(QStringLiteral("moltiplicazione, secondo fattore"));
    txtris2->setAccessibleName(QStringLiteral("moltiplicazione, prodotto"));
    txtris->setAccessibleName(QStringLiteral("risultato"));
}

QString frmcalcolo::spokenTask() const
{
    return spokenFractionOf(task.num, task.den, task.whole());
}

void frmcalcolo::estrai()
{
    showTask(drawFractionOf(rnd(), m_range.draw));
}

void frmcalcolo::showTask(const FractionOfTask &given)
{
    // A new task starts with empty boxes.
    for (QLineEdit *box : {txtris, txtiniz, txtnum, txtsris, txtsris2, txtden, txtris2})
        box->setText(QString());
    task = given;
    lbliniz->setText(QString::number(task.whole()));
    showFraction({task.num, task.den}, lblnum, lblden, Line1);
}

frmcalcolo::Verdict frmcalcolo::judge()
{
    txtiniz->setFocus();
    const std::vector<QLineEdit *> boxes {txtiniz, txtden,  txtsris, txtsris2,
                                          txtnum,  txtris2, txtris};
    FractionOfAnswer answer;
    for (std::size_t box = 0; box < boxes.size(); ++box)
        answer[box] = boxes[box]->text();
    const Judgement judgement = ::judge(task, answer);
    emptyWrong(judgement, boxes);
    return verdict(judgement, QStringLiteral("Bravissimo!"), QStringLiteral("Sbagliato!"));
}

Help frmcalcolo::helpAt(int level, const Judgement &last) const
{
    return help(task, last.step, level);
}
