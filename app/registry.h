// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "placement.h"
#include "programkeys.h"
#include "random.h"
#include "settings.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class NumberPad;
class ReadBack;
class Screen;
class SettingsFile;
class Voice;
class Zoom;

// Owns the loaded screens, one instance per screen name, and moves between
// them: show loads a screen on first use, unload discards it, end stops the
// program. It hands the exercises their random generator, and keeps where
// windows go, how large they are drawn and whether the exercises show their
// number pad until the program ends, and the teacher's settings: the
// exercises ask them at every draw, and the aids follow each change. It is the one place that wires
// a screen that loads to these and to the voice; none of them knows it.
class Registry : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<std::unique_ptr<Screen>(Registry &)>;

    Registry();
    ~Registry() override;

    void add(const QString &name, Factory factory);
    // The screen the program opens with.
    void setHome(const QString &name) { m_home = name; }
    // The teacher's window, which the lab may hide: asked for then, it
    // does not open and the class is told why.
    void setTeacherWindow(const QString &name) { m_teacherWindow = name; }

    void start();
    void show(const QString &name);
    void unload(const QString &name);
    void end();

    Screen *screen(const QString &name) const;
    std::vector<Screen *> screens() const;
    QStringList loaded() const;
    bool hasEnded() const { return m_ended; }

    Random &random() { return *m_random; }
    void setRandom(std::unique_ptr<Random> random);

    Placement &placement() { return m_placement; }
    // The display a screen that loads now is centred on.
    QScreen *display() const;

    Zoom &zoom() { return *m_zoom; }
    Voice &voice() { return *m_voice; }
    NumberPad &pad() { return *m_pad; }
    ReadBack &readBack() { return *m_readBack; }
    // Whether the class works at the whiteboard, where the menu names its
    // pictures in words.
    bool atWhiteboard() const { return m_whiteboard; }
    void setWhiteboard(bool on) { m_whiteboard = on; }
    // Whether the typing exercises offer the times table (F2): only where
    // the teacher allowed it, as a compensatory tool.
    bool timesTableAllowed() const { return m_timesTable; }
    void setTimesTableAllowed(bool on) { m_timesTable = on; }

    SettingsFile &settingsFile() { return *m_settingsFile; }
    const Settings &settings() const;

protected:
    // Keeps a screen on its way out from taking input, and lets it go once
    // the next screen is on the display.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The program is over: "&Esci" was pressed or the last window was closed.
    void ended();

private:
    void wire(Screen *screen);
    // The one place the program's own keys are answered (programkeys.h).
    bool programKey(KeyAction action, QWidget *window, bool run);
    void releaseLeaving();
    // Tells the class why a screen did not open, on the menu.
    void refuse(const QString &text);
    // Turns the aids on or off where the settings changed them.
    void applySettings();

    std::map<QString, Factory> m_factories;
    QString m_home;
    QString m_teacherWindow;
    std::map<QString, std::unique_ptr<Screen>> m_screens;
    std::unique_ptr<Random> m_random;
    Placement m_placement;
    Zoom *m_zoom;
    Voice *m_voice;
    NumberPad *m_pad;
    ReadBack *m_readBack;
    SettingsFile *m_settingsFile;
    // The settings the aids were last set from: the defaults are how they start.
    Settings m_applied;
    bool m_ended = false;
    bool m_whiteboard = false;
    bool m_timesTable = false;
    bool m_firstLoad = true;
    // A new window is on the display only once the window manager has
    // mapped it. Until the screen last loaded is, the screens unloaded in
    // the meantime stay in sight, taking no input.
    QPointer<Screen> m_appearing;
    std::vector<QPointer<Screen>> m_leaving;
    QTimer m_patience;
};
