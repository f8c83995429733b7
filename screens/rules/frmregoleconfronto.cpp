#include "frmregoleconfronto.h"

frmregoleconfronto::frmregoleconfronto(Registry &registry)
    : Page(registry, QStringLiteral("frmregoleconfronto"),
           QStringLiteral("Come si confrontano le quotelle"), 10620, 7185, QColor(255, 255, 128))
{
    fineButton(0);
}
