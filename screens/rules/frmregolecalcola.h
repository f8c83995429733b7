// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rulespage.h"

class Line;
class Picture;
class QLabel;

// Rule 1: the parts of a fraction and the fraction of a number.
class frmregolecalcola : public RulesPage
{
    Q_OBJECT

public:
    frmregolecalcola(const QStringList &pages);

    Picture *Picture1;
    QLabel *Label12;
    QLabel *Label11;
    Line *Line2;
    QLabel *Label10;
    QLabel *Label9;
    QLabel *Label8;
    Line *Line1;
    QLabel *Label7;
    QLabel *Label6;
    QLabel *Label5;
    QLabel *Label4;
    QLabel *Label3;
    QLabel *Label2;
};
