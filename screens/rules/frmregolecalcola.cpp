#include "frmregolecalcola.h"

frmregolecalcola::frmregolecalcola(Registry &registry)
    : Page(registry, QStringLiteral("frmregolecalcola"),
           QStringLiteral("Come si calcola la frazione di un numero"), 10620, 7185,
           QColor(255, 255, 128))
{
    fineButton(0);
}
