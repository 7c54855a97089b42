#include <gtest/gtest.h>

#include "Draws.h"
#include "TestPond.h"
#include "creatures/clsPotapnik.h"
#include "game/GameStep.h"

namespace {
// A 12 x 7 pond with the house at (5, 4); the snake is placed in it with initial length h1.
struct SnakePond : TestPond {
    explicit SnakePond(int h1, int requiredLength = 50,
                       const std::vector<std::string>& rows = {"############", "#..........#", "#..........#",
                                                               "#...H......#", "#..........#", "#..........#",
                                                               "############"})
        : TestPond(rows) {
        world.Level.RequiredLength = static_cast<std::int16_t>(requiredLength);
        CopyMapOnly();
        PlaceSnake(world.HouseX, world.HouseY, h1);
    }
};
}  // namespace

TEST(Snake, GrowsOutOfItsHouseOneSegmentAStep) {
    SnakePond pond(3);
    EXPECT_EQ(pond.Data(5, 4), HouseClosedSprite) << "the first segment leaves the house as it is";
    pond.Steps(3);
    EXPECT_FALSE(pond.snake().UzJede());
    EXPECT_EQ(pond.world.Score, 0) << "it waits in its house for a direction";
    std::vector<int> lengths;
    for (int step = 0; step < 4; ++step) {
        pond.snake().Posun(step == 0 ? DirRight : 0);
        lengths.push_back(pond.snake().Delka());
    }
    EXPECT_EQ(lengths, (std::vector<int>{2, 3, 3, 3}));
    EXPECT_EQ(pond.Kind(5, 4), CellHouse) << "the house stays after the tail left it";
    EXPECT_EQ(pond.Data(5, 4), HouseClosedSprite);
    EXPECT_EQ(pond.world.Score, -4) << "every step costs a point";
}

TEST(Snake, AnInitialLengthOfOneOrZeroStaysOneSegmentLong) {
    for (int h1 : {1, 0}) {
        SnakePond pond(h1);
        pond.Steps(3, DirRight);
        EXPECT_EQ(pond.snake().Delka(), 1) << h1;
        EXPECT_EQ(pond.Kind(6, 4), CellFree) << h1;
    }
}

TEST(Snake, EatingScoresGrowsAndSounds) {
    SnakePond pond(1, 50, {"###########", "#H.oBFG...#", "###########"});
    pond.AddFly(6, 2);
    pond.world.Creatures.Beetle = std::make_unique<clsPotapnik>(pond.world);
    std::vector<int> scores;
    std::vector<int> growth;
    for (int i = 0; i < 6; ++i) {
        pond.snake().Posun(i == 0 ? DirRight : 0);
        scores.push_back(pond.world.Score);
        growth.push_back(pond.snake().PendingGrowth());
    }
    // water, ball +100 and 5, boulder -500, fly +500 and 10, golden ball +1000 and 20; each step -1
    EXPECT_EQ(scores, (std::vector<int>{-1, 98, -403, 96, 1095, 1094}));
    EXPECT_EQ(growth, (std::vector<int>{0, 4, 3, 12, 31, 30}));
    EXPECT_EQ(pond.cues.played, (std::vector<std::string>{"Mnam1", "Fuj", "Mnam2", "Mnam3"}));
    EXPECT_FALSE(pond.world.Creatures.Flies[0]->existuje);
    EXPECT_EQ(pond.Kind(5, 2), CellSnake) << "the boulder is gone under the snake";
}

TEST(Snake, FoodScoresDoubleOnceTheHouseIsOpenButTheGoldenBallStays) {
    SnakePond pond(3, 2, {"#########", "#H.oF.G.#", "#########"});
    pond.AddFly(5, 2);
    pond.snake().Posun(DirRight);  // length 2: open
    ASSERT_EQ(pond.Data(2, 2), HouseOpenSprite);
    pond.Steps(4);
    EXPECT_EQ(pond.world.Score, -5 + 200 + 1000 + 1000);
}

TEST(Snake, TheHouseOpensOnTheStepTheGrowingSnakeReachesTheLength) {
    SnakePond pond(6, 8, {"##############", "#..H.....o...#", "##############"});
    pond.world.LevelNo = 1;
    pond.Steps(6, DirRight);  // 6 long, then eats the ball at (10, 2)
    EXPECT_EQ(pond.snake().Delka(), 7);
    EXPECT_EQ(pond.Data(4, 2), HouseClosedSprite);
    EXPECT_FALSE(pond.frontEnd.Visible(HintLabel::UvodKonec));
    pond.snake().Posun();
    EXPECT_EQ(pond.Data(4, 2), HouseOpenSprite);
    EXPECT_TRUE(pond.frontEnd.Visible(HintLabel::UvodKonec)) << "on level 1 the way home is shown";

    SnakePond growingOut(5, 3);
    growingOut.world.LevelNo = 2;
    growingOut.Steps(2, DirRight);
    EXPECT_EQ(growingOut.Data(5, 4), HouseOpenSprite) << "it opens under the segment still in it";
    EXPECT_FALSE(growingOut.frontEnd.Visible(HintLabel::UvodKonec)) << "silently after level 1";

    for (int required : {1, 0}) {
        SnakePond never(5, required);
        never.Steps(6, DirRight);
        EXPECT_EQ(never.Data(5, 4), HouseClosedSprite) << required;
    }
}

TEST(Snake, EatsALifelessFlyOnTheRing) {
    SnakePond pond(1, 50, {"#F#", "#H#", "###"});
    pond.snake().Posun(DirUp);
    EXPECT_EQ(pond.world.Score, -1 + 500);
}

TEST(Snake, NoHouseOpensOnACrashStep) {
    SnakePond pond(3, 3, {"#######", "#.H.#.#", "#######"});
    pond.Steps(2, DirRight);  // the second step runs into the wall with growth pending
    EXPECT_FALSE(pond.snake().Zije());
    EXPECT_EQ(pond.snake().Delka(), 3);
    EXPECT_EQ(pond.Data(3, 2), HouseClosedSprite);
}

TEST(Snake, EnteringTheOpenHouseWinsWithTheHeadDrawnInIt) {
    // With length 4 the segment in the house drops off on the very step the head comes home.
    SnakePond pond(4, 2, {"######", "#....#", "#.H..#", "#....#", "######"});
    for (int direction : {DirRight, DirDown, DirLeft, DirUp}) pond.snake().Posun(direction);
    EXPECT_TRUE(pond.snake().Zije());
    EXPECT_EQ(pond.Kind(3, 3), CellSnake);
    EXPECT_EQ(pond.Data(3, 3), 10);
    EXPECT_EQ(pond.cues.played.back(), "Cil");
}

TEST(Snake, ACrashDrawsItsCellByTheSnakesLength) {
    struct Case {
        int h1;
        std::uint8_t kind;
        int data;  // the broken head, the tail for the way tried, or water
    };
    for (const Case& c : {Case{3, CellSnake, 28}, Case{2, CellSnake, 19}, Case{1, CellFree, 0}}) {
        SnakePond pond(c.h1, 50, {"##########", "#.H......#", "##########"});
        pond.Steps(6, DirRight);
        const int lengthBefore = pond.snake().Delka();
        pond.snake().Posun();  // into the wall ahead
        EXPECT_EQ(pond.cues.played.back(), "Naraz");
        EXPECT_EQ(pond.snake().Delka(), lengthBefore) << c.h1;
        EXPECT_EQ(pond.snake().Head(), (CellPos{9, 2})) << "the head does not move on a crash";
        EXPECT_EQ(pond.Kind(9, 2), c.kind) << c.h1;
        EXPECT_EQ(pond.Data(9, 2), c.data) << c.h1;
    }
}

TEST(Snake, CrashesIntoItsBodyAWallAViperAndTheClosedHouse) {
    SnakePond back(3);
    back.Steps(3, DirRight);
    back.snake().Posun(DirLeft);
    EXPECT_FALSE(back.snake().Zije());
    EXPECT_EQ(back.Data(8, 4), 30) << "the broken head for the way it tried";

    for (const char* row : {"#H#", "#HV", "#HH", "#H?"}) {
        SnakePond pond(1, 50, {"#####", std::string(row) + "##", "#####"});
        pond.snake().Posun(DirRight);
        EXPECT_FALSE(pond.snake().Zije()) << row;
        EXPECT_EQ(pond.world.Score, -1) << row;
    }
    SnakePond oneSegment(1, 50, {"#######", "#.H...#", "#######"});
    for (int direction : {DirRight, DirRight, DirLeft}) oneSegment.snake().Posun(direction);
    EXPECT_TRUE(oneSegment.snake().Zije()) << "one segment may turn back onto the cell it left";
    oneSegment.Steps(2);
    EXPECT_FALSE(oneSegment.snake().Zije()) << "but not into its closed house";

    // Through the hole in the ring, beyond the field; in the grid, the next row's hole lies there.
    SnakePond ring(1, 50, {"####", "#H..", "...#", "####"});
    ring.Steps(3, DirRight);
    EXPECT_FALSE(ring.snake().Zije());
    EXPECT_EQ(ring.snake().Head(), (CellPos{4, 2}));
}

// Within a step the creatures move first, so the snake meets a viper where it has just crawled.
TEST(Snake, MovesAfterTheCreaturesInAStep) {
    CopiedPond pond({"######", "###V##", "#H...#", "######"});
    pond.random.Add({Draw::FirstSide(DirUp), Draw::FlyStays});  // the viper's only free side is down
    pond.AddViper(4, 2, 1);
    pond.AddFly(5, 4);
    pond.world.Level.GoldenBallChance = 100;
    pond.world.Creatures.Beetle = std::make_unique<clsPotapnik>(pond.world);
    pond.PlaceSnake(2, 3, 1);
    MovePond(pond.world, DirRight);  // the creatures wait for the snake's first move
    EXPECT_EQ(pond.Kind(4, 2), CellViper);
    MovePond(pond.world, DirNone);
    EXPECT_FALSE(pond.snake().Zije());
    EXPECT_TRUE(pond.world.Creatures.Vipers[0]->Zije());
    EXPECT_EQ(pond.Kind(4, 3), CellViper);
    // The viper turns right; the golden ball comes up at (4, 2).
    pond.random.Add({Draw::FirstSide(DirRight), Draw::FlyStays, Draw::Surfaces, Draw::Column(4, 6), Draw::Row(2, 4),
                     Draw::Stay(4, 4, 6)});
    MovePond(pond.world, DirNone);
    EXPECT_EQ(pond.Kind(5, 3), CellViper);
    EXPECT_EQ(pond.Kind(4, 2), CellGoldenBall) << "the beetle moves in every step too";
}
