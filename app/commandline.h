// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of the program.
struct CommandLine
{
    enum class Action { Run, ShowHelp, ShowVersion, CheckSettings, Refuse };

    Action action = Action::Run;
    // The help, the version, or what was wrong with a hint to --help.
    QString message;
    // The long name of each option given.
    QStringList given;

    bool isSet(const QString &name) const { return given.contains(name); }
    // Prints the message, on the error output for a refusal, or the check
    // of the settings files, and returns the exit status: 0, 1 for settings
    // files with a line that does not count, 2 for a command line the
    // program does not take.
    int reply() const;
};

// Reads the arguments, the program's name first, as the program's options.
CommandLine parseCommandLine(const QStringList &arguments);

// The platform plugin to ask Qt for, or nothing to leave Qt its own choice.
// On a Wayland session the program runs through XWayland, where windows
// are placed and activated as on X11, unless QT_QPA_PLATFORM or -platform
// says otherwise.
QByteArray platformFor(const QStringList &arguments, const QProcessEnvironment &environment);

// Before QApplication: answers --help, --version and --controlla, which need no display,
// and chooses the platform. Gives the exit status when the program is done.
// Qt's own options (-platform, -style) are only known once QApplication has
// taken them out, so the rest of the command line is judged after it.
std::optional<int> prepareStart(int argc, char *argv[]);
