// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings.h"

#include "comparison.h"

#include <QStringList>

#include <algorithm>

namespace {

// A row of the table. The window shows each value as Italian writes it:
// "sì", "a scelta".
SettingKey row(const char *key, const char *label, const char *fallback,
               std::initializer_list<const char *> values, int minimum = 0, int maximum = 0)
{
    std::vector<SettingChoice> choices;
    for (const char *value : values) {
        const QString plain = QLatin1String(value);
        QString caption = plain == QStringLiteral("si") ? QStringLiteral("sì") : plain;
        choices.push_back({plain, caption.replace(QLatin1Char('_'), QLatin1Char(' '))});
    }
    return {QLatin1String(key),
            QString::fromUtf8(label),
            QLatin1String(fallback),
            choices,
            minimum,
            maximum};
}

// "si o no", "a_scelta, crescente o decrescente".
QString listed(const std::vector<SettingChoice> &choices)
{
    QStringList words;
    for (const SettingChoice &choice : choices)
        words << choice.value;
    const QString last = words.takeLast();
    return words.join(QStringLiteral(", ")) + QStringLiteral(" o ") + last;
}

} // namespace

const std::vector<SettingKey> &settingKeys()
{
    static const std::vector<SettingKey> keys {
        // Ten is the least: with fewer denominators Metti in ordine could
        // not find five different fractions with a term in common.
        row("esercizi/denominatore_massimo", "Denominatori fino a", "99", {"10", "20", "50", "99"},
            10, 99),
        row("esercizi/ordine", "Metti in ordine", "a_scelta",
            {"a_scelta", "crescente", "decrescente"}),
        row("aiuti/aiuto", "Aiuto dopo gli errori", "si", {"si", "no"}),
        row("aiuti/voce", "Voce che legge", "no", {"si", "no"}),
        row("aiuti/velocita_voce", "Velocità della voce", "normale",
            {"lenta", "normale", "veloce"}),
        row("aiuti/tastierino", "Tastierino sullo schermo", "no", {"si", "no"}),
        row("aiuti/lim", "Alla LIM, tutto grande", "no", {"si", "no"}),
        row("aiuti/tavola_pitagorica", "Tavola pitagorica", "no", {"si", "no"}),
        row("aiuti/rileggi_numeri", "La voce rilegge i numeri", "si", {"si", "no"}),
        // The topics beyond the twelve screens, each off until the teacher
        // teaches it; the menu offers them only then.
        row("argomenti/riconosco", "Riconosco le frazioni", "no", {"si", "no"}),
        row("argomenti/tipi", "Frazioni proprie, improprie e apparenti", "no", {"si", "no"}),
        row("argomenti/equivalenti", "Frazioni equivalenti", "no", {"si", "no"}),
        row("argomenti/decimali", "Frazioni decimali", "no", {"si", "no"}),
        row("argomenti/intero", "Dalla frazione all’intero", "no", {"si", "no"}),
        row("argomenti/percentuale", "La percentuale", "no", {"si", "no"}),
    };
    return keys;
}

const std::vector<SettingKey> &labSettingKeys()
{
    static const std::vector<SettingKey> keys {
        row("laboratorio/blocca", "Le decide il laboratorio", "no", {"si", "no"}),
        row("laboratorio/finestra_insegnante", "La finestra per l’insegnante", "si", {"si", "no"}),
    };
    return keys;
}

const SettingKey *findSettingKey(const QString &key)
{
    for (const std::vector<SettingKey> *keys : {&settingKeys(), &labSettingKeys()}) {
        const auto found =
            std::find_if(keys->begin(), keys->end(),
                         [&key](const SettingKey &known) { return known.key == key; });
        if (found != keys->end())
            return &*found;
    }
    return nullptr;
}

QString writtenKey(const QString &key)
{
    if (!key.contains(QLatin1Char('/')))
        return key;
    return QStringLiteral("[%1] %2").arg(key.section(QLatin1Char('/'), 0, 0),
                                         key.section(QLatin1Char('/'), 1));
}

SettingCheck checkSetting(const QString &key, const QString &text)
{
    const SettingKey *known = findSettingKey(key);
    if (!known) {
        // The file is read as written: [Esercizi] is another section than
        // [esercizi], and the teacher should learn which one she meant.
        for (const std::vector<SettingKey> *keys : {&settingKeys(), &labSettingKeys()}) {
            for (const SettingKey &spelt : *keys) {
                if (spelt.key.compare(key, Qt::CaseInsensitive) == 0)
                    return {
                        {},
                        QStringLiteral("si scrive %1, in minuscolo").arg(writtenKey(spelt.key))};
            }
        }
        return {{}, QStringLiteral("il programma non ha questa impostazione")};
    }
    if (known->isNumber()) {
        bool number = false;
        const int value = text.toInt(&number, 10);
        if (!number || value < known->minimum || value > known->maximum
            || !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
            return {{},
                    QStringLiteral("ci vuole un numero da %1 a %2")
                        .arg(known->minimum)
                        .arg(known->maximum)};
        return {QString::number(value), {}};
    }
    // Teachers write "sì" as Italian has it, and capitals now and then.
    QString word = text.toLower();
    if (word == QStringLiteral("sì"))
        word = QStringLiteral("si");
    for (const SettingChoice &choice : known->choices) {
        if (choice.value == word)
            return {word, {}};
    }
    return {{}, QStringLiteral("ci vuole %1").arg(listed(known->choices))};
}

QString Settings::value(const QString &key) const
{
    const auto set = m_values.find(key);
    if (set != m_values.end())
        return set->second;
    const SettingKey *known = findSettingKey(key);
    return known ? known->fallback : QString();
}

bool Settings::locked() const
{
    return yes(QStringLiteral("laboratorio/blocca"));
}

bool Settings::teacherWindow() const
{
    return yes(QStringLiteral("laboratorio/finestra_insegnante"));
}

int Settings::maxDenominator() const
{
    return value(QStringLiteral("esercizi/denominatore_massimo")).toInt();
}

std::optional<Direction> Settings::fixedOrder() const
{
    const QString order = value(QStringLiteral("esercizi/ordine"));
    if (order == QStringLiteral("crescente"))
        return Direction::Ascending;
    if (order == QStringLiteral("decrescente"))
        return Direction::Descending;
    return std::nullopt;
}

bool Settings::help() const
{
    return yes(QStringLiteral("aiuti/aiuto"));
}

bool Settings::voice() const
{
    return yes(QStringLiteral("aiuti/voce"));
}

Pace Settings::pace() const
{
    const QString pace = value(QStringLiteral("aiuti/velocita_voce"));
    if (pace == QStringLiteral("lenta"))
        return Pace::Slow;
    return pace == QStringLiteral("veloce") ? Pace::Fast : Pace::Normal;
}

bool Settings::pad() const
{
    return yes(QStringLiteral("aiuti/tastierino"));
}

bool Settings::whiteboard() const
{
    return yes(QStringLiteral("aiuti/lim"));
}

bool Settings::timesTable() const
{
    return yes(QStringLiteral("aiuti/tavola_pitagorica"));
}

bool Settings::readBack() const
{
    return yes(QStringLiteral("aiuti/rileggi_numeri"));
}

bool Settings::topic(const QString &name) const
{
    return yes(QStringLiteral("argomenti/") + name);
}

bool Settings::yes(const QString &key) const
{
    return value(key) == QStringLiteral("si");
}
