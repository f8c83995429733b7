#pragma once

#include "screen.h"

// Rule 1: the parts of a fraction and the fraction of a number.
class frmregolecalcola : public Page
{
    Q_OBJECT

public:
    explicit frmregolecalcola(Registry &registry);
};
