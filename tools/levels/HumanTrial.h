#pragma once
#include <cstdint>

#include "tools/levels/LevelTrial.h"

struct HumanTiming {
    double StepMs = 80;  // the step timer's interval, as set in the speed dialog
    double NoiseMs = 0;  // spread (standard deviation) of a press around its intended moment
};

// Plays one level on the real rules as a person with imperfect timing would. The person plans
// like the autoplayer and sees each turn coming a step ahead; a turn's key is aimed at the
// middle of the step window in which it must fall, and lands off it by Gaussian noise. The
// game's own keyboard rules then decide at which step the press counts: one that lands a
// window early turns the snake a cell early, one that lands late turns it a cell late.
class HumanTrial {
public:
    static TrialResult Run(const clsHraZurk3& game, int level, std::uint32_t seed, std::uint32_t handSeed,
                           HumanTiming timing, int stepLimit);
};
