// The soak: the autoplayer and a random-key player play every level of the default game and
// hundreds of invented levels, over a million steps, and the pond is checked after each one.
#include <gtest/gtest.h>

#include <cstdio>

#include "game/clsHraZurk3.h"
#include "stress/PondSoak.h"
#include "stress/RandomLevel.h"

namespace {
constexpr long MillionSteps = 1'000'000;
constexpr int LeastRandomLevels = 300;
constexpr int StepLimit = 4000;
// The autoplayer thinks hard before each step; it gets one invented level in AutoShare and
// shorter runs, so the soak stays within its minute.
constexpr int AutoShare = 10;
constexpr int AutoStepLimit = 1500;

void Report(const char* what, const SoakTally& tally) {
    std::printf("%s: %d levels, %ld steps, %d won, %d crashed, %d ran out of steps\n", what, tally.Levels,
                tally.Steps, tally.Won, tally.Crashed, tally.OutOfSteps);
}
}  // namespace

TEST(Soak, EveryLevelOfTheDefaultGame) {
    clsHraZurk3 game;
    if (!game.NactiHru(ZURK3_DEFAULT_GAME)) GTEST_SKIP() << "no default game: " << game.LastError();
    ASSERT_GT(game.PocetUrovni(), 0);
    PondSoak soak(2024);
    for (int round = 0; round < 3; ++round)
        for (int level = 1; level <= game.PocetUrovni(); ++level)
            for (SoakPlayer player : {SoakPlayer::Auto, SoakPlayer::RandomKeys})
                ASSERT_EQ(soak.PlayGameLevel(game, level, player, StepLimit), "") << "round " << round;
    Report("default game", soak.Tally());
    // The autoplayer wins levels, so a default game that nobody can win would show here.
    EXPECT_GT(soak.Tally().Won, 0);
}

TEST(Soak, AMillionStepsOnInventedLevels) {
    std::mt19937 rng(1206);
    PondSoak autoSoak(rng());
    PondSoak randomSoak(rng());
    auto levels = [&] { return autoSoak.Tally().Levels + randomSoak.Tally().Levels; };
    auto steps = [&] { return autoSoak.Tally().Steps + randomSoak.Tally().Steps; };
    while (levels() < LeastRandomLevels || steps() < MillionSteps) {
        const LevelRecord level = RandomLevel::Make(rng);
        if (levels() % AutoShare == 0)
            ASSERT_EQ(autoSoak.PlayLevel(level, SoakPlayer::Auto, AutoStepLimit), "") << "the autoplayer";
        else
            ASSERT_EQ(randomSoak.PlayLevel(level, SoakPlayer::RandomKeys, StepLimit), "") << "the random keys";
    }
    Report("invented levels, autoplayer", autoSoak.Tally());
    Report("invented levels, random keys", randomSoak.Tally());
    EXPECT_GT(autoSoak.Tally().Won, 0);
    EXPECT_GT(randomSoak.Tally().Crashed, 0);
}
