// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class Screen;

// The keys of one exercise at the whiteboard, where nobody has a keyboard:
// push buttons that type into the answer box with the focus as the keys
// would, and one, "Cancella", that deletes the last character. The screen
// arranges them within the room it keeps for its aids, clear of every box,
// number and button at every zoom; they never take the focus.
class PadKeys : public QWidget
{
    Q_OBJECT

public:
    PadKeys(Screen *screen, const QStringList &keys);

    // Types one key into the focused answer box, as the keyboard does.
    void press(const QString &key);

    // The keys' block, in twips, in rows of that many keys: three, as on a
    // telephone, or five, lower and wider, the digits as on a keyboard.
    QSize keysSize(int columns) const;
    // Lays the keys out in rows of columns at place, in twips on the screen.
    void arrange(int columns, const QRect &place);
    int columns() const { return m_columns; }

private:
    struct Key
    {
        QString text;
        int slot;
        int span;
    };
    std::vector<Key> grid(int columns) const;

    Screen *m_screen;
    QStringList m_keys;
    int m_columns = 3;
};

// Whether the screens that take a number pad show it: shown by itself when
// a finger or a pen presses an answer box, shown and hidden with Ctrl+T on
// any screen, shown from the start on the whiteboard. Once shown it stays
// on every such screen loaded later, until it is hidden.
class NumberPad : public QObject
{
    Q_OBJECT

public:
    // The screens loaded now, which show or hide their pad with it.
    using Screens = std::function<std::vector<Screen *>()>;

    explicit NumberPad(Screens screens, QObject *parent = nullptr);

    bool isShown() const { return m_shown; }
    void setShown(bool shown);
    void toggle() { setShown(!m_shown); }

    // Gives a screen that has just loaded, when it takes a pad and has
    // answer boxes, its pad.
    void attach(Screen *screen);

protected:
    // A press on an answer box with a finger or a pen.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showOn(Screen *screen);

    Screens m_screens;
    bool m_shown = false;
};
