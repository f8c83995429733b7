// SPDX-License-Identifier: GPL-3.0-or-later

#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

namespace {

const QString fileName = QStringLiteral("quotelle/quotelle.conf");

// The user's configuration folder first, then the lab's, most important first.
QStringList configFolders()
{
    return QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
}

// A line QSettings would pass over in silence: neither blank, nor a comment,
// nor a [group], nor key = value.
bool isGarbage(const QByteArray &line)
{
    const QByteArray trimmed = line.trimmed();
    return !trimmed.isEmpty() && !trimmed.startsWith(';') && !trimmed.startsWith('#')
        && !(trimmed.startsWith('[') && trimmed.endsWith(']')) && !trimmed.contains('=');
}

// What a person typed, as one line can show it: a stray control character
// or a NUL from a damaged file would cut the line on the error output.
QString printable(QString text)
{
    for (QChar &c : text) {
        if (!c.isPrint())
            c = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

SettingsRead readSettingsFile(const QString &path)
{
    SettingsRead read;
    QFile file(path);
    if (!file.exists())
        return read;
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        read.problems << QStringLiteral("quotelle: %1: il file non si può leggere (%2); "
                                        "non conta")
                             .arg(path,
                                  QFileInfo(path).isDir() ? QStringLiteral("è una cartella")
                                                          : file.errorString());
        return read;
    }
    int number = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        ++number;
        if (isGarbage(line))
            read.problems << QStringLiteral("quotelle: %1, riga %2: «%3» non è chiave = valore; "
                                            "la riga non conta")
                                 .arg(path)
                                 .arg(number)
                                 .arg(printable(QString::fromUtf8(line.trimmed())));
    }
    const QSettings ini(path, QSettings::IniFormat);
    for (const QString &key : ini.allKeys()) {
        // "a, b" reads as a list: a value no key takes.
        const QString text = ini.value(key).toStringList().join(QStringLiteral(", "));
        const SettingCheck checked = checkSetting(key, text);
        if (checked.ok()) {
            read.values[key] = checked.value;
            continue;
        }
        const QString shown = !key.contains(QLatin1Char('/'))
            ? key
            : QStringLiteral("[%1] %2").arg(key.section(QLatin1Char('/'), 0, 0),
                                            key.section(QLatin1Char('/'), 1));
        read.problems << QStringLiteral("quotelle: %1: %2 = «%3»: %4; la riga non conta")
                             .arg(path, printable(shown), printable(text), checked.problem);
    }
    return read;
}

SettingsFile::SettingsFile(QObject *parent) : QObject(parent) { }

void SettingsFile::load()
{
    const QStringList folders = configFolders();
    m_lab.clear();
    m_user.clear();
    // The first of the lab's folders is the most important: read it last.
    for (qsizetype k = folders.size() - 1; k >= 0; --k) {
        SettingsRead read = readSettingsFile(QDir(folders.at(k)).filePath(fileName));
        for (const QString &problem : read.problems)
            std::fputs(qPrintable(problem + QLatin1Char('\n')), stderr);
        std::map<QString, QString> &layer = k == 0 ? m_user : m_lab;
        read.values.merge(layer);
        layer = std::move(read.values);
    }
    update();
}

void SettingsFile::setOption(const QString &key, const QString &value)
{
    m_options[key] = value;
    update();
}

SettingSource SettingsFile::source(const QString &key) const
{
    if (m_options.count(key))
        return SettingSource::Option;
    if (m_user.count(key))
        return SettingSource::User;
    return m_lab.count(key) ? SettingSource::Lab : SettingSource::Default;
}

QString SettingsFile::fileValue(const QString &key) const
{
    for (const auto *layer : {&m_user, &m_lab}) {
        const auto found = layer->find(key);
        if (found != layer->end())
            return found->second;
    }
    return Settings().value(key);
}

QString SettingsFile::userPath() const
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(fileName);
}

std::optional<QString> SettingsFile::save(const std::map<QString, QString> &changes)
{
    std::map<QString, QString> user = changes;
    user.merge(std::map<QString, QString>(m_user));
    // Written by hand rather than by QSettings: the same plain lines a
    // teacher writes, in the order of the table.
    QString text = QStringLiteral("; Le quotelle: le scelte dell’insegnante su questo computer.\n"
                                  "; Le ha scritte la finestra «Impostazioni per l’insegnante».\n");
    QString group;
    for (const SettingKey &key : settingKeys()) {
        const auto value = user.find(key.key);
        if (value == user.end())
            continue;
        const QString section = key.key.section(QLatin1Char('/'), 0, 0);
        if (section != group) {
            group = section;
            text += QStringLiteral("\n[%1]\n").arg(group);
        }
        text +=
            QStringLiteral("%1 = %2\n").arg(key.key.section(QLatin1Char('/'), 1), value->second);
    }
    const QString path = userPath();
    if (!QDir().mkpath(QFileInfo(path).path()))
        return QStringLiteral("non si può creare la cartella %1").arg(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return file.errorString();
    m_user = std::move(user);
    update();
    return std::nullopt;
}

void SettingsFile::update()
{
    Settings inForce;
    for (const auto *layer : {&m_lab, &m_user, &m_options})
        for (const auto &[key, value] : *layer)
            inForce.set(key, value);
    m_inForce = inForce;
    emit changed();
}
