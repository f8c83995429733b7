// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rulespage.h"

class Line;
class Picture;
class QLabel;

// Rule 2: the complementary fraction.
class frmregolecomplementare : public RulesPage
{
    Q_OBJECT

public:
    frmregolecomplementare(const QStringList &pages);

    Picture *Picture1;
    QLabel *Label9;
    QLabel *Label8;
    Line *Line1;
    QLabel *Label7;
    QLabel *Label6;
    Line *Line5;
    Line *Line4;
    Line *Line3;
    QLabel *Label18;
    QLabel *Label17;
    QLabel *Label16;
    QLabel *Label15;
    QLabel *Label14;
    QLabel *Label13;
    QLabel *Label4;
    QLabel *Label3;
    QLabel *Label2;
    QLabel *Label5;
};
