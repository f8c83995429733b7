#include "frmcomplementare.h"

frmcomplementare::frmcomplementare(Registry &registry)
    : Exercise(registry, QStringLiteral("frmcomplementare"),
               QStringLiteral("Trovo la frazione complementare"), QColor(255, 192, 255))
{
    fineButton(5);
}
