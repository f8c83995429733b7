// SPDX-License-Identifier: GPL-3.0-or-later

#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

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

// The line for a key that does not count.
QString keyProblem(const QString &path, const QString &key, const QString &text,
                   const QString &problem)
{
    return QStringLiteral("quotelle: %1: %2 = «%3»: %4; la riga non conta")
        .arg(path, printable(writtenKey(key)), printable(text), problem);
}

// The highest folder on the way to path that cannot be entered: the one a
// technician has to open up.
QString closedFolder(const QString &path)
{
    QString closed = QFileInfo(path).path();
    for (QString folder = closed; folder != QFileInfo(folder).path();
         folder = QFileInfo(folder).path()) {
        if (::access(QFile::encodeName(folder).constData(), X_OK) != 0 && errno == EACCES)
            closed = folder;
    }
    return closed;
}

bool isLabKey(const QString &key)
{
    return key.startsWith(QStringLiteral("laboratorio/"));
}

} // namespace

QString sourceName(SettingSource source, const QString &key)
{
    switch (source) {
    case SettingSource::User:
        return QStringLiteral("questo computer");
    case SettingSource::Lab:
        return QStringLiteral("il laboratorio");
    case SettingSource::Option:
        return QStringLiteral("opzione --") + key.section(QLatin1Char('/'), 1);
    case SettingSource::Default:
        break;
    }
    return QStringLiteral("predefinito");
}

QString systemReason(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("non c’è");
    case EACCES:
    case EPERM:
        return QStringLiteral("permesso negato");
    case EISDIR:
        return QStringLiteral("è una cartella, non un file");
    case ENOTDIR:
    case EEXIST:
        return QStringLiteral("nel percorso c’è un file al posto di una cartella");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("il disco è pieno");
    case EROFS:
        return QStringLiteral("il disco è di sola lettura");
    default:
        break;
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

SettingsRead readSettingsFile(const QString &path)
{
    SettingsRead read;
    if (::access(QFile::encodeName(path).constData(), F_OK) != 0) {
        // No file is no choice made; a folder that cannot be entered hides one.
        const int error = errno;
        if (error == EACCES)
            read.problems << QStringLiteral("quotelle: %1: la cartella non si può aprire (%2); "
                                            "%3 non conta")
                                 .arg(closedFolder(path), systemReason(error), path);
        else if (error != ENOENT)
            read.problems << QStringLiteral("quotelle: %1: il file non si può leggere (%2); "
                                            "non conta")
                                 .arg(path, systemReason(error));
        return read;
    }
    read.found = true;
    QFile file(path);
    const bool folder = QFileInfo(path).isDir();
    errno = 0;
    if (folder || !file.open(QIODevice::ReadOnly)) {
        const int error = folder ? EISDIR : errno;
        read.problems << QStringLiteral("quotelle: %1: il file non si può leggere (%2); "
                                        "non conta")
                             .arg(path, error ? systemReason(error) : file.errorString());
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
        read.problems << keyProblem(path, key, text, checked.problem);
    }
    return read;
}

int checkSettingsFiles()
{
    SettingsFile file;
    file.load();
    QStringList lines = file.problems();
    for (const QString &path : file.found())
        lines << QStringLiteral("Letto: %1 (%2)")
                     .arg(path,
                          sourceName(path == file.userPath() ? SettingSource::User
                                                             : SettingSource::Lab,
                                     {}));
    if (file.found().isEmpty())
        lines << QStringLiteral("Nessun file delle impostazioni: vale il predefinito.");
    if (file.settings().locked())
        lines << QStringLiteral("Il laboratorio blocca le impostazioni: "
                                "il file dell’utente non conta.");
    lines << QStringLiteral("In uso:");
    for (const std::vector<SettingKey> *keys : {&settingKeys(), &labSettingKeys()}) {
        for (const SettingKey &key : *keys)
            lines << QStringLiteral("  %1 = %2 (%3)")
                         .arg(writtenKey(key.key), file.settings().value(key.key),
                              sourceName(file.source(key.key), key.key));
    }
    const qsizetype problems = file.problems().size();
    lines << (problems == 0       ? QStringLiteral("Tutto a posto.")
                  : problems == 1 ? QStringLiteral("Una riga non conta.")
                                  : QStringLiteral("%1 righe non contano.").arg(problems));
    std::fputs(qPrintable(lines.join(QLatin1Char('\n')) + QLatin1Char('\n')), stdout);
    return problems == 0 ? 0 : 1;
}

SettingsFile::SettingsFile(QObject *parent) : QObject(parent) { }

void SettingsFile::load()
{
    const QStringList folders = configFolders();
    m_lab.clear();
    m_user.clear();
    m_problems.clear();
    m_found.clear();
    // The first of the lab's folders is the most important: read it last.
    for (qsizetype k = folders.size() - 1; k >= 0; --k) {
        const QString path = QDir(folders.at(k)).filePath(fileName);
        SettingsRead read = readSettingsFile(path);
        if (read.found)
            m_found << path;
        m_problems << read.problems;
        // What the lab decides is the lab's to say.
        for (auto key = read.values.begin(); k == 0 && key != read.values.end();) {
            if (!isLabKey(key->first)) {
                ++key;
                continue;
            }
            m_problems << keyProblem(path, key->first, key->second,
                                     QStringLiteral("vale solo nel file del laboratorio"));
            key = read.values.erase(key);
        }
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
    if (m_user.count(key) && !m_inForce.locked())
        return SettingSource::User;
    return m_lab.count(key) ? SettingSource::Lab : SettingSource::Default;
}

QString SettingsFile::fileValue(const QString &key) const
{
    for (const auto *layer : {&m_user, &m_lab}) {
        const auto found = layer->find(key);
        if (found != layer->end() && !(layer == &m_user && m_inForce.locked()))
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
    if (m_inForce.locked())
        return QStringLiteral("le decide il laboratorio");
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
    // The reason is read the moment a call fails, before anything else can
    // set errno again.
    errno = 0;
    if (!QDir().mkpath(QFileInfo(path).path()))
        return errno ? systemReason(errno) : QStringLiteral("la cartella non si può creare");
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return errno ? systemReason(errno) : file.errorString();
    m_user = std::move(user);
    update();
    return std::nullopt;
}

void SettingsFile::update()
{
    Settings inForce;
    for (const auto &[key, value] : m_lab)
        inForce.set(key, value);
    // A locked lab's file is all there is: as KDE's immutable settings, the
    // user's file is not read over it. A start's own options still count.
    const bool locked = inForce.locked();
    for (const auto *layer : {&m_user, &m_options}) {
        for (const auto &[key, value] : *layer) {
            if (!(locked && layer == &m_user))
                inForce.set(key, value);
        }
    }
    m_inForce = inForce;
    emit changed();
}
