#pragma once

#include "exercise.h"

// The complementary fraction: what completes a proper fraction to the whole.
class frmcomplementare : public Exercise
{
    Q_OBJECT

public:
    explicit frmcomplementare(Registry &registry);
};
