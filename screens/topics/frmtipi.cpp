// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmtipi.h"

#include "fractionlabels.h"
#include "line.h"
#include "partsdrawing.h"
#include "picture.h"

#include <QLabel>
#include <QPushButton>

frmtipi::frmtipi(Registry &registry)
    : Exercise(registry, QStringLiteral("frmtipi"),
               QStringLiteral("Frazioni proprie, improprie e apparenti"), QColor(255, 224, 176))
{
    const Font numbers = Font::sans(24);
    Picture1 = pictureBox("Picture1", QStringLiteral("banner-tipi.svg"), 1140, 240, 8340, 915);
    Picture2 = pictureBox("Picture2", QStringLiteral("boy-thinking.svg"), 7200, 1560, 3135, 3975);
    Label1 = label("Label1", QStringLiteral("Che frazione è?"), 360, 1440, 6495, 495,
                   Font::comic(15.75).boldFace());
    lbln = label("lbln", QString(), 600, 2160, 615, 495, numbers, Qt::AlignHCenter);
    Line1 = line("Line1", 480, 2760, 1320, 2760, 3);
    lbld = label("lbld", QString(), 600, 2880, 615, 495, numbers, Qt::AlignHCenter);
    disegno = new PartsDrawing(this);
    disegno->setObjectName(QStringLiteral("disegno"));
    addControl(disegno, QRect(1680, 2040, 5280, 1455));
    const QString names[3] = {QStringLiteral("&propria"), QStringLiteral("&impropria"),
                              QStringLiteral("&apparente")};
    const char *controls[3] = {"cmdpropria", "cmdimpropria", "cmdapparente"};
    for (int k = 0; k < 3; ++k) {
        cmdtipo[k] =
            button(controls[k], names[k], 480 + k * 2160, 3840, 1935, 615, Font::comic(14.25), k);
        // Each choice is judged at once, through Conferma's whole flow.
        connect(cmdtipo[k], &QPushButton::clicked, this, [this, k] {
            m_chosen = static_cast<FractionType>(k);
            cmdconferma->click();
        });
    }
    message(360, 4800, 6495, 735, Font::comic(21.75), QColor(0, 0, 255));
    confermaButton(2880, 6120, 1335, 495, Font {}, 3);
    cmdconferma->hide();
    fineButton(4);
    // Nothing to type: the pad, when it shows, has only its help key.
    setPadKeys({});
}

QString frmtipi::spokenTask() const
{
    return QStringLiteral("%1: propria, impropria o apparente?").arg(spoken(m_task.fraction));
}

void frmtipi::estrai()
{
    showTask(drawType(rnd()));
}

void frmtipi::showTask(const TypeTask &given)
{
    m_task = given;
    showFraction(m_task.fraction, lbln, lbld, Line1);
    disegno->setShape(PartsDrawing::Outline::Strips, m_task.fraction.denominator, m_task.wholes());
    disegno->setColoured(m_task.fraction.numerator);
    cmdtipo[0]->setFocus();
}

frmtipi::Verdict frmtipi::judge()
{
    return verdict(::judge(m_task, m_chosen), QStringLiteral("Esatto, complimenti!"),
                   QStringLiteral("Sbagliato, riprova!"));
}

Help frmtipi::helpAt(int level, const Judgement &) const
{
    return help(m_task, level);
}
