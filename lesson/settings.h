// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <map>
#include <optional>
#include <vector>

// As comparison.h has it; declared alone here, so that the screens and the
// framework that read the settings see no more of the lesson than this.
enum class Direction;

// One value a key takes, with the words the teacher's window shows it by.
struct SettingChoice
{
    QString value;
    QString caption;
};

// One key of the teacher's settings file, as QSettings names it
// ("esercizi/denominatore_massimo"): what the window calls it, the value
// that leaves the program as it has always been, and the values it takes,
// a whole number from minimum to maximum or one of the choices' words. The
// window offers the choices only.
struct SettingKey
{
    QString key;
    QString label;
    QString fallback;
    std::vector<SettingChoice> choices;
    int minimum = 0;
    int maximum = 0;

    bool isNumber() const { return maximum > 0; }
};

// Every key the file may hold, in the order the window shows them.
const std::vector<SettingKey> &settingKeys();
// The keys only the lab's file may hold, [laboratorio]: they say what the
// teacher's window may do, so the window never shows them.
const std::vector<SettingKey> &labSettingKeys();
// A key of either table.
const SettingKey *findSettingKey(const QString &key);
// A key as a person writes it in the file: "[esercizi] ordine".
QString writtenKey(const QString &key);

// What a person typed for a key, checked: the value in its plain form
// ("Sì" is "si", "020" is "20"), or a sentence saying what is wrong.
struct SettingCheck
{
    QString value;
    QString problem;

    bool ok() const { return problem.isEmpty(); }
};
SettingCheck checkSetting(const QString &key, const QString &text);

enum class Pace { Slow, Normal, Fast };

// The teacher's choices in force, each key at its default until set.
class Settings
{
public:
    QString value(const QString &key) const;
    // Sets a value that checkSetting has given.
    void set(const QString &key, const QString &value) { m_values[key] = value; }

    // The lab's file wins over the user's, and the teacher's window only shows.
    bool locked() const;
    // Whether the teacher's window opens at all.
    bool teacherWindow() const;

    int maxDenominator() const;
    // The order Metti in ordine always asks, or none when the child chooses.
    std::optional<Direction> fixedOrder() const;
    bool help() const;
    bool voice() const;
    Pace pace() const;
    bool pad() const;
    bool whiteboard() const;
    bool timesTable() const;
    bool readBack() const;
    // Whether the teacher switched a topic on: "equivalenti" for the key
    // argomenti/equivalenti.
    bool topic(const QString &name) const;

private:
    bool yes(const QString &key) const;

    std::map<QString, QString> m_values;
};
