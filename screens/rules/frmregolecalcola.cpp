// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmregolecalcola.h"

#include "accessibility.h"
#include "line.h"
#include "picture.h"

#include <QLabel>

frmregolecalcola::frmregolecalcola(const QStringList &pages)
    : RulesPage(QStringLiteral("frmregolecalcola"),
                QStringLiteral("Come si calcola la frazione di un numero"), pages)
{
    const QColor Definition(255, 0, 0);

    Picture1 = pictureBox("Picture1", QStringLiteral("fraction-parts.svg"), 360, 1920, 3855, 1335);
    Label12 = label("Label12",
                    QStringLiteral("per sapere quante parti sono state considerate e quindi "
                                   "moltiplicare 4 x 2 = 8."),
                    360, 5760, 8895, 495, body, Qt::AlignLeft, Blue);
    Label11 = label("Label11", QStringLiteral("di 12. Poi devo guardare il numeratore"), 6240, 5160,
                    4335, 495, body, Qt::AlignLeft, Blue);
    Line2 = line("Line2", 5760, 5400, 6120, 5400, 1, Blue);
    Label10 =
        label("Label10", QStringLiteral("3"), 5880, 5400, 135, 375, body, Qt::AlignLeft, Blue);
    Label9 = label("Label9", QStringLiteral("1"), 5880, 5040, 135, 375, body, Qt::AlignLeft, Blue);
    Label8 = label("Label8", QStringLiteral("di 12 → 12 : 3 = 4    In questo modo ottengo"), 960,
                   5160, 4815, 375, body, Qt::AlignLeft, Blue);
    Line1 = line("Line1", 480, 5400, 840, 5400, 1, Blue);
    Label7 = label("Label7", QStringLiteral("3"), 600, 5400, 255, 375, body, Qt::AlignLeft, Blue);
    Label6 = label("Label6", QStringLiteral("2"), 600, 5040, 255, 375, body, Qt::AlignLeft, Blue);
    Label5 = label("Label5",
                   QStringLiteral("Quando calcolo la frazione di un numero devo ricordarmi di "
                                  "guardare per prima cosa il denominatore,  esso infatti mi dice "
                                  "in quante parti devo dividerlo:"),
                   360, 4200, 9615, 855, body, Qt::AlignLeft, Blue);
    Label4 = label("Label4",
                   QStringLiteral("IL DENOMINATORE indica in quante parti uguali è stato diviso "
                                  "l'intero."),
                   4560, 3240, 4455, 735, body, Qt::AlignLeft, Definition);
    Label3 = label("Label3",
                   QStringLiteral("LA LINEA DI FRAZIONE indica che è avvenuta una divisione in "
                                  "parti uguali."),
                   4560, 2280, 4455, 735, body, Qt::AlignLeft, Definition);
    Label2 = label("Label2",
                   QStringLiteral("IL NUMERATORE indica quante parti dell'intero sono state "
                                  "considerate."),
                   4560, 1320, 4455, 735, body, Qt::AlignLeft, Definition);
    title(7575);

    describeFraction(Label6, Label7, Line1);
    describeFraction(Label9, Label10, Line2);
    readingOrder({drawing(Picture1,
                          QStringLiteral("Disegno: la frazione 2 terzi, con le frecce "
                                         "verso le parole numeratore, linea di "
                                         "frazione e denominatore.")),
                  {Label2},
                  {Label3},
                  {Label4},
                  {Label5},
                  {Label6, Label7},
                  {Label8},
                  {Label9, Label10},
                  {Label11},
                  {Label12}});
}
