#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "SourceText.h"
#include "pond/CellKinds.h"
#include "pond/clsHraZurk3.h"
#include "tools/levels/HumanGrading.h"
#include "tools/levels/TimedKeyboard.h"

namespace {
// The step at which a lone press of the right arrow at pressMs counts, with 80 ms steps.
int StepOfPress(double pressMs) {
    TimedKeyboard keys(80);
    keys.Press(DirRight, pressMs);
    for (int step = 1; step <= 10; ++step)
        if (keys.Tick(step) == DirRight) return step;
    return 0;
}

void Load(clsHraZurk3& game, const std::vector<std::uint8_t>& bytes) {
    ASSERT_TRUE(game.NactiHruZPameti(bytes, "test.zurk"));
}
}  // namespace

TEST(HumanTiming, APressCountsAtTheFirstStepThatReadsTheKeys) {
    // Step 3 reads the keys at 240 ms; a press aimed at the middle of its window (200 ms) that
    // comes 50 ms early counts a step early, 50 ms late a step late.
    const std::vector<std::pair<double, int>> table = {{1, 1},   {79, 1},  {80, 1},  {81, 2},  {150, 2},
                                                       {160, 2}, {161, 3}, {200, 3}, {240, 3}, {250, 4}};
    for (const auto& [pressMs, step] : table) EXPECT_EQ(StepOfPress(pressMs), step) << "press at " << pressMs << " ms";
}

TEST(HumanTiming, TheGamesKeyOrderAndKeyStatesDecideWhatCounts) {
    TimedKeyboard keys(80);
    keys.Press(DirRight, 10);
    keys.Press(DirUp, 20);
    keys.Press(DirLeft, 30);
    EXPECT_EQ(keys.FirstOutstanding(), DirUp);
    EXPECT_EQ(keys.Tick(1), DirUp) << "up is asked before right";
    EXPECT_TRUE(keys.Outstanding(DirRight));
    EXPECT_EQ(keys.Tick(2), DirRight) << "a press behind another waits a step";
    EXPECT_EQ(keys.Tick(3), DirLeft);
    EXPECT_EQ(keys.FirstOutstanding(), 0);
    keys.Press(DirLeft, 310);
    EXPECT_EQ(keys.FirstOutstanding(), DirLeft);
    EXPECT_EQ(keys.Tick(4), DirLeft);
    // Letting go of a key that a step has taken is no new press, even while another key is taken.
    keys.Press(DirUp, 340);
    EXPECT_EQ(keys.Tick(5), DirUp);
    EXPECT_EQ(keys.FirstOutstanding(), 0);

    // Right is still down when step 4 reads it; step 5 takes up and does not ask right; the
    // reader has right as down, so the press before step 6 is lost, and the person sees it is.
    TimedKeyboard held(80);
    held.Press(DirRight, 310);
    held.Press(DirUp, 390);
    held.Press(DirRight, 460);
    EXPECT_EQ(held.Tick(4), DirRight);
    EXPECT_EQ(held.Tick(5), DirUp);
    EXPECT_EQ(held.Tick(6), 0);
    EXPECT_FALSE(held.Outstanding(DirRight));
}

TEST(HumanTiming, APersonWinsTheFirstLevelMostOfTheTimeAndGradingIsReproducible) {
    clsHraZurk3 game;
    Load(game, BuildDefaultGame());
    int won = 0;
    for (std::uint32_t attempt = 0; attempt < 6; ++attempt)
        won += HumanTrial::Run(game, 1, 1 + attempt, 100 + attempt, {80, 30}, 20000).Won;
    EXPECT_GE(won, 5);

    clsHraZurk3 small;
    const LevelText roomy{.Map = {"##########", "#H.......#", "#...o....#", "#........#", "##########"}};
    Load(small,
         Build(GameText{}.Text() + roomy.Text() + LevelText{.Map = {"#####", "#.o.#", "#####"}}.Text() + roomy.Text()));
    GradingRun run{.Timing = {80, 40}, .Tries = 12, .Seed = 7, .Jobs = 1};
    const std::vector<int> alone = WinsPerLevel(small, run);
    run.Jobs = 3;
    EXPECT_EQ(WinsPerLevel(small, run), alone);
    EXPECT_EQ(alone[1], -1) << "a level without a house is not played";
    run.Timing.NoiseMs = 0;
    EXPECT_EQ(WinsPerLevel(small, run), (std::vector<int>{12, -1, 12}))
        << "perfect timing wins what the autoplayer wins";
}
