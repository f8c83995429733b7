// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

class QLabel;

// How a fraction is read aloud, the way a teacher says it: "un mezzo",
// "3 quarti", "7 ventitreesimi". Outside the denominators 2 to 99, which
// the screens never show, it falls back to "3 su 100".
QString spokenFraction(int numerator, int denominator);

// Only the layout says that a number stands over a bar over another number.
// Both labels keep their number as their name and get the whole fraction as
// their description; an empty label clears it.
void describeFraction(QLabel *numerator, QLabel *denominator);

// What a screen reader says without being asked, as a task appears or a
// verdict is given. It takes no room and shows nothing: to assistive
// technology it is a notification, spoken each time it is shown anew.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *screen);

    QString text() const { return m_text; }
    void announce(const QString &text);

private:
    QString m_text;
};

// Screens are windows to assistive technology, and click areas are buttons
// that can be pressed by name.
void installAccessibility();
