#include <gtest/gtest.h>

#include "TestPond.h"
#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "game/LevelSetUp.h"
#include "snake/clsZurk.h"

namespace {
// A 12 x 7 pond with the house at (5, 4); the snake is placed in it with initial length h1.
struct SnakePond : TestPond {
    explicit SnakePond(int h1, int requiredLength = 50,
                       std::vector<std::string> rows = {"############", "#..........#", "#..........#", "#...H......#",
                                                        "#..........#", "#..........#", "############"})
        : TestPond(rows) {
        world.Level.RequiredLength = static_cast<std::int16_t>(requiredLength);
        CopyMapOnly();
        PlaceSnake(world.HouseX, world.HouseY, h1);
    }
    clsZurk& snake() { return *world.Snake; }
    void Steps(int n, int direction = 0) {
        for (int i = 0; i < n; ++i) snake().Posun(i == 0 ? direction : 0);
    }
};
}  // namespace

TEST(Snake, GrowsOutOfItsHouseWithTheRightPictures) {
    std::vector<std::string> rows = {"##########", "#........#", "#........#", "#........#",
                                     "#...H....#", "#........#", "##########"};
    SnakePond pond(3, 50, rows);
    ASSERT_EQ(pond.world.HouseX, 5);
    ASSERT_EQ(pond.world.HouseY, 5);
    EXPECT_EQ(pond.snake().Delka(), 1);
    EXPECT_EQ(pond.Data(5, 5), HouseClosedSprite) << "the first segment leaves the house as it is";

    pond.snake().Posun(DirRight);
    EXPECT_EQ(pond.Kind(6, 5), CellSnake);
    EXPECT_EQ(pond.Data(6, 5), 11);
    EXPECT_EQ(pond.snake().Delka(), 2);

    pond.snake().Posun();
    EXPECT_EQ(pond.Data(6, 5), 22);
    EXPECT_EQ(pond.Data(7, 5), 11);
    EXPECT_EQ(pond.snake().Delka(), 3);

    pond.snake().Posun();
    EXPECT_EQ(pond.Kind(5, 5), CellHouse);
    EXPECT_EQ(pond.Data(5, 5), HouseClosedSprite);
    EXPECT_EQ(pond.Data(6, 5), 19);
    EXPECT_EQ(pond.Data(7, 5), 22);
    EXPECT_EQ(pond.Data(8, 5), 11);
    EXPECT_EQ(pond.snake().Delka(), 3);
    EXPECT_EQ(pond.world.Score, -3) << "every step costs a point";
}

TEST(Snake, WaitsInItsHouseUntilGivenADirection) {
    SnakePond pond(5);
    pond.Steps(3);
    EXPECT_FALSE(pond.snake().UzJede());
    EXPECT_EQ(pond.snake().Delka(), 1);
    EXPECT_EQ(pond.world.Score, 0);

    std::vector<int> lengths;
    pond.snake().Posun(DirDown);
    lengths.push_back(pond.snake().Delka());
    for (int i = 0; i < 4; ++i) {
        pond.snake().Posun();
        lengths.push_back(pond.snake().Delka());
    }
    EXPECT_EQ(lengths, (std::vector<int>{2, 3, 4, 5, 5}));
    EXPECT_TRUE(pond.snake().UzJede());
    EXPECT_EQ(pond.Kind(5, 4), CellHouse) << "the house stays after the tail left it";
}

TEST(Snake, BendAndStraightPictures) {
    SnakePond pond(4);
    pond.snake().Posun(DirUp);     // (5,3)
    pond.snake().Posun(DirRight);  // (6,3): the turn on (5,3)
    EXPECT_EQ(pond.Data(5, 3), 15);
    pond.snake().Posun(DirDown);  // (6,4): turn from right to down
    EXPECT_EQ(pond.Data(6, 3), 16);
    pond.snake().Posun(DirDown);
    EXPECT_EQ(pond.Data(6, 4), 23);
    EXPECT_EQ(pond.Data(6, 5), 12);
}

TEST(Snake, HouseOpensWhenTheGrowingSnakeReachesTheRequiredLength) {
    std::vector<std::string> rows = {"##############", "#..H.....o...#", "##############"};
    SnakePond pond(6, 8, rows);
    pond.Steps(5, DirRight);
    EXPECT_EQ(pond.snake().Delka(), 6);
    EXPECT_EQ(pond.Data(4, 2), HouseClosedSprite);
    pond.snake().Posun();  // eats the ball at (10, 2)
    EXPECT_EQ(pond.snake().Delka(), 7);
    EXPECT_EQ(pond.Data(4, 2), HouseClosedSprite);
    pond.snake().Posun();
    EXPECT_EQ(pond.snake().Delka(), 8);
    EXPECT_EQ(pond.Data(4, 2), HouseOpenSprite);
    EXPECT_EQ(pond.cues.played, (std::vector<std::string>{"Mnam1"}));
}

TEST(Snake, HouseOpensWhileStillGrowingOutAndNeverForLengthOne) {
    SnakePond longEnough(5, 3);
    longEnough.Steps(2, DirRight);
    EXPECT_EQ(longEnough.Data(5, 4), HouseOpenSprite);
    EXPECT_EQ(longEnough.Kind(5, 4), CellHouse) << "the segment still in the house leaves it a house";
    longEnough.Steps(4);
    EXPECT_EQ(longEnough.Data(5, 4), HouseOpenSprite);

    SnakePond never(5, 1);
    never.Steps(6, DirRight);
    EXPECT_EQ(never.Data(5, 4), HouseClosedSprite);
    EXPECT_FALSE(never.frontEnd.Visible(HintLabel::UvodKonec));
}

TEST(Snake, OpeningOnLevelOneShowsTheWayHomeHint) {
    SnakePond pond(5, 3);
    pond.world.LevelNo = 1;
    pond.Steps(2, DirRight);
    EXPECT_TRUE(pond.frontEnd.Visible(HintLabel::UvodKonec));
    EXPECT_EQ(pond.frontEnd.log.back(), "move 1 210,175");
}

TEST(Snake, NoHouseOpensOnACrashStep) {
    std::vector<std::string> rows = {"#######", "#.H.#.#", "#######"};
    SnakePond pond(3, 3, rows);
    pond.snake().Posun(DirRight);  // length 2
    pond.snake().Posun();          // crashes into the wall at (5, 2) with growth pending
    EXPECT_FALSE(pond.snake().Zije());
    EXPECT_EQ(pond.snake().Delka(), 3);
    EXPECT_EQ(pond.Data(3, 2), HouseClosedSprite);
    EXPECT_EQ(pond.world.GameState, StateRunOver);
}

TEST(Snake, EventsScoreGrowAndSound) {
    std::vector<std::string> rows = {"###########", "#H.oBFG...#", "###########"};
    SnakePond pond(1, 50, rows);
    pond.CopyMapOnly();  // a fresh field with the fly object in place
    auto fly = std::make_unique<clsMuska>(pond.world);
    fly->Poloz(6, 2, 1);
    pond.world.Creatures.Flies.push_back(std::move(fly));
    pond.world.Creatures.Beetle = std::make_unique<clsPotapnik>(pond.world);
    pond.PlaceSnake(2, 2, 1);

    std::vector<int> scores;
    std::vector<int> lengths;
    for (int i = 0; i < 6; ++i) {
        pond.snake().Posun(i == 0 ? DirRight : 0);
        scores.push_back(pond.world.Score);
        lengths.push_back(pond.snake().Delka());
    }
    // water, ball +100, boulder -500, fly +500, golden ball +1000, water; each step -1
    EXPECT_EQ(scores, (std::vector<int>{-1, 98, -403, 96, 1095, 1094}));
    EXPECT_EQ(lengths, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(pond.cues.played, (std::vector<std::string>{"Mnam1", "Fuj", "Mnam2", "Mnam3"}));
    EXPECT_FALSE(pond.world.Creatures.Flies[0]->existuje);
    EXPECT_FALSE(pond.world.Creatures.Beetle->IsSurfaced());
    EXPECT_EQ(pond.Kind(5, 2), CellSnake) << "the boulder is gone under the snake";
}

TEST(Snake, FoodScoresDoubleOnceTheHouseIsOpen) {
    std::vector<std::string> rows = {"#########", "#H.oF.G.#", "#########"};
    SnakePond pond(3, 2, rows);
    pond.CopyMapOnly();
    auto fly = std::make_unique<clsMuska>(pond.world);
    fly->Poloz(5, 2, 1);
    pond.world.Creatures.Flies.push_back(std::move(fly));
    pond.PlaceSnake(2, 2, 3);
    pond.snake().Posun(DirRight);  // length 2: open
    ASSERT_EQ(pond.Data(2, 2), HouseOpenSprite);
    pond.snake().Posun();
    EXPECT_EQ(pond.world.Score, -2 + 200);
    pond.snake().Posun();
    EXPECT_EQ(pond.world.Score, -3 + 200 + 1000);
    pond.Steps(2);
    EXPECT_EQ(pond.world.Score, -5 + 200 + 1000 + 1000) << "the golden ball is 1000 either way";
}

TEST(Snake, EnteringTheOpenHouseWins) {
    SnakePond pond(3, 2);
    pond.snake().Posun(DirRight);
    pond.snake().Posun();
    pond.snake().Posun(DirDown);
    pond.snake().Posun(DirLeft);
    pond.snake().Posun(DirLeft);
    pond.snake().Posun(DirUp);  // from (5,5) into the open house at (5,4)
    EXPECT_TRUE(pond.snake().Zije());
    EXPECT_EQ(pond.world.GameState, StateRunOver);
    EXPECT_EQ(pond.Kind(5, 4), CellSnake);
    EXPECT_EQ(pond.Data(5, 4), 10);
    EXPECT_EQ(pond.cues.played.back(), "Cil");
}

TEST(Snake, WinningOnTheStepItsFirstSegmentLeavesTheHouseKeepsTheHeadDrawn) {
    std::vector<std::string> rows = {"######", "#....#", "#.H..#", "#....#", "######"};
    SnakePond pond(4, 2, rows);
    for (int direction : {DirRight, DirDown, DirLeft, DirUp}) pond.snake().Posun(direction);
    ASSERT_TRUE(pond.snake().Zije());
    ASSERT_EQ(pond.world.GameState, StateRunOver);
    EXPECT_EQ(pond.Kind(3, 3), CellSnake);
    EXPECT_EQ(pond.Data(3, 3), 10);
}

struct CrashCase {
    const char* name;
    int h1;
    int stepsBeforeCrash;  // steps right along the row before the wall
    std::uint8_t crashCellKind;
    int crashCellData;
};

class SnakeCrash : public testing::TestWithParam<CrashCase> {};

TEST_P(SnakeCrash, DrawsTheCrashCellByLength) {
    const CrashCase& c = GetParam();
    std::vector<std::string> rows = {"##########", "#.H......#", "##########"};
    SnakePond pond(c.h1, 50, rows);
    pond.Steps(c.stepsBeforeCrash, DirRight);
    const int headX = pond.snake().Head().x;
    const int lengthBefore = pond.snake().Delka();
    pond.snake().Posun();  // into the wall ahead
    EXPECT_FALSE(pond.snake().Zije());
    EXPECT_EQ(pond.cues.played.back(), "Naraz");
    EXPECT_EQ(pond.snake().Delka(), lengthBefore);
    EXPECT_EQ(pond.snake().Head().x, headX) << "the head does not move on a crash";
    EXPECT_EQ(pond.Kind(headX, 2), c.crashCellKind);
    if (c.crashCellKind == CellSnake) {
        EXPECT_EQ(pond.Data(headX, 2), c.crashCellData);
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, SnakeCrash,
                         testing::Values(CrashCase{"three_segments_show_the_broken_head", 3, 6, CellSnake, 28},
                                         CrashCase{"two_segments_show_the_tail_for_the_tried_way", 2, 6, CellSnake, 19},
                                         CrashCase{"one_segment_leaves_water", 1, 6, CellFree, 0}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(Snake, TurningBackIntoTheBodyIsACrash) {
    SnakePond pond(3);
    pond.Steps(3, DirRight);
    pond.snake().Posun(DirLeft);
    EXPECT_FALSE(pond.snake().Zije());
    EXPECT_EQ(pond.Data(8, 4), 30) << "the broken head for the way it tried";
}

TEST(Snake, OneSegmentCanTurnBackButNotIntoItsClosedHouse) {
    std::vector<std::string> rows = {"#######", "#.H...#", "#######"};
    SnakePond pond(1, 50, rows);
    pond.snake().Posun(DirRight);
    pond.snake().Posun(DirRight);
    pond.snake().Posun(DirLeft);
    EXPECT_TRUE(pond.snake().Zije());
    EXPECT_EQ(pond.snake().Head().x, 4);
    pond.snake().Posun();
    pond.snake().Posun();  // into the closed house at (3, 2)
    EXPECT_FALSE(pond.snake().Zije());
}

TEST(Snake, CrashesIntoWallViperAndClosedHouse) {
    for (const char* row : {"#H#", "#HV", "#HH"}) {
        std::vector<std::string> rows = {"#####", std::string(row) + "##", "#####"};
        SnakePond pond(1, 50, rows);
        pond.snake().Posun(DirRight);
        EXPECT_FALSE(pond.snake().Zije()) << row;
        EXPECT_EQ(pond.world.Score, -1) << row;
    }
}

TEST(Snake, ABrokenOuterRingActsAsWall) {
    std::vector<std::string> rows = {"#.#", "#H.", "###"};
    SnakePond pond(1, 50, rows);
    pond.snake().Posun(DirRight);
    EXPECT_TRUE(pond.snake().Zije());
    pond.snake().Posun();  // beyond the field
    EXPECT_FALSE(pond.snake().Zije());
    EXPECT_EQ(pond.snake().Head().x, 3);
}
