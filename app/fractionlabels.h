// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accessibility.h"
#include "fraction.h"
#include "spoken.h"

#include <QLabel>

// Shows a fraction in its numerator and denominator labels and says what it
// is to a screen reader: the click area that stands for it when it has one,
// the two labels otherwise.
inline void showFraction(const Fraction &fraction, QLabel *numerator, QLabel *denominator,
                         QWidget *area = nullptr)
{
    numerator->setText(QString::number(fraction.numerator));
    denominator->setText(QString::number(fraction.denominator));
    if (area)
        area->setAccessibleName(spoken(fraction));
    else
        describeFraction(numerator, denominator);
}
