// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmintero.h"

#include "fractionlabels.h"
#include "line.h"
#include "picture.h"
#include "topicwords.h"

#include <QLabel>
#include <QLineEdit>

const frmintero::Range frmintero::Within1000 {"frmintero",
                                              "Dalla frazione all’intero entro il 1000",
                                              {999, 1000},
                                              QColor(192, 255, 255),
                                              "banner-intero-red.svg",
                                              "boy-thinking.svg",
                                              QRect(7200, 1800, 3135, 3975)};
const frmintero::Range frmintero::Within100 {"frmintero99",
                                             "Dalla frazione all’intero entro il 100",
                                             {99, 100},
                                             QColor(192, 255, 192),
                                             "banner-intero-blue.svg",
                                             "boy-arms-spread.svg",
                                             QRect(7320, 1560, 2895, 4215)};

frmintero::frmintero(Registry &registry, const Range &range)
    : Exercise(registry, QString::fromLatin1(range.name), QString::fromUtf8(range.caption),
               range.background),
      m_range(range)
{
    const Font numbers = Font::sans(24);
    const Font words = Font::sans(18);
    const QRect place = range.illustrationPlace;
    Picture2 = pictureBox("Picture2", QString::fromLatin1(range.banner), 240, 360, 10095, 855);
    Picture1 = pictureBox("Picture1", QString::fromLatin1(range.illustration), place.x(), place.y(),
                          place.width(), place.height());
    Label4 = label("Label4", QStringLiteral("I"), 240, 1920, 615, 495, numbers, Qt::AlignRight);
    lblnum = label("lblnum", QString(), 1080, 1560, 615, 495, numbers, Qt::AlignHCenter);
    Line1 = line("Line1", 960, 2160, 1800, 2160, 3);
    lblden = label("lblden", QString(), 1080, 2280, 615, 495, numbers, Qt::AlignHCenter);
    Label5 = label("Label5", QStringLiteral("di un numero sono"), 1920, 1995, 3375, 435, words,
                   Qt::AlignLeft);
    lblnoto = label("lblnoto", QString(), 4995, 1920, 975, 495, numbers, Qt::AlignLeft);
    txtnoto = textBox("txtnoto", 1200, 3000, 975, 615, numbers, 0);
    Label8 = label("Label8", QStringLiteral(":"), 2160, 3000, 495, 615, numbers, Qt::AlignHCenter);
    txtnum = textBox("txtnum", 2640, 3000, 615, 615, numbers, 1);
    Label1 = label("Label1", QStringLiteral("="), 3240, 3120, 615, 495, numbers, Qt::AlignHCenter);
    txtparte = textBox("txtparte", 3840, 3000, 975, 615, numbers, 2);
    txtparte2 = textBox("txtparte2", 1200, 3840, 975, 615, numbers, 3);
    Label9 = label("Label9", QStringLiteral("x"), 2160, 3840, 495, 615, numbers, Qt::AlignHCenter);
    txtden = textBox("txtden", 2640, 3840, 615, 615, numbers, 4);
    Label2 = label("Label2", QStringLiteral("="), 3240, 3960, 615, 495, numbers, Qt::AlignHCenter);
    txtris2 = textBox("txtris2", 3840, 3840, 975, 615, numbers, 5);
    Label6 =
        label("Label6", QStringLiteral("Il numero è"), 1200, 4815, 2535, 435, words, Qt::AlignLeft);
    txtris = textBox("txtris", 3840, 4680, 975, 615, numbers, 6);
    message(1200, 5460, 3615, 615, Font::comic(24), QColor(0, 0, 255));
    confermaButton(2280, 6120, 1455, 495, Font {}, 7);
    fineButton(8);

    // Each box named for its place in the two steps, as the exercise book
    // says them: txtnoto : txtnum = txtparte, then txtparte2 x txtden =
    // txtris2, then the number found in txtris.
    txtnoto->setAccessibleName(QStringLiteral("divisione, dividendo"));
    txtnum->setAccessibleName(QStringLiteral("divisione, divisore"));
    txtparte->setAccessibleName(QStringLiteral("divisione, quoziente"));
    txtparte2->setAccessibleName(QStringLiteral("moltiplicazione, primo fattore"));
    txtden->setAccessibleName(QStringLiteral("moltiplicazione, secondo fattore"));
    txtris2->setAccessibleName(QStringLiteral("moltiplicazione, prodotto"));
    txtris->setAccessibleName(QStringLiteral("il numero è"));
}

QString frmintero::spokenTask() const
{
    return ::spokenTask(m_task);
}

void frmintero::estrai()
{
    showTask(drawFractionToWhole(rnd(), m_range.draw));
}

void frmintero::showTask(const FractionToWholeTask &given)
{
    for (QLineEdit *box : {txtnoto, txtnum, txtparte, txtparte2, txtden, txtris2, txtris})
        box->setText(QString());
    m_task = given;
    Label4->setText(taskArticle(m_task.num));
    Label5->setText(taskVerb(m_task.num));
    lblnoto->setText(QString::number(m_task.known()));
    showFraction({m_task.num, m_task.den}, lblnum, lblden, Line1);
}

frmintero::Verdict frmintero::judge()
{
    txtnoto->setFocus();
    const std::vector<QLineEdit *> boxes {txtnoto, txtnum,  txtparte, txtparte2,
                                          txtden,  txtris2, txtris};
    FractionOfAnswer answer;
    for (std::size_t box = 0; box < boxes.size(); ++box)
        answer[box] = boxes[box]->text();
    const Judgement judgement = ::judge(m_task, answer);
    emptyWrong(judgement, boxes);
    return verdict(judgement, QStringLiteral("Bravissimo!"), QStringLiteral("Sbagliato!"));
}

Help frmintero::helpAt(int level, const Judgement &last) const
{
    return help(m_task, last.step, level);
}
