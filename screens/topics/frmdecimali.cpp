// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmdecimali.h"

#include "line.h"
#include "picture.h"
#include "spoken.h"
#include "topicwords.h"

#include <QLabel>
#include <QLineEdit>

frmdecimali::frmdecimali(Registry &registry)
    : Exercise(registry, QStringLiteral("frmdecimali"),
               QStringLiteral("Frazioni decimali e numeri decimali"), QColor(192, 224, 255))
{
    const Font numbers = Font::sans(24);
    Picture2 = pictureBox("Picture2", QStringLiteral("banner-decimali.svg"), 360, 360, 9855, 855);
    Picture1 = pictureBox("Picture1", QStringLiteral("girl-with-book.svg"), 7560, 1800, 1710, 3090);
    lblnum = label("lblnum", QString(), 1200, 2040, 1215, 495, numbers, Qt::AlignHCenter);
    Line1 = line("Line1", 1080, 2640, 2520, 2640, 3);
    lblden = label("lblden", QString(), 1200, 2760, 1215, 495, numbers, Qt::AlignHCenter);
    Label1 = label("Label1", QStringLiteral("="), 2640, 2400, 495, 495, numbers, Qt::AlignHCenter);
    txtnumero = textBox("txtnumero", 3240, 2280, 1815, 615, numbers, 0);
    lblnumero = label("lblnumero", QString(), 1080, 2400, 1815, 495, numbers, Qt::AlignRight);
    Label2 = label("Label2", QStringLiteral("="), 3000, 2400, 495, 495, numbers, Qt::AlignHCenter);
    txtnum = textBox("txtnum", 3720, 1920, 1215, 615, numbers, 1);
    Line2 = line("Line2", 3600, 2640, 5040, 2640, 3);
    lblden2 = label("lblden2", QString(), 3720, 2760, 1215, 495, numbers, Qt::AlignHCenter);
    // Two lines, for a right answer with a word about its last zero.
    message(480, 3720, 4800, 1095, Font::comic(20), QColor(0, 0, 255))->setWordWrap(true);
    confermaButton(2280, 5040, 1455, 495, Font {}, 2);
    fineButton(3);
    setPadKeys({QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("4"),
                QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("1"), QStringLiteral("2"),
                QStringLiteral("3"), QStringLiteral("0"), QStringLiteral(",")});

    txtnumero->setAccessibleName(QStringLiteral("numero decimale"));
    txtnum->setAccessibleName(QStringLiteral("numeratore"));
    // A point typed is the comma of a keyboard's number pad: shown as the
    // comma it stands for.
    connect(txtnumero, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!text.contains(u'.'))
            return;
        const int cursor = txtnumero->cursorPosition();
        txtnumero->setText(QString(text).replace(u'.', u','));
        txtnumero->setCursorPosition(cursor);
    });
}

QString frmdecimali::spokenTask() const
{
    return ::spokenTask(m_task);
}

void frmdecimali::estrai()
{
    showTask(drawDecimal(rnd(), decimalKindForTurn(m_turn++)));
}

void frmdecimali::showTask(const DecimalTask &given)
{
    m_task = given;
    const bool toNumber = m_task.kind == DecimalKind::ToNumber;
    for (QWidget *control :
         std::initializer_list<QWidget *> {lblnum, Line1, lblden, Label1, txtnumero})
        control->setVisible(toNumber);
    for (QWidget *control :
         std::initializer_list<QWidget *> {lblnumero, Label2, txtnum, Line2, lblden2})
        control->setVisible(!toNumber);
    txtnumero->clear();
    txtnum->clear();
    const QString fraction = spokenDecimalFraction(m_task.numerator, m_task.denominator);
    lblnum->setText(QString::number(m_task.numerator));
    lblden->setText(QString::number(m_task.denominator));
    lblnum->setAccessibleDescription(fraction);
    lblden->setAccessibleDescription(fraction);
    lblnumero->setText(m_task.number());
    lblnumero->setAccessibleDescription(spokenDecimal(m_task.number()));
    lblden2->setText(QString::number(m_task.denominator));
    lblden2->setAccessibleDescription(QStringLiteral("denominatore"));
    answerBox()->setFocus();
}

QLineEdit *frmdecimali::answerBox() const
{
    return m_task.kind == DecimalKind::ToNumber ? txtnumero : txtnum;
}

frmdecimali::Verdict frmdecimali::judge()
{
    QLineEdit *box = answerBox();
    box->setFocus();
    const QString typed = box->text();
    const Judgement judgement = ::judge(m_task, typed);
    emptyWrong(judgement, {box});
    const QString remark = decimalRemark(m_task, typed);
    return verdict(judgement,
                   remark.isEmpty() ? QStringLiteral("Esatto!")
                                    : QStringLiteral("Esatto! ") + remark,
                   QStringLiteral("Sbagliato, riprova!"));
}

Help frmdecimali::helpAt(int level, const Judgement &last) const
{
    return help(m_task, last.step, level);
}
