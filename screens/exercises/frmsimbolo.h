#pragma once

#include "exercise.h"

// Six pairs of fractions and the symbol that belongs between them.
class frmsimbolo : public Exercise
{
    Q_OBJECT

public:
    explicit frmsimbolo(Registry &registry);
};
