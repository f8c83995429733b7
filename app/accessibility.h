// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;

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
    explicit Announcer(QWidget *window);

    // What one handler says is spoken as one announcement, once the window
    // is active, so that it comes after the screen reader has named the
    // window.
    void say(const QString &text);

    // The last announcement made.
    QString text() const { return m_text; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sayWhenActive();
    void announce(const QString &text);

    QStringList m_toSay;
    QString m_text;
};

// Screens are windows to assistive technology, and click areas are buttons
// that can be pressed by name.
void installAccessibility();
