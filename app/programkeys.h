// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class QKeyEvent;
class QWidget;

// What one of the program's own keys asks for.
enum class KeyAction {
    Help,
    TimesTable,
    TeacherTask,
    Read,
    Pad,
    ZoomIn,
    ZoomOut,
    ZoomReset,
    Settings
};

// One of the program's own keys, as the README and the manual page list it.
struct ProgramKey
{
    // As written for people: "F1", "Ctrl+L", "Ctrl+−".
    const char *name;
    KeyAction action;
    // What it does, on which screens, and the setting with which the
    // teacher switches it off ("no": it is always there). In Italian.
    const char *does;
    const char *where;
    const char *switchOff;
};

// Every key of the program's own, one a row.
const std::vector<ProgramKey> &programKeys();

// The program key that event is, told apart by what it types, so that +
// works as its own key (Italian keyboards), as Shift and = (American ones)
// and on the keypad alike.
std::optional<KeyAction> programKey(const QKeyEvent &event);

// The one place the program's keys are taken: wherever the focus is on one
// of the program's windows, before any control sees them, so that a text
// box never types them and no control's shortcut takes them.
class KeyDispatch : public QObject
{
    Q_OBJECT

public:
    // Says whether the window takes that key, and when run is set, does
    // what it asks.
    using Handler = std::function<bool(KeyAction action, QWidget *window, bool run)>;

    explicit KeyDispatch(Handler handler, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler m_handler;
};
