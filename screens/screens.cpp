// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens.h"

#include "exercises/frmcalcolo.h"
#include "exercises/frmcomplementare.h"
#include "exercises/frmmax.h"
#include "exercises/frmordine.h"
#include "exercises/frmsimbolo.h"
#include "menu/frminizio.h"
#include "menu/frmscelta.h"
#include "menu/frmscelta2.h"
#include "registry.h"
#include "rules/frmregolecalcola.h"
#include "rules/frmregolecomplementare.h"
#include "rules/frmregoleconfronto.h"

namespace {

struct Entry
{
    const char *name;
    Registry::Factory make;
};

template<typename T>
Entry entry(const char *name)
{
    return {name, [](Registry &owner) { return std::make_unique<T>(owner); }};
}

Entry entry(const frmcalcolo::Range &range)
{
    return {range.name,
            [&range](Registry &owner) { return std::make_unique<frmcalcolo>(owner, range); }};
}

// Every screen the program has, the main menu first.
const std::vector<Entry> &table()
{
    static const std::vector<Entry> screens {
        entry<frminizio>("frminizio"),
        entry<frmscelta>("frmscelta"),
        entry<frmscelta2>("frmscelta2"),
        entry(frmcalcolo::Within100),
        entry(frmcalcolo::Within1000),
        entry<frmcomplementare>("frmcomplementare"),
        entry<frmsimbolo>("frmsimbolo"),
        entry<frmmax>("frmmax"),
        entry<frmordine>("frmordine"),
        entry<frmregolecalcola>("frmregolecalcola"),
        entry<frmregolecomplementare>("frmregolecomplementare"),
        entry<frmregoleconfronto>("frmregoleconfronto"),
    };
    return screens;
}

} // namespace

void addScreens(Registry &registry)
{
    for (const Entry &screen : table())
        registry.add(QString::fromLatin1(screen.name), screen.make);
}

QStringList screenNames()
{
    QStringList names;
    for (const Entry &screen : table())
        names << QString::fromLatin1(screen.name);
    return names;
}
