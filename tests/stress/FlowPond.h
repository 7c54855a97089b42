#pragma once
#include <cstdint>
#include <random>

#include "game/LevelFlow.h"
#include "game/RandomSource.h"
#include "game/clsHraZurk3.h"
#include "game/modZurk3.h"
#include "rules/Fakes.h"

// A whole game as the window runs it, without the window: the level flow over a recording
// front end, with arrow keys tapped at random between the ticks of the step timer.
class FlowPond {
public:
    FlowPond(const clsHraZurk3& game, std::uint32_t seed);

    // One tick of the step timer after a random key or none; a finished game is started again.
    void Tick();

    int GamesEnded() const { return gamesEnded_; }

    SeededRandom random;
    RecordingPainter painter;
    RecordingCues cues;
    RecordingFrontEnd frontEnd;
    ScriptedKeys keys;
    modZurk3 world;  // after its outside world, so it goes first
    LevelFlow flow;

private:
    std::mt19937 rng_;
    int gamesEnded_ = 0;
};
