#pragma once

#include <QLabel>

// Only the layout says that a number stands over a bar over another number;
// a screen reader hears it as "2 su 3" on both of them.
inline void describeFraction(QLabel *numerator, QLabel *denominator)
{
    const QString fraction = numerator->text() + QStringLiteral(" su ") + denominator->text();
    numerator->setAccessibleDescription(fraction);
    denominator->setAccessibleDescription(fraction);
}
