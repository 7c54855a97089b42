// The soak in small: short enough for the sanitizer build, on the same rules and checks.
#include <gtest/gtest.h>

#include "game/clsHraZurk3.h"
#include "stress/PondSoak.h"
#include "stress/RandomLevel.h"

TEST(ShortSoak, TwentyThousandStepsOnInventedLevels) {
    std::mt19937 rng(77);
    PondSoak soak(rng());
    while (soak.Tally().Steps < 20'000) {
        const LevelRecord level = RandomLevel::Make(rng);
        // The autoplayer's thinking is slow under the sanitizers: it gets every fourth level.
        if (soak.Tally().Levels % 4 == 0)
            ASSERT_EQ(soak.PlayLevel(level, SoakPlayer::Auto, 500), "");
        else
            ASSERT_EQ(soak.PlayLevel(level, SoakPlayer::RandomKeys, 1500), "");
    }
    EXPECT_GT(soak.Tally().Levels, 10);
}

TEST(ShortSoak, EveryLevelOfTheDefaultGameOnce) {
    clsHraZurk3 game;
    if (!game.NactiHru(ZURK3_DEFAULT_GAME)) GTEST_SKIP() << "no default game: " << game.LastError();
    PondSoak soak(5);
    for (int level = 1; level <= game.PocetUrovni(); ++level)
        ASSERT_EQ(soak.PlayGameLevel(game, level, SoakPlayer::Auto, 600), "");
    EXPECT_EQ(soak.Tally().Levels, game.PocetUrovni());
}
