// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class Placement;
class QScreen;
class Screen;

// How large every screen is drawn, for the whiteboard or for a child who
// sees little: one of the steps 100 to 300 %, changed with Ctrl and + or −
// and back with Ctrl and 0, for as long as the program runs. A step that
// would not let every loaded window, frame included, fit its display is not
// taken.
class Zoom : public QObject
{
    Q_OBJECT

public:
    // The screens loaded now, which every step must let fit.
    using Screens = std::function<std::vector<Screen *>()>;

    Zoom(Placement &placement, Screens screens, QObject *parent = nullptr);

    int percent() const { return m_percent; }
    qreal factor() const { return m_percent / 100.0; }

    void in();
    void out();
    void reset();
    // Steps in up to percent, as far as the windows fit.
    void upTo(int percent);
    // The next screen loaded opens at the largest step that lets it fit its
    // display, as every screen after it does.
    void fillDisplay() { m_fillDisplay = true; }
    // Sets a screen being loaded for the display it will open on.
    void prepare(Screen &screen, const QScreen *display);

signals:
    // A new step was taken; every loaded screen is to be drawn at it.
    void changed(qreal factor);

private:
    bool fits(qreal factor) const;
    void set(int percent);
    // A button's name, shown when the pointer rests or a press is held on
    // it, is read from the board too.
    void scaleToolTips();

    Placement &m_placement;
    Screens m_screens;
    int m_percent = 100;
    bool m_fillDisplay = false;
    std::optional<QFont> m_toolTipFont;
};
