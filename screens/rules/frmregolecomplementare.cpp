#include "frmregolecomplementare.h"

frmregolecomplementare::frmregolecomplementare(Registry &registry)
    : Page(registry, QStringLiteral("frmregolecomplementare"),
           QStringLiteral("Come si calcola la frazione complementare"), 10620, 7185,
           QColor(255, 255, 128))
{
    fineButton(0);
}
