#include "frmordine.h"

frmordine::frmordine(Registry &registry)
    : Exercise(registry, QStringLiteral("frmordine"), QStringLiteral("Metto in ordine le quotelle"),
               QColor(255, 192, 192))
{
    fineButton(3);
}
