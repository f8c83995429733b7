// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmriconosco.h"

#include "fractionlabels.h"
#include "line.h"
#include "partsdrawing.h"
#include "picture.h"

#include <QLabel>
#include <QLineEdit>

frmriconosco::frmriconosco(Registry &registry)
    : Exercise(registry, QStringLiteral("frmriconosco"), QStringLiteral("Riconosco le frazioni"),
               QColor(255, 255, 192))
{
    const Font numbers = Font::sans(24);
    Picture1 = pictureBox("Picture1", QStringLiteral("banner-riconosco.svg"), 1890, 240, 6840, 855);
    Picture2 = pictureBox("Picture2", QStringLiteral("boy-smiling.svg"), 7800, 1560, 2415, 3975);
    Label1 = label("Label1", QString(), 360, 1320, 5880, 495, Font::comic(15.75).boldFace());
    disegno = new PartsDrawing(this);
    disegno->setObjectName(QStringLiteral("disegno"));
    addControl(disegno, QRect(720, 1980, 3000, 3000));
    txtn = textBox("txtn", 4920, 2520, 855, 615, numbers, 0);
    lbln = label("lbln", QString(), 4920, 2640, 855, 495, numbers, Qt::AlignHCenter);
    Line1 = line("Line1", 4800, 3240, 5880, 3240, 3);
    txtd = textBox("txtd", 4920, 3360, 855, 615, numbers, 1);
    lbld = label("lbld", QString(), 4920, 3360, 855, 495, numbers, Qt::AlignHCenter);
    message(360, 5160, 5880, 735, Font::comic(21.75), QColor(0, 0, 255));
    confermaButton(2880, 6120, 1335, 495, Font {}, 2);
    fineButton(3);

    txtn->setAccessibleName(QStringLiteral("numeratore"));
    txtd->setAccessibleName(QStringLiteral("denominatore"));
    // A part coloured or not changes what the help counts.
    connect(disegno, &PartsDrawing::toggled, this, &frmriconosco::helpChanged);
}

QString frmriconosco::spokenTask() const
{
    return ::spokenTask(m_task);
}

void frmriconosco::estrai()
{
    showTask(drawRecognise(rnd(), static_cast<RecogniseKind>(m_turn), settings().maxDenominator()));
}

void frmriconosco::showTask(const RecogniseTask &given)
{
    m_task = given;
    m_turn = (int(m_task.kind) + 1) % 2;
    const bool reading = m_task.kind == RecogniseKind::Read;
    const auto outline = m_task.shape == PartsShape::Sectors ? PartsDrawing::Outline::Sectors
        : m_task.shape == PartsShape::Grid                   ? PartsDrawing::Outline::Grid
                                                             : PartsDrawing::Outline::Strips;
    disegno->setShape(outline, m_task.fraction.denominator);
    disegno->setToggles(!reading);
    Label1->setText(reading ? QStringLiteral("Che frazione è colorata?")
                            : QStringLiteral("Colora la frazione:"));
    for (QWidget *box : {static_cast<QWidget *>(txtn), static_cast<QWidget *>(txtd)})
        box->setVisible(reading);
    lbln->setVisible(!reading);
    lbld->setVisible(!reading);
    txtn->setText(QString());
    txtd->setText(QString());
    if (reading) {
        disegno->setColoured(m_task.fraction.numerator);
        lbln->setText(QString());
        lbld->setText(QString());
        txtn->setFocus();
        return;
    }
    showFraction(m_task.fraction, lbln, lbld, Line1);
    // The parts, in order, then Conferma: the whole shape is one stop of
    // the Tab chain, entered at the part last visited.
    const std::vector<QPushButton *> &parts = disegno->toggles();
    for (std::size_t k = 1; k < parts.size(); ++k)
        setTabOrder(parts[k - 1], parts[k]);
    setTabOrder(parts.back(), cmdconferma);
    parts.front()->setFocus();
}

frmriconosco::Verdict frmriconosco::judge()
{
    if (m_task.kind == RecogniseKind::Colour)
        return verdict(judgeColoured(m_task, disegno->coloured()),
                       QStringLiteral("Esatto, complimenti!"),
                       QStringLiteral("Sbagliato, riprova!"));
    const Judgement judgement = ::judge(m_task, {txtn->text(), txtd->text()});
    emptyWrong(judgement, {txtn, txtd});
    return verdict(judgement, QStringLiteral("Esatto, complimenti!"),
                   QStringLiteral("Sbagliato, riprova!"));
}

Help frmriconosco::helpAt(int level, const Judgement &last) const
{
    return help(m_task, last.step, level, disegno->coloured());
}
