// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens.h"

#include "exercises/frmcalcolo.h"
#include "exercises/frmcomplementare.h"
#include "exercises/frmmax.h"
#include "exercises/frmordine.h"
#include "exercises/frmsimbolo.h"
#include "exercises/teachertasks.h"
#include "menu/frminizio.h"
#include "menu/frmscelta.h"
#include "menu/frmscelta2.h"
#include "registry.h"
#include "rules/frmregolecalcola.h"
#include "rules/frmregolecomplementare.h"
#include "rules/frmregoleconfronto.h"
#include "settingsfile.h"
#include "teacher/frmimpostazioni.h"
#include "topics/topics.h"

namespace {

struct Entry
{
    const char *name;
    Kind kind;
    Registry::Factory make;
};

template<typename T>
Entry entry(const char *name, Kind kind)
{
    return {name, kind, [](Registry &) { return std::make_unique<T>(); }};
}

// An exercise draws its tasks with the registry's generator.
template<typename T>
Entry exercise(const char *name)
{
    return {name, Kind::Exercise, [](Registry &owner) {
                auto screen = std::make_unique<T>(owner);
                addTeacherTask(*screen, owner.voice());
                return screen;
            }};
}

Entry entry(const frmcalcolo::Range &range)
{
    return {range.name, Kind::Exercise, [&range](Registry &owner) {
                auto screen = std::make_unique<frmcalcolo>(owner, range);
                addTeacherTask(*screen, range, owner.voice());
                return screen;
            }};
}

// A rules page links to all the others.
template<typename T>
Entry rules(const char *name)
{
    return {name, Kind::RulesPage,
            [](Registry &) { return std::make_unique<T>(screenNames(Kind::RulesPage)); }};
}

// Every screen the program has, the main menu first.
const std::vector<Entry> &table()
{
    static const std::vector<Entry> screens {
        {"frminizio", Kind::Menu,
         [](Registry &owner) {
             auto menu = std::make_unique<frminizio>();
             if (owner.atWhiteboard())
                 menu->showNames();
             if (anyTopicOn(owner.settings()))
                 menu->showTopics();
             // The teacher switches topics on and off in her window, over
             // the menu: the menu is built again when she goes back to it.
             QObject::connect(&owner.settingsFile(), &SettingsFile::changed, menu.get(),
                              [&owner, self = menu.get(), shown = anyTopicOn(owner.settings())] {
                                  const QString name = self->name();
                                  if (anyTopicOn(owner.settings()) != shown
                                      && owner.screen(name) == self && owner.loaded().size() > 1)
                                      owner.unload(name);
                              });
             return menu;
         }},
        entry<frmscelta>("frmscelta", Kind::Choice),
        entry<frmscelta2>("frmscelta2", Kind::Choice),
        entry(frmcalcolo::Within100),
        entry(frmcalcolo::Within1000),
        exercise<frmcomplementare>("frmcomplementare"),
        exercise<frmsimbolo>("frmsimbolo"),
        exercise<frmmax>("frmmax"),
        exercise<frmordine>("frmordine"),
        rules<frmregolecalcola>("frmregolecalcola"),
        rules<frmregolecomplementare>("frmregolecomplementare"),
        rules<frmregoleconfronto>("frmregoleconfronto"),
    };
    return screens;
}

} // namespace

void addScreens(Registry &registry)
{
    for (const Entry &screen : table())
        registry.add(QString::fromLatin1(screen.name), screen.make);
    registry.add(teacherScreen(), [](Registry &owner) {
        return std::make_unique<frmimpostazioni>(owner.settingsFile(), topicKeys());
    });
    addTopicScreens(registry);
    registry.setTeacherWindow(teacherScreen());
    registry.setHome(screenNames(Kind::Menu).constFirst());
}

QString teacherScreen()
{
    return QStringLiteral("frmimpostazioni");
}

QStringList screenNames(std::optional<Kind> kind)
{
    QStringList names;
    for (const Entry &screen : table()) {
        if (!kind || screen.kind == *kind)
            names << QString::fromLatin1(screen.name);
    }
    return names;
}
