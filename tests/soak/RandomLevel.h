#pragma once
#include <random>

#include "pond/LevelRecord.h"

// Invents a level as a careless level maker might: any size up to 50 x 40, walls, balls of any
// colour, boulders, flies, vipers of any length, none or several houses, random counts of every
// kind, any golden ball chance, and now and then an outer ring with holes in it.
class RandomLevel {
public:
    static LevelRecord Make(std::mt19937& rng);
};
