#pragma once
#include "game/RandomSource.h"

// Always the same number: the levels of the window tests hold nothing that chance could move,
// so the value only has to be a valid one.
class SteadyRandom : public RandomSource {
public:
    double Rnd() override {
        ++draws;
        return 0.5;
    }
    int draws = 0;
};
