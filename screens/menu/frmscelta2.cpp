// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmscelta2.h"

#include "voice.h"

#include <QLabel>
#include <QPushButton>

frmscelta2::frmscelta2()
    : Screen(QStringLiteral("frmscelta2"), QStringLiteral("Confronto le quotelle"), 5310, 3780,
             QColor(255, 192, 255))
{
    cmdsimbolo = button("cmdsimbolo", QStringLiteral("&Inserisci il simbolo giusto"), 3000, 1200,
                        1935, 855, Font::comic(12), 2);
    cmdmax = button("cmdmax", QStringLiteral("&Trova la maggiore"), 1680, 2520, 1935, 855,
                    Font::comic(12), 3);
    cmdordine = button("cmdordine", QStringLiteral("&Metti in ordine"), 360, 1200, 1935, 855,
                       Font::comic(12), 1);
    Label1 = label("Label1", QStringLiteral("SCEGLI !"), 360, 240, 4575, 615,
                   Font::comic(24).boldFace(), Qt::AlignHCenter, QColor(255, 0, 0));
    // The question is the window's: a screen reader says it with the
    // window's name as it opens.
    setAccessibleDescription(Label1->text());

    connect(cmdsimbolo, &QPushButton::clicked, this, &frmscelta2::cmdsimbolo_Click);
    connect(cmdmax, &QPushButton::clicked, this, &frmscelta2::cmdmax_Click);
    connect(cmdordine, &QPushButton::clicked, this, &frmscelta2::cmdordine_Click);
}

void frmscelta2::choose(const QString &exercise)
{
    moveTo(exercise);
    emit unloadWanted(QStringLiteral("frminizio"));
}

void frmscelta2::cmdsimbolo_Click()
{
    choose(QStringLiteral("frmsimbolo"));
}

void frmscelta2::cmdmax_Click()
{
    choose(QStringLiteral("frmmax"));
}

void frmscelta2::cmdordine_Click()
{
    choose(QStringLiteral("frmordine"));
}

void frmscelta2::Form_Load()
{
    Screen::Form_Load();
    voice()->speak(reading(), this);
}
