// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rulespage.h"

class Line;
class Picture;
class QLabel;

// Rule 3: comparing fractions that share a term.
class frmregoleconfronto : public RulesPage
{
    Q_OBJECT

public:
    frmregoleconfronto(const QStringList &pages);

    Picture *Picture3;
    Picture *Picture1;
    Line *Line5;
    QLabel *Label16;
    QLabel *Label15;
    Line *Line4;
    QLabel *Label14;
    QLabel *Label13;
    QLabel *Label12;
    QLabel *Label11;
    QLabel *Label8;
    QLabel *Label5;
    Line *Line3;
    QLabel *Label4;
    QLabel *Label3;
    QLabel *Label2;
    Line *Line2;
    QLabel *Label10;
    QLabel *Label9;
    Line *Line1;
    QLabel *Label7;
    QLabel *Label6;
};
