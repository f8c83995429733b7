#pragma once

#include "screen.h"

// Rule 2: the complementary fraction.
class frmregolecomplementare : public Page
{
    Q_OBJECT

public:
    explicit frmregolecomplementare(Registry &registry);
};
