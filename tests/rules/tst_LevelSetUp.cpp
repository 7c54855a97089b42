#include <gtest/gtest.h>

#include "TestPond.h"
#include "creatures/clsMuska.h"
#include "creatures/clsZmije.h"
#include "snake/clsZurk.h"

TEST(LevelSetUp, BallColoursFromTheFile) {
    TestPond pond({"#######", "#3o9..#", "#H....#", "#######"});
    pond.world.Level.Cell(4, 2).Param = 9;
    pond.random.Add({0.5});  // the random colour of the ball at (3, 2)
    pond.SetUp();
    EXPECT_EQ(pond.Data(2, 2), 5) << "colour 3 is the blue ball";
    EXPECT_EQ(pond.Data(3, 2), 6);
    EXPECT_EQ(pond.Data(4, 2), 9) << "a number beyond the colours is kept";
    EXPECT_EQ(pond.random.Left(), 0u);
}

TEST(LevelSetUp, RandomItemsLandOnlyOnFreeInteriorWater) {
    TestPond pond({"######", "#H.o.#", "#....#", "######"});
    pond.world.Level.RandomBalls = 2;
    pond.world.Level.RandomBoulders = 1;
    // Ball 1 tries (2,2) the house and then lands on (3,3); ball 2 on (5,2).
    pond.random.Add({0.0, 0.0, 0.25, 0.5, 0.99, 0.0});
    // The boulder tries the new ball at (5,2), then takes (2,3).
    pond.random.Add({0.99, 0.0, 0.0, 0.5});
    pond.random.Add({0.0, 0.0, 0.0});  // colours in scan order: (3,3), (4,2), (5,2)
    pond.SetUp();
    EXPECT_EQ(pond.Kind(3, 3), CellBall);
    EXPECT_EQ(pond.Kind(5, 2), CellBall);
    EXPECT_EQ(pond.Kind(2, 3), CellBoulder);
    EXPECT_EQ(pond.Kind(2, 2), CellHouse);
    EXPECT_EQ(pond.random.Left(), 0u);
}

TEST(LevelSetUp, FliesAndVipersComeToLifeInScanOrder) {
    TestPond pond({"######", "#F.F.#", "#.VF.#", "#H...#", "######"});
    pond.world.Level.RandomFlies = 1;
    pond.random.Add({0.0, 0.99});  // a random fly at (2, 4)? taken by the house: retry
    pond.random.Add({0.0, 0.5});   // (2, 3)
    pond.random.Add({0.25});       // the viper's first direction: right is the fly at (4, 3), so down
    pond.SetUp();
    ASSERT_EQ(pond.world.Creatures.Flies.size(), 4u);
    const std::vector<std::pair<int, int>> expected = {{2, 2}, {2, 3}, {4, 2}, {4, 3}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const clsMuska& fly = *pond.world.Creatures.Flies[i];
        EXPECT_EQ(fly.Cell(), (CellPos{expected[i].first, expected[i].second}));
        EXPECT_EQ(pond.Data(fly.Cell().x, fly.Cell().y), static_cast<int>(i) + 1) << "key " << i + 1;
    }
    ASSERT_EQ(pond.world.Creatures.Vipers.size(), 1u);
    EXPECT_EQ(pond.world.Creatures.Vipers[0]->Smer(), DirDown);
}

TEST(LevelSetUp, TheLastHouseIsTheSnakesAndBorderItemsStayLifeless) {
    TestPond pond({"##F###", "#H...#", "#..H.V", "######"});
    pond.world.Level.Cell(4, 3).Param = 4;
    pond.SetUp();
    EXPECT_EQ(pond.world.HouseX, 4);
    EXPECT_EQ(pond.world.HouseY, 3);
    EXPECT_EQ(pond.Kind(2, 2), CellHouse);
    EXPECT_EQ(pond.Data(2, 2), HouseClosedSprite);
    EXPECT_TRUE(pond.world.Creatures.Flies.empty());
    EXPECT_TRUE(pond.world.Creatures.Vipers.empty());
    EXPECT_EQ(pond.Kind(3, 1), CellFly);
    pond.world.Snake->Posun(DirLeft);
    pond.world.Snake->Posun();
    pond.world.Snake->Posun();
    EXPECT_EQ(pond.world.Snake->Delka(), 4) << "the snake's length comes from the last house";
}

TEST(LevelSetUp, ALevelWithoutAHouseSaysSoAndDrawsNothing) {
    TestPond pond({"#####", "#.o.#", "#####"});
    pond.random.Add({0.0});
    pond.SetUp();
    EXPECT_EQ(pond.world.HouseX, 0);
    EXPECT_TRUE(pond.painter.calls.empty());
    EXPECT_EQ(pond.frontEnd.log, (std::vector<std::string>{"box Úroveň neobsahuje zurka, bude tedy přeskočena !"}));
    EXPECT_FALSE((pond.world.Snake != nullptr));
}

TEST(LevelSetUp, DrawsEveryCellThenPlacesTheSnake) {
    TestPond pond({"####", "#H.#", "####"});
    pond.world.CellSize = 12;
    pond.world.SpriteSet = 0;
    pond.SetUp();
    ASSERT_EQ(pond.painter.calls.size(), 12u);
    EXPECT_EQ(pond.painter.calls[0], (PaintCall{0, 0, 2, 0}));
    EXPECT_EQ(pond.painter.calls[4], (PaintCall{12, 12, HouseClosedSprite, 0}));
    EXPECT_EQ(pond.painter.calls[5], (PaintCall{12, 24, 2, 0}));
    EXPECT_EQ(pond.world.Snake->Delka(), 1);
}

TEST(LevelSetUp, MoreRandomItemsThanWaterStopsWhenTheWaterIsGone) {
    TestPond pond({"#####", "#H..#", "#####"});
    pond.world.Level.RandomBoulders = 200;
    pond.random.Add({0.0, 0.0, 0.5, 0.0, 0.99, 0.0});
    pond.SetUp();
    EXPECT_EQ(pond.Kind(3, 2), CellBoulder);
    EXPECT_EQ(pond.Kind(4, 2), CellBoulder);
    EXPECT_EQ(pond.random.Left(), 0u);
}

TEST(LevelSetUp, TinyLevelsWithNoInteriorDrawNoRandomNumbers) {
    TestPond pond({"HH"});
    pond.world.Level.RandomBalls = 5;
    pond.world.Level.RandomFlies = 5;
    pond.SetUp();
    EXPECT_EQ(pond.world.HouseX, 2);
    EXPECT_TRUE(pond.world.Creatures.Flies.empty());
}

TEST(LevelSetUp, MoreThan255FliesKeepTheirOwnKeys) {
    std::vector<std::string> rows(40, "#" + std::string(48, 'F') + "#");
    rows.front() = rows.back() = std::string(50, '#');
    rows[1][1] = 'H';
    TestPond pond(rows);
    pond.SetUp();
    ASSERT_EQ(pond.world.Creatures.Flies.size(), 48u * 38u - 1u);
    for (std::size_t i = 0; i < pond.world.Creatures.Flies.size(); ++i) {
        const clsMuska& fly = *pond.world.Creatures.Flies[i];
        ASSERT_EQ(pond.Data(fly.Cell().x, fly.Cell().y), static_cast<int>(i) + 1);
        ASSERT_EQ(pond.world.Creatures.FindFly(static_cast<int>(i) + 1), &fly);
    }
}
