// SPDX-License-Identifier: GPL-3.0-or-later

#include "topics.h"

#include "frmaltre.h"
#include "frmdecimali.h"
#include "frmequivalenti.h"
#include "frmintero.h"
#include "frmpercentuale.h"
#include "frmregolefrazioni.h"
#include "frmriconosco.h"
#include "frmtipi.h"
#include "settings.h"
#include "topicrules.h"
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

TopicScreen exercise(const frmintero::Range &range, const char *choice)
{
    return {range.name, choice, [&range](Registry &owner) {
                auto screen = std::make_unique<frmintero>(owner, range);
                addTeacherTask(*screen, range, owner.voice());
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
        {"decimali", {exercise<frmdecimali>("frmdecimali", "Frazioni e numeri\n&decimali")}},
        {"intero",
         {exercise(frmintero::Within100, "Dalla frazione\nall’&intero (100)"),
          exercise(frmintero::Within1000, "Dalla frazione\nall’intero (&1000)")}},
        {"percentuale", {exercise<frmpercentuale>("frmpercentuale", "La percen&tuale")}},
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

namespace {

// The rules of the decimals, the whole from a fraction and percentages, in
// the order of their «Regola» buttons.
const std::vector<const TopicRulesPage::Content *> &rulesPages()
{
    static const std::vector<const TopicRulesPage::Content *> pages {
        &TopicRulesPage::Decimals, &TopicRulesPage::WholeFromFraction,
        &TopicRulesPage::Percentages};
    return pages;
}

} // namespace

QString topicsRules()
{
    return QStringLiteral("frmregolefrazioni");
}

QStringList topicsRulesPages()
{
    QStringList names;
    for (const TopicRulesPage::Content *page : rulesPages())
        names << QString::fromLatin1(page->name);
    return names;
}

void addTopicScreens(Registry &registry)
{
    for (const Topic &topic : topics()) {
        for (const TopicScreen &screen : topic.screens)
            registry.add(QLatin1String(screen.name), screen.make);
    }
    registry.add(topicsRules(), [](Registry &) { return std::make_unique<frmregolefrazioni>(); });
    for (const TopicRulesPage::Content *page : rulesPages())
        registry.add(QString::fromLatin1(page->name), [page](Registry &) {
            return std::make_unique<TopicRulesPage>(*page, topicsRulesPages(), topicsChoice());
        });
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
        // The rules of the decimals, the whole and percentages open like a
        // topic, when one of the three is on.
        for (const char *key : {"decimali", "intero", "percentuale"}) {
            if (owner.settings().topic(QLatin1String(key))) {
                choices.push_back(
                    {topicsRulesPages().front(),
                     QStringLiteral("Regole:\nde&cimali, intero,\npercentuale")});
                break;
            }
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
