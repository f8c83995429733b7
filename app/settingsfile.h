// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings.h"

#include <QObject>
#include <QStringList>

#include <map>
#include <optional>

// Where a setting in force comes from.
enum class SettingSource { Default, Lab, User, Option };

// What one settings file holds: the checked values, and one line for each
// thing in it that cannot be used (a bad value, an unknown key, a line that
// is not INI, a file that cannot be read), naming the file.
struct SettingsRead
{
    std::map<QString, QString> values;
    QStringList problems;
};
SettingsRead readSettingsFile(const QString &path);

// The teacher's settings file, quotelle/quotelle.conf: the lab's in each
// folder of $XDG_CONFIG_DIRS, the user's in $XDG_CONFIG_HOME over them, key
// by key, and the command line over both. Only the user's file is ever
// written, whole or not at all.
class SettingsFile : public QObject
{
    Q_OBJECT

public:
    explicit SettingsFile(QObject *parent = nullptr);

    // Reads the files again; every problem goes, a line each, to the error
    // output. With no file every key keeps its default.
    void load();
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
};
