#pragma once

#include "exercise.h"

// Five fractions that share a term, put in ascending or descending order.
class frmordine : public Exercise
{
    Q_OBJECT

public:
    explicit frmordine(Registry &registry);
};
