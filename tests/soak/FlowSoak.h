#pragma once
#include <cstdint>
#include <random>
#include <string>

#include "game/LevelFlow.h"
#include "game/modZurk3.h"
#include "pond/KeyStateWords.h"
#include "tests/soak/PondInvariants.h"

class clsHraZurk3;

// Whole games as the window plays them, without the window: the level flow with arrow keys
// tapped at random between the ticks of the step timer, level after level, game after game,
// the pond checked after every tick.
class FlowSoak {
public:
    FlowSoak(const clsHraZurk3& game, std::uint32_t seed);

    // Starts a game and plays ticks, a new game whenever one ends; answers with the first broken
    // rule, in words, or with empty text.
    std::string Play(int ticks);

private:
    // Clears the screen with the pond.
    class FrontEnd : public NullFrontEnd {
    public:
        explicit FrontEnd(ShadowPainter& screen) : screen_(screen) {}
        void ClearPond() override { screen_.Clear(); }

    private:
        ShadowPainter& screen_;
    };

    SeededRandom random_;
    ShadowPainter screen_;
    SilentCuePlayer cues_;
    FrontEnd frontEnd_;
    KeyStateWords keys_;  // the keys' state words, as the window keeps them, tapped by the soak
    modZurk3 world_;      // after its outside world, so it goes first
    LevelFlow flow_;
    std::mt19937 rng_;
};
