// The soak's and the fuzzer's checks of the pond: they pass a pond played by the rules and catch
// what a fault in the rules leaves behind.
#include <gtest/gtest.h>

#include "game/GameStep.h"
#include "game/LevelSetUp.h"
#include "game/modZurk3.h"
#include "tests/soak/PondInvariants.h"

namespace {
struct CheckedPond {
    CheckedPond() : world(random, screen, cues, frontEnd) {
        world.Level.FieldWidth = 8;
        world.Level.FieldHeight = 5;
        world.Level.RequiredLength = 20;
        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 5; ++y) world.Level.Cell(x, y) = StandardCell(x, y, 8, 5);
        world.Level.Cell(2, 3) = {CellHouse, 4};
        world.Level.Cell(5, 2) = {CellViper, 3};
        SetUpLevel(world);
        world.GameState = StateRunning;
        for (int direction : {DirRight, DirNone, DirNone}) MovePond(world, direction);
    }
    std::string Check() const { return PondInvariants::Check(world, screen); }

    SeededRandom random{7};
    ShadowPainter screen;
    SilentCuePlayer cues;
    NullFrontEnd frontEnd;
    modZurk3 world;
};
}  // namespace

TEST(PondChecks, PassAPondPlayedByTheRules) {
    CheckedPond pond;
    ASSERT_EQ(pond.world.SnakeLength(), 4);
    EXPECT_EQ(pond.Check(), "");
}

TEST(PondChecks, CatchACellChangedButNotDrawn) {
    CheckedPond pond;
    pond.world.Field.At(3, 3).Data = 17;  // a bend where the straight piece is painted
    EXPECT_EQ(pond.Check(), "the screen shows sprite 22 where the cell calls for 17 at (3, 3)");
}
