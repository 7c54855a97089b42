#pragma once
#include <cstdint>

#include "game/HeadlessWorld.h"

// The busiest pond we can build: 50 x 40 cells, forty vipers of length 10 and 150 flies in the
// lower part, the golden ball surfacing every other tick, and a snake of 300 segments circling
// a walled-off track of 384 cells in the upper part, so it can step for as long as we like.
class BusyPond {
public:
    explicit BusyPond(std::uint32_t seed);

    static LevelRecord Level();
    // The level's set-up alone, with every cell drawn: what a level start costs.
    void SetUp();
    // Set-up, then play on until the snake is 300 long and the vipers have grown to full length.
    // The vipers soon box each other in and break up into balls, so a pond stays this busy for
    // a few dozen steps only.
    void Build();
    // The key that keeps the snake on its track.
    int NextDirection();
    bool Running() const { return world_.GameState == StateRunning; }

    modZurk3& World() { return world_; }

private:
    HeadlessWorld headless_;
    modZurk3& world_;
};
