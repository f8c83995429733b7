// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings.h"

#include <QObject>
#include <QStringList>

#include <map>
#include <optional>

// Where a setting in force comes from.
enum class SettingSource { Default, Lab, User, Option };
// The words the teacher's window and --controlla give a source by:
// "il laboratorio", "opzione --voce".
QString sourceName(SettingSource source, const QString &key);

// What one settings file holds: the checked values, and one line for each
// thing in it that cannot be used (a bad value, an unknown key, a line that
// is not INI, a file or a folder that cannot be read), naming the file.
struct SettingsRead
{
    std::map<QString, QString> values;
    QStringList problems;
    bool found = false;
};
SettingsRead readSettingsFile(const QString &path);

// A fault of the system in the words of the program's lines ("permesso
// negato"); the system's own words for one a teacher seldom meets.
QString systemReason(int error);

// quotelle --controlla: reads the files as the program does and prints a
// line for each problem, then what is in force and where it comes from.
// The exit status: 0, or 1 when a line does not count.
int checkSettingsFiles();

// The teacher's settings file, quotelle/quotelle.conf: the lab's in each
// folder of $XDG_CONFIG_DIRS, the user's in $XDG_CONFIG_HOME over them, key
// by key, and the command line over both. Only the user's file is ever
// written, whole or not at all.
class SettingsFile : public QObject
{
    Q_OBJECT

public:
    explicit SettingsFile(QObject *parent = nullptr);

    // Reads the files again. With no file every key keeps its default.
    void load();
    // One line for each thing the last load passed over, in the files' order.
    const QStringList &problems() const { return m_problems; }
    // The files the last load found, the lab's first.
    const QStringList &found() const { return m_found; }
    // A command-line option, which wins over both files.
    void setOption(const QString &key, const QString &value);

    const Settings &settings() const { return m_inForce; }
    SettingSource source(const QString &key) const;
    // What the files give, the command line aside.
    QString fileValue(const QString &key) const;
    QString userPath() const;

    // Puts these values into the user's file, keeping its other keys. On
    // failure nothing changes and the reason is given.
    std::optional<QString> save(const std::map<QString, QString> &changes);

signals:
    // The settings in force changed.
    void changed();

private:
    void update();

    std::map<QString, QString> m_lab;
    std::map<QString, QString> m_user;
    std::map<QString, QString> m_options;
    Settings m_inForce;
    QStringList m_problems;
    QStringList m_found;
};
