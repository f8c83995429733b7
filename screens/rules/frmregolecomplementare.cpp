// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmregolecomplementare.h"

#include "accessibility.h"
#include "line.h"
#include "picture.h"

#include <QLabel>

frmregolecomplementare::frmregolecomplementare(const QStringList &pages)
    : RulesPage(QStringLiteral("frmregolecomplementare"),
                QStringLiteral("Come si calcola la frazione complementare"), pages)
{
    const QColor Sum(255, 0, 0);
    const Font big = Font::comic(20.25);

    Picture1 = pictureBox("Picture1", QStringLiteral("square-quarters.svg"), 360, 1800, 3375, 1815);
    Label9 = label("Label9",
                   QStringLiteral("Per completare l’intero devo colorare le rimanenti 3 parti. La "
                                  "frazione che, aggiunta a quella data, permette di avere "
                                  "l’intero si chiama frazione complementare."),
                   4080, 2520, 6255, 1095, body, Qt::AlignLeft, Blue);
    Label8 = label("Label8", QStringLiteral("dell'intero."), 7920, 1920, 1335, 495, body,
                   Qt::AlignLeft, Blue);
    Line1 = line("Line1", 7560, 2160, 7800, 2160, 1, Blue);
    Label7 =
        label("Label7", QStringLiteral("4"), 7560, 2160, 255, 375, body, Qt::AlignHCenter, Blue);
    Label6 =
        label("Label6", QStringLiteral("1"), 7560, 1800, 255, 375, body, Qt::AlignHCenter, Blue);
    Line5 = line("Line5", 6120, 5040, 6720, 5040, 3, Sum);
    Line4 = line("Line4", 4680, 5040, 5280, 5040, 3, Sum);
    Line3 = line("Line3", 3240, 5040, 3840, 5040, 3, Sum);
    Label18 =
        label("Label18", QStringLiteral("="), 5520, 4680, 375, 495, big, Qt::AlignHCenter, Sum);
    Label17 =
        label("Label17", QStringLiteral("+"), 4080, 4680, 375, 495, big, Qt::AlignHCenter, Sum);
    Label16 =
        label("Label16", QStringLiteral("= 1"), 6840, 4680, 975, 495, big, Qt::AlignHCenter, Sum);
    Label15 =
        label("Label15", QStringLiteral("4"), 6120, 5160, 615, 495, big, Qt::AlignHCenter, Sum);
    Label14 =
        label("Label14", QStringLiteral("4"), 6120, 4440, 615, 495, big, Qt::AlignHCenter, Sum);
    Label13 =
        label("Label13", QStringLiteral("4"), 4680, 5160, 615, 495, big, Qt::AlignHCenter, Sum);
    Label4 = label("Label4", QStringLiteral("3"), 4680, 4440, 615, 495, big, Qt::AlignHCenter, Sum);
    Label3 = label("Label3", QStringLiteral("4"), 3240, 5160, 615, 495, big, Qt::AlignHCenter, Sum);
    Label2 = label("Label2", QStringLiteral("1"), 3240, 4440, 615, 495, big, Qt::AlignHCenter, Sum);
    Label5 = label("Label5", QStringLiteral("La parte colorata rappresenta"), 4080, 1920, 3375, 495,
                   body, Qt::AlignLeft, Blue);
    title(7935);

    describeFraction(Label6, Label7, Line1);
    describeFraction(Label2, Label3, Line3);
    describeFraction(Label4, Label13, Line4);
    describeFraction(Label14, Label15, Line5);
    readingOrder({drawing(Picture1,
                          QStringLiteral("Disegno: un quadrato diviso in 4 parti "
                                         "uguali, ognuna un quarto; una parte è "
                                         "colorata di blu.")),
                  {Label5},
                  {Label6, Label7},
                  {Label8},
                  {Label9},
                  {Label2, Label3},
                  {Label17},
                  {Label4, Label13},
                  {Label18},
                  {Label14, Label15},
                  {Label16}});
}
