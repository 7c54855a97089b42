#pragma once
#include <cstdint>
#include <vector>

#include "tools/levels/HumanTrial.h"

class clsHraZurk3;

struct GradingRun {
    HumanTiming Timing;
    int Tries = 20;
    std::uint32_t Seed = 1;  // try i of a level plays the level's chances of seed + i
    int Jobs = 1;            // threads sharing the tries
    int StepLimit = 20000;
};

// How many of its tries the person with human timing wins on each level (index 0 is level 1);
// -1 for a level without a house. The same run always gives the same counts, however many jobs.
std::vector<int> WinsPerLevel(const clsHraZurk3& game, const GradingRun& run);
