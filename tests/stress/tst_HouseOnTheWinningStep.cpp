// Found by the soak: a snake that comes home on the very step its last segment leaves the house.
#include <gtest/gtest.h>

#include "game/GameStep.h"
#include "game/LevelSetUp.h"
#include "game/clsHraZurk3.h"
#include "game/modZurk3.h"
#include "rules/GameFileBytes.h"
#include "snake/clsZurk.h"
#include "stress/PondInvariants.h"

TEST(HouseOnTheWinningStep, TheHeadStaysInTheHouseWhenTheFirstSegmentLeavesIt) {
    // A walled 6 x 6 pond, the house at (3, 3); the snake grows out of it to four segments, the
    // house opens at two, and four steps round a square bring the head home just as the first
    // segment, still lying in the house, drops off as the tail.
    GameFileBytes file(1, 3);
    file.Level(6, 6, 0, 2).Cell(100, 3, 3, 4);
    clsHraZurk3 game;
    ASSERT_TRUE(game.NactiHruZPameti(file.bytes, "square.zurk")) << game.LastError();
    SeededRandom random(1);
    NullPainter painter;
    SilentCuePlayer cues;
    NullFrontEnd frontEnd;
    modZurk3 world;
    world.UseRandom(random);
    world.UsePainter(painter);
    world.UseCues(cues);
    world.UseFrontEnd(frontEnd);
    world.LevelNo = 1;
    game.NactiUrovenAkce(1, world.Level);
    SetUpLevel(world);
    world.GameState = StateRunning;

    for (int direction : {DirRight, DirDown, DirLeft, DirUp}) MovePond(world, direction);

    ASSERT_EQ(world.GameState, StateRunOver);
    ASSERT_TRUE(world.Snake().Zije());
    // The winning head is drawn in the house: the cell is the snake's, with the head going up.
    EXPECT_EQ(int{world.Field.Kind(3, 3)}, int{CellSnake});
    EXPECT_EQ(world.Field.At(3, 3).Data, 10);
    EXPECT_EQ(PondInvariants::Check(world), "");
}
