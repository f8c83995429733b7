// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmregoleconfronto.h"

#include "accessibility.h"
#include "line.h"
#include "picture.h"

#include <QLabel>

frmregoleconfronto::frmregoleconfronto(const QStringList &pages)
    : RulesPage(QStringLiteral("frmregoleconfronto"),
                QStringLiteral("Come si confrontano le quotelle"), pages)
{
    Picture3 = pictureBox("Picture3", QStringLiteral("circles.svg"), 5160, 1680, 4935, 1215);
    Picture1 = pictureBox("Picture1", QStringLiteral("pentagons.svg"), 240, 1680, 4335, 1215);
    Line5 = line("Line5", 10320, 4680, 9840, 4680, 1, Blue);
    Label16 = label("Label16",
                    QStringLiteral("Queste quotelle hanno numeratore uguale e denominatore "
                                   "diverso. Qual è la frazione maggiore? È maggiore la frazione "
                                   "con il denominatore più piccolo:"),
                    5280, 3480, 4575, 1455, body, Qt::AlignLeft, Blue);
    Label15 = label("Label15", QStringLiteral("ha il numeratore più grande:"), 720, 5280, 3135, 375,
                    body, Qt::AlignLeft, Blue);
    Line4 = line("Line4", 3840, 5520, 4320, 5520, 1, Blue);
    Label14 =
        label("Label14", QStringLiteral("4"), 9960, 4680, 255, 375, body, Qt::AlignHCenter, Blue);
    Label13 =
        label("Label13", QStringLiteral("2"), 9960, 4320, 255, 375, body, Qt::AlignHCenter, Blue);
    Label12 =
        label("Label12", QStringLiteral("5"), 3960, 5520, 255, 375, body, Qt::AlignHCenter, Blue);
    Label11 =
        label("Label11", QStringLiteral("3"), 3960, 5160, 255, 375, body, Qt::AlignHCenter, Blue);
    Label8 = label("Label8",
                   QStringLiteral("vedo che tutte hanno lo stesso denominatore, qual è quella "
                                  "maggiore? È maggiore quella che"),
                   720, 4080, 3615, 1095, body, Qt::AlignLeft, Blue);
    Label5 = label("Label5", QStringLiteral("e"), 3240, 3480, 135, 375, body, Qt::AlignLeft, Blue);
    Line3 = line("Line3", 3480, 3720, 3840, 3720, 1, Blue);
    Label4 = label("Label4", QStringLiteral("5"), 3600, 3720, 255, 375, body, Qt::AlignLeft, Blue);
    Label3 = label("Label3", QStringLiteral("2"), 3600, 3360, 255, 375, body, Qt::AlignLeft, Blue);
    Label2 = label("Label2", QStringLiteral("Se confronto"), 720, 3480, 1455, 375, body,
                   Qt::AlignLeft, Blue);
    Line2 = line("Line2", 2760, 3720, 3120, 3720, 1, Blue);
    Label10 =
        label("Label10", QStringLiteral("5"), 2880, 3720, 135, 375, body, Qt::AlignLeft, Blue);
    Label9 = label("Label9", QStringLiteral("3"), 2880, 3360, 135, 375, body, Qt::AlignLeft, Blue);
    Line1 = line("Line1", 2280, 3720, 2640, 3720, 1, Blue);
    Label7 = label("Label7", QStringLiteral("5"), 2400, 3720, 255, 375, body, Qt::AlignLeft, Blue);
    Label6 = label("Label6", QStringLiteral("1"), 2400, 3360, 255, 375, body, Qt::AlignLeft, Blue);
    title(6015);

    describeFraction(Label6, Label7, Line1);
    describeFraction(Label9, Label10, Line2);
    describeFraction(Label3, Label4, Line3);
    describeFraction(Label11, Label12, Line4);
    describeFraction(Label13, Label14, Line5);
    readingOrder({drawing(Picture1,
                          QStringLiteral("Disegno: tre pentagoni, ognuno diviso in 5 "
                                         "parti uguali; sono colorati un quinto, 3 "
                                         "quinti e 2 quinti.")),
                  {Label2},
                  {Label6, Label7},
                  {Label9, Label10},
                  {Label5},
                  {Label3, Label4},
                  {Label8},
                  {Label15},
                  {Label11, Label12},
                  drawing(Picture3,
                          QStringLiteral("Disegno: tre cerchi divisi in 8, in 4 e in "
                                         "16 spicchi uguali; in ognuno sono colorati "
                                         "2 spicchi: 2 ottavi, 2 quarti e 2 "
                                         "sedicesimi.")),
                  {Label16},
                  {Label13, Label14}});
}
