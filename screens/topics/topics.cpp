// SPDX-License-Identifier: GPL-3.0-or-later

#include "topics.h"

#include "frmaltre.h"
#include "frmequivalenti.h"
#include "frmregolefrazioni.h"
#include "frmriconosco.h"
#include "frmtipi.h"
#include "settings.h"
#include "topictasks.h"

namespace {

// A topic's exercise draws with the registry's generator and takes the
// teacher's own task with F3.
template<typename T>
TopicScreen exercise(const char *name, const char *choice)
{
    return {name, choice, [](Registry &owner) {
                auto screen = std::make_unique<T>(owner);
                addTeacherTask(*screen, owner.voice());
                return screen;
            }};
}

} // namespace

const std::vector<Topic> &topics()
{
    static const std::vector<Topic> table {
        {"riconosco", {exercise<frmriconosco>("frmriconosco", "&Riconosco le frazioni")}},
        {"tipi", {exercise<frmtipi>("frmtipi", "Frazioni &proprie, improprie e apparenti")}},
        {"equivalenti", {exercise<frmequivalenti>("frmequivalenti", "Frazioni &equivalenti")}},
        {"decimali", {}},
        {"intero", {}},
        {"percentuale", {}},
    };
    return table;
}

QStringList topicKeys()
{
    QStringList keys;
    for (const Topic &topic : topics()) {
        if (!topic.screens.empty())
            keys << QStringLiteral("argomenti/") + QLatin1String(topic.key);
    }
    return keys;
}

bool anyTopicOn(const Settings &settings)
{
    for (const Topic &topic : topics()) {
        if (!topic.screens.empty() && settings.topic(QLatin1String(topic.key)))
            return true;
    }
    return false;
}

QString topicsChoice()
{
    return QStringLiteral("frmaltre");
}

QString topicsRules()
{
    return QStringLiteral("frmregolefrazioni");
}

void addTopicScreens(Registry &registry)
{
    for (const Topic &topic : topics()) {
        for (const TopicScreen &screen : topic.screens)
            registry.add(QLatin1String(screen.name), screen.make);
    }
    registry.add(topicsRules(), [](Registry &) { return std::make_unique<frmregolefrazioni>(); });
    // Built at every showing from the settings in force, so that it lists
    // what the teacher switched on last.
    registry.add(topicsChoice(), [](Registry &owner) {
        std::vector<frmaltre::Choice> choices;
        for (const Topic &topic : topics()) {
            if (!owner.settings().topic(QLatin1String(topic.key)))
                continue;
            for (const TopicScreen &screen : topic.screens)
                choices.push_back({QLatin1String(screen.name), QString::fromUtf8(screen.choice)});
        }
        return std::make_unique<frmaltre>(choices, topicsRules());
    });
}

QStringList topicScreenNames()
{
    QStringList names;
    for (const Topic &topic : topics()) {
        for (const TopicScreen &screen : topic.screens)
            names << QLatin1String(screen.name);
    }
    return names;
}
