// Damaged and strange game files, as the fuzzer's seeds have them: the reader refuses what
// breaks the format and keeps the game it had; what it accepts is set up and played without fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "creatures/clsMuska.h"
#include "game/LevelSetUp.h"
#include "rules/GameFileBytes.h"
#include "snake/clsZurk.h"
#include "stress/FlowPond.h"
#include "stress/PondInvariants.h"
#include "stress/PondSoak.h"

namespace {
clsHraZurk3 Accepted(const GameFileBytes& file) {
    clsHraZurk3 game;
    EXPECT_TRUE(game.NactiHruZPameti(file.bytes, "damaged.zurk")) << game.LastError();
    return game;
}

// Every level with both players, the pond checked after every step.
void PlayEveryLevel(const clsHraZurk3& game, int stepLimit) {
    PondSoak soak(99);
    for (int round = 0; round < 3; ++round)
        for (int level = 1; level <= game.PocetUrovni(); ++level)
            for (SoakPlayer player : {SoakPlayer::Auto, SoakPlayer::RandomKeys})
                ASSERT_EQ(soak.PlayGameLevel(game, level, player, stepLimit), "") << "round " << round;
}

}  // namespace

TEST(DamagedGameFiles, HugeRandomCountsFillTheInteriorAndNoMore) {
    GameFileBytes file(1, 3);
    file.Level(6, 5, 0, 4).Count(3, 255).Count(4, 255).Count(5, 255).Count(6, 100).Cell(100, 2, 2, 3);
    const clsHraZurk3 game = Accepted(file);
    PondSoak soak(3);
    ASSERT_EQ(soak.PlayGameLevel(game, 1, SoakPlayer::RandomKeys, 200), "");
    // Twelve interior cells, one of them the house: eleven items, whatever the counts asked for.
    SeededRandom random(4);
    modZurk3 world;
    world.UseRandom(random);
    game.NactiUrovenAkce(1, world.Level);
    SetUpLevel(world);
    int items = 0;
    for (int x = 2; x < 6; ++x)
        for (int y = 2; y < 5; ++y)
            if (world.Field.Kind(x, y) != CellFree && world.Field.Kind(x, y) != CellHouse) ++items;
    EXPECT_EQ(items, 11);
    EXPECT_EQ(PondInvariants::Check(world), "");
}

TEST(DamagedGameFiles, ABrokenRingLetsNobodyOffThePond) {
    // Balls, flies, vipers and the house where the wall should be; eating a ring ball opens a
    // hole through which creatures may crawl onto the ring.
    GameFileBytes file(2, 3);
    file.Level(15, 10, 0, 6).Count(6, 100).Count(4, 6).Cell(100, 1, 5, 4);
    for (int y = 2; y < 10; ++y) file.Cell(12, 15, y, 0);
    for (int x = 3; x < 14; x += 2) file.Cell(13, x, 1, 1).Cell(51, x + 1, 10, 6);
    file.Cell(51, 8, 5, 10);
    file.Level(8, 8, 0, 3).Cell(100, 8, 8, 2).Cell(12, 7, 8, 0).Cell(12, 8, 7, 0).Cell(51, 4, 4, 5);
    PlayEveryLevel(Accepted(file), 1500);
}

TEST(DamagedGameFiles, ASnakeWhoseHouseIsInTheRingCrashesOutsideThePond) {
    GameFileBytes file(1, 3);
    file.Level(8, 6, 0, 3).Cell(100, 1, 3, 2);
    const clsHraZurk3 game = Accepted(file);
    SeededRandom random(6);
    modZurk3 world;
    world.UseRandom(random);
    game.NactiUrovenAkce(1, world.Level);
    SetUpLevel(world);
    world.GameState = StateRunning;
    world.Snake().Posun(DirLeft);
    EXPECT_EQ(world.GameState, StateRunOver);
    EXPECT_FALSE(world.Snake().Zije());
    EXPECT_EQ(PondInvariants::Check(world), "");
}

TEST(DamagedGameFiles, TinyLevelsPlayOrAreSkipped) {
    GameFileBytes file(6, 1);
    file.Level(1, 1, 0, 2).Cell(100, 1, 1, 2);
    file.Level(2, 2, 0, 2).Cell(100, 2, 2, 5);
    file.Level(3, 3, 0, 2).Cell(100, 2, 2, 9).Count(3, 255).Count(4, 255).Count(6, 100);
    file.Level(0, 0, 0, 0);
    file.Level(3, 5, 0, 0).Cell(100, 2, 2, 0).Cell(12, 2, 3, 1).Cell(13, 2, 4, 0);
    file.Level(4, 3, -1, -5).Cell(100, 2, 2, 1).Count(3, 1);
    PlayEveryLevel(Accepted(file), 300);
}

TEST(DamagedGameFiles, ALevelCountOfZeroStartsNoGame) {
    const clsHraZurk3 game = Accepted(GameFileBytes(0, 3));
    FlowPond pond(game, 8);
    pond.flow.Start();
    pond.flow.Step();
    EXPECT_EQ(pond.world.GameState, StateNone);
    EXPECT_TRUE(pond.frontEnd.messages.empty());
    EXPECT_FALSE(pond.flow.ChooseLevel("1"));
}
