#include "frmmax.h"

frmmax::frmmax(Registry &registry)
    : Exercise(registry, QStringLiteral("frmmax"), QStringLiteral("Trovo la frazione maggiore"),
               QColor(192, 192, 255))
{
    fineButton(1);
}
