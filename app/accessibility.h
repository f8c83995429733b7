// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class Voice;

// Only the layout says that a number stands over a bar over another number.
// Both labels keep their number as their name and get the whole fraction as
// their description; an empty label clears it. The bar, when given, is the
// one object a screen reader reads the fraction by.
void describeFraction(QLabel *numerator, QLabel *denominator, QWidget *bar = nullptr);
// A number of a fraction that has an object of its own is no line of its
// own to a screen reader: it keeps its name, but is not shown to it.
void keepInFraction(QLabel *number);

// What is said without being asked, as a task appears or a verdict is
// given: to a screen reader, and through the program's own voice when it
// is on. It takes no room and shows nothing: to assistive technology it is
// a notification, spoken each time it is shown anew.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    Announcer(QWidget *window, Voice &voice);

    // What one handler says is one announcement. The voice says it as soon
    // as the handler is done; a screen reader hears it once the window is
    // active, so that it comes after the screen reader has named the
    // window.
    void say(const QString &text);
    // The same for a screen reader alone: what the child asked for
    // (Ctrl+L), which the program's own voice reads its own way.
    void sayToScreenReader(const QString &text);

    // The last announcement made.
    QString text() const { return m_text; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sayWhenActive();
    void announce(const QString &text);

    Voice &m_voice;
    QStringList m_toSay;
    QStringList m_toVoice;
    QString m_text;
};

// Screens are windows to assistive technology, and click areas are buttons
// that can be pressed by name.
void installAccessibility();
