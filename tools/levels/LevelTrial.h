#pragma once
#include <cstdint>
#include <memory>

class clsHraZurk3;
class HeadlessWorld;

struct TrialResult {
    bool HasHouse = false;
    bool Won = false;
    bool Crashed = false;  // lost by a crash rather than by running out of steps
    int Steps = 0;
    int Points = 0;  // the snake's own points for the run, without the 2000 of a won level
};

// Plays one level of a game on the real rules, without a window, with the autoplayer at the keys.
class LevelTrial {
public:
    static TrialResult Run(const clsHraZurk3& game, int level, std::uint32_t seed, int stepLimit);

    // The level set up and running, its snake still in the house; null when it has no house.
    static std::unique_ptr<HeadlessWorld> Start(const clsHraZurk3& game, int level, std::uint32_t seed);
    // Fills in how a run that stopped after result.Steps steps ended.
    static void Finish(const HeadlessWorld& headless, TrialResult& result);
};
