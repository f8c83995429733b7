// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmscelta.h"

#include "voice.h"

#include <QLabel>
#include <QPushButton>

frmscelta::frmscelta()
    : Screen(QStringLiteral("frmscelta"), QStringLiteral("Calcolo le quotelle"), 3390, 2205,
             QColor(255, 192, 255))
{
    cmd1000 = button("cmd1000", QStringLiteral("1000"), 1800, 1200, 1215, 615, Font::comic(18), 2);
    cmd1000->setToolTip(QStringLiteral("Entro il 1000"));
    cmd100 = button("cmd100", QStringLiteral("100"), 360, 1200, 1215, 615, Font::comic(18), 1);
    cmd100->setToolTip(QStringLiteral("Entro il 100"));
    Label1 = label("Label1", QStringLiteral("Entro il 100 o il 1000?"), 120, 240, 3135, 495,
                   Font::comic(14.25), Qt::AlignHCenter, QColor(255, 0, 0));
    // The question is the window's: a screen reader says it with the
    // window's name as it opens.
    setAccessibleDescription(Label1->text());

    connect(cmd100, &QPushButton::clicked, this, &frmscelta::cmd100_Click);
    connect(cmd1000, &QPushButton::clicked, this, &frmscelta::cmd1000_Click);
}

void frmscelta::cmd100_Click()
{
    moveTo(QStringLiteral("frmcalcolo99"));
    emit unloadWanted(QStringLiteral("frminizio"));
}

void frmscelta::cmd1000_Click()
{
    moveTo(QStringLiteral("frmcalcolo"));
    emit unloadWanted(QStringLiteral("frminizio"));
}

void frmscelta::Form_Load()
{
    Screen::Form_Load();
    voice()->speak(reading(), this);
}
