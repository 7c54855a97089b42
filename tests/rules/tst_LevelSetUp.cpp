#include <gtest/gtest.h>

#include "Draws.h"
#include "TestPond.h"

TEST(LevelSetUp, BallsTakeTheirColourFromTheFile) {
    TestPond pond({"#######", "#1o6..#", "#H....#", "#######"});
    pond.world.Level.Cell(5, 2) = {CellBall, 9};
    pond.world.Level.Cell(6, 2) = {CellBall, 7};
    pond.random.Add({Draw::BallColour(6)});  // the ball at (3, 2)
    pond.SetUp();
    const std::pair<int, int> colours[] = {
        {2, 3}, {3, 8}, {4, 8}, {5, 9}, {6, 7}};  // colours 1 to 6 are sprites 3 to 8
    for (const auto& [x, sprite] : colours) EXPECT_EQ(pond.Data(x, 2), sprite) << x;
    EXPECT_EQ(pond.random.Left(), 0u);
}

TEST(LevelSetUp, RandomItemsLandOnlyOnFreeInteriorWaterUntilItRunsOut) {
    TestPond pond({"######", "#H.o.#", "#....#", "######"});
    pond.world.Level.RandomBalls = 2;
    pond.world.Level.RandomBoulders = 200;
    const auto column = [](int x) { return Draw::Column(x, 6); };
    const auto row = [](int y) { return Draw::Row(y, 4); };
    // Ball 1 tries (2,2) the house and then lands on (3,3); ball 2 on (5,2).
    pond.random.Add({column(2), row(2), column(3), row(3), column(5), row(2)});
    // The boulders: (5,2) is taken, then (2,3), (4,3), (5,3), (3,2); then the water is gone.
    pond.random.Add({column(5), row(2), column(2), row(3), column(4), row(3), column(5), row(3), column(3), row(2)});
    // Colours in scan order: (3,3), (4,2), (5,2).
    pond.random.Add({Draw::BallColour(1), Draw::BallColour(1), Draw::BallColour(1)});
    pond.SetUp();
    EXPECT_EQ(pond.Kind(3, 3), CellBall);
    EXPECT_EQ(pond.Kind(5, 2), CellBall);
    for (int x : {2, 4, 5}) EXPECT_EQ(pond.Kind(x, 3), CellBoulder) << x;
    EXPECT_EQ(pond.Kind(3, 2), CellBoulder);
    EXPECT_EQ(pond.Kind(2, 2), CellHouse);
    EXPECT_EQ(pond.random.Left(), 0u);
}

TEST(LevelSetUp, FliesAndVipersComeToLifeInScanOrder) {
    TestPond pond({"######", "#F.F.#", "#.VF.#", "#H...#", "######"});
    pond.world.Level.Cell(3, 3).Param = 3;  // the viper grows to 3
    pond.world.Level.RandomFlies = 1;
    // The random fly: (2, 4) is the house, then (2, 3).
    pond.random.Add({Draw::Column(2, 6), Draw::Row(4, 5), Draw::Column(2, 6), Draw::Row(3, 5)});
    pond.random.Add({Draw::FirstSide(DirRight)});  // the viper's first way: right is a fly, so down
    pond.SetUp();
    const auto& flies = pond.world.Creatures.Flies;
    ASSERT_EQ(flies.size(), 4u);
    const CellPos expected[] = {{2, 2}, {2, 3}, {4, 2}, {4, 3}};
    for (std::size_t i = 0; i < flies.size(); ++i) {
        EXPECT_EQ(flies[i]->Cell(), expected[i]);
        EXPECT_EQ(pond.Data(expected[i].x, expected[i].y), static_cast<int>(i) + 1) << "key " << i + 1;
        EXPECT_EQ(pond.world.Creatures.FindFly(static_cast<int>(i) + 1), flies[i].get());
    }
    ASSERT_EQ(pond.world.Creatures.Vipers.size(), 1u);
    clsZmije& viper = *pond.world.Creatures.Vipers[0];
    // Blocked twice, it turns to the first free side from up.
    pond.random.Add({Draw::FirstSide(DirUp), Draw::FirstSide(DirUp)});
    for (int step = 0; step < 4; ++step) viper.Posun();
    EXPECT_EQ(viper.Delka(), 3);
    EXPECT_NE(pond.world.Creatures.Beetle, nullptr);
}

TEST(LevelSetUp, TheLastHouseIsTheSnakesAndBorderItemsStayLifeless) {
    TestPond pond({"##F###", "FH...#", "#..H.V", "###F##"});
    pond.world.Level.Cell(4, 3).Param = 4;
    pond.SetUp();
    EXPECT_EQ((CellPos{pond.world.HouseX, pond.world.HouseY}), (CellPos{4, 3}));
    EXPECT_EQ(pond.Data(2, 2), HouseClosedSprite);
    EXPECT_TRUE(pond.world.Creatures.Flies.empty());
    EXPECT_TRUE(pond.world.Creatures.Vipers.empty());
    EXPECT_EQ(pond.Kind(3, 1), CellFly);
    pond.Steps(2, DirLeft);
    EXPECT_EQ(pond.snake().Delka() + pond.snake().PendingGrowth(), 4) << "its length comes from the last house";
}

TEST(LevelSetUp, ALevelWithoutAHouseDrawsNothingAndPlacesNoSnake) {
    TestPond pond({"#####", "#.o.#", "#####"});
    pond.random.Add({Draw::BallColour(1)});
    pond.SetUp();
    EXPECT_EQ(pond.world.HouseX, 0);
    EXPECT_EQ(pond.painter.paints, 0);
    EXPECT_EQ(pond.world.Snake, nullptr);
}

TEST(LevelSetUp, MoreThan255FliesKeepTheirOwnKeys) {
    std::vector<std::string> rows = TestPond::Walled(50, 40, 'F');
    rows[1][1] = 'H';
    TestPond pond(rows);
    pond.SetUp();
    const auto& flies = pond.world.Creatures.Flies;
    ASSERT_EQ(flies.size(), 48u * 38u - 1u);
    for (std::size_t i = 0; i < flies.size(); ++i)
        ASSERT_EQ(pond.Data(flies[i]->Cell().x, flies[i]->Cell().y), static_cast<int>(i) + 1);
}
