#pragma once

#include "exercise.h"

// The fraction of a number, in two written steps. One screen, two ranges:
// frmcalcolo works within 1000, frmcalcolo99 within 100.
class frmcalcolo : public Exercise
{
    Q_OBJECT

public:
    struct Range
    {
        const char *name;
        const char *caption;
        int limit; // the starting number stays below it
        QColor background;
    };
    static const Range Within1000;
    static const Range Within100;

    frmcalcolo(Registry &registry, const Range &range);

private:
    const Range &m_range;
};
