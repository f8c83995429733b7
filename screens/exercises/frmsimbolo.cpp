#include "frmsimbolo.h"

frmsimbolo::frmsimbolo(Registry &registry)
    : Exercise(registry, QStringLiteral("frmsimbolo"),
               QStringLiteral("Inserisci il simbolo giusto"), QColor(255, 192, 128))
{
    fineButton(7);
}
