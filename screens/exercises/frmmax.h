#pragma once

#include "exercise.h"

// The largest of four fractions that share a term, picked with the mouse.
class frmmax : public Exercise
{
    Q_OBJECT

public:
    explicit frmmax(Registry &registry);
};
