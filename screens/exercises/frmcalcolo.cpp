#include "frmcalcolo.h"

const frmcalcolo::Range frmcalcolo::Within1000 {"frmcalcolo", "Calcolo le quotelle entro il 1000",
                                                1000, QColor(192, 255, 255)};
const frmcalcolo::Range frmcalcolo::Within100 {"frmcalcolo99", "Calcolo le quotelle entro il 100",
                                               100, QColor(192, 255, 192)};

frmcalcolo::frmcalcolo(Registry &registry, const Range &range)
    : Exercise(registry, QString::fromLatin1(range.name), QString::fromUtf8(range.caption),
               range.background),
      m_range(range)
{
    fineButton(8);
}
