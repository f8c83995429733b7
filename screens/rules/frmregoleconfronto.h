#pragma once

#include "screen.h"

// Rule 3: comparing fractions that share a term.
class frmregoleconfronto : public Page
{
    Q_OBJECT

public:
    explicit frmregoleconfronto(Registry &registry);
};
