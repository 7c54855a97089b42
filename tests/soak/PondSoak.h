#pragma once
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "game/modZurk3.h"
#include "tests/soak/PondInvariants.h"

class clsHraZurk3;

enum class SoakPlayer { Auto, RandomKeys };

struct SoakTally {
    long Steps = 0;
    int Levels = 0;
    int Won = 0;
    int Crashed = 0;
    int OutOfSteps = 0;
};

// Plays level after level in one world, as the game does, and checks the pond after every step.
// Each Play answers with the first broken rule, in words, or with empty text.
class PondSoak {
public:
    explicit PondSoak(std::uint32_t seed);

    // The direction for each step of a level, from 1: 0 for none, else 1..4.
    using Keys = std::function<int(int step)>;

    // keys, when given, play instead of the player.
    std::string PlayGameLevel(const clsHraZurk3& game, int levelNo, SoakPlayer player, int stepLimit,
                              const Keys& keys = {});

    const SoakTally& Tally() const { return tally_; }

private:
    std::string RunLevel(SoakPlayer player, int stepLimit, const Keys& keys = {});
    std::string Steps(SoakPlayer player, int stepLimit, const Keys& keys);

    SeededRandom random_;
    ShadowPainter screen_;
    SilentCuePlayer cues_;
    NullFrontEnd frontEnd_;
    modZurk3 world_;  // after its outside world, so it goes first
    std::mt19937 playerSeeds_;
    SoakTally tally_;
};
