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

template<typename T>
void add(Registry &registry, const char *name)
{
    registry.add(QString::fromLatin1(name),
                 [](Registry &owner) { return std::make_unique<T>(owner); });
}

} // namespace

void addScreens(Registry &registry)
{
    add<frminizio>(registry, "frminizio");
    add<frmscelta>(registry, "frmscelta");
    add<frmscelta2>(registry, "frmscelta2");
    for (const frmcalcolo::Range *range : {&frmcalcolo::Within1000, &frmcalcolo::Within100}) {
        registry.add(QString::fromLatin1(range->name), [range](Registry &owner) {
            return std::make_unique<frmcalcolo>(owner, *range);
        });
    }
    add<frmcomplementare>(registry, "frmcomplementare");
    add<frmsimbolo>(registry, "frmsimbolo");
    add<frmmax>(registry, "frmmax");
    add<frmordine>(registry, "frmordine");
    add<frmregolecalcola>(registry, "frmregolecalcola");
    add<frmregolecomplementare>(registry, "frmregolecomplementare");
    add<frmregoleconfronto>(registry, "frmregoleconfronto");
}

QStringList screenNames()
{
    return {QStringLiteral("frminizio"),
            QStringLiteral("frmscelta"),
            QStringLiteral("frmscelta2"),
            QStringLiteral("frmcalcolo99"),
            QStringLiteral("frmcalcolo"),
            QStringLiteral("frmcomplementare"),
            QStringLiteral("frmsimbolo"),
            QStringLiteral("frmmax"),
            QStringLiteral("frmordine"),
            QStringLiteral("frmregolecalcola"),
            QStringLiteral("frmregolecomplementare"),
            QStringLiteral("frmregoleconfronto")};
}
