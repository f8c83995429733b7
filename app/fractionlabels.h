// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accessibility.h"
#include "clickarea.h"
#include "fraction.h"
#include "spoken.h"

#include <QLabel>

// Shows a fraction in its numerator and denominator labels and makes whole,
// the click area that stands for it or the bar between its numbers, the one
// object a screen reader reads it by, in the flat review too. The labels
// keep their numbers as their names; over a bar they are described as the
// whole fraction as well.
inline void showFraction(const Fraction &fraction, QLabel *numerator, QLabel *denominator,
                         QWidget *whole)
{
    numerator->setText(QString::number(fraction.numerator));
    denominator->setText(QString::number(fraction.denominator));
    whole->setAccessibleName(spoken(fraction));
    keepInFraction(numerator);
    keepInFraction(denominator);
    if (!qobject_cast<ClickArea *>(whole))
        describeFraction(numerator, denominator);
}
