#pragma once
#include <string>
#include <vector>

#include "pond/LevelRecord.h"

// Looks for levels that load but cannot be played well. The food estimate is the snake's
// initial length plus 5 for every ball and 10 for every fly the snake can reach from its house
// (through anything but walls and closed houses) plus 5 for every random ball and 10 for every
// random fly; vipers and the golden ball are left out, as they may never turn into food.
class LevelChecker {
public:
    // One line per warning, each starting with "level <number>: ".
    static std::vector<std::string> Warnings(const LevelRecord& level, int number);

    // Vipers must start at least this many steps (counted along rows and columns) from the
    // house, so that none can meet the snake before the player has seen where it goes.
    static constexpr int SafeViperDistance = 4;
};
