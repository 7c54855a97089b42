#include <gtest/gtest.h>

#include "Draws.h"
#include "TestPond.h"
#include "creatures/FreeDirection.h"
#include "creatures/clsPotapnik.h"

TEST(FreeDirection, ScansClockwiseFromARandomStart) {
    CopiedPond pond({"#####", "#...#", "#.#.#", "#...#", "#####"});
    // Around (3, 2) only right and left are free.
    const std::pair<double, int> draws[] = {{0.0, DirRight}, {0.3, DirRight}, {0.55, DirLeft}, {0.8, DirLeft}};
    for (const auto& [draw, direction] : draws) {
        pond.random.Add({draw});
        EXPECT_EQ(ChooseFreeDirection(pond.world.Field, pond.random, 3, 2), direction) << draw;
    }
    CopiedPond boxed({"###", "#.#", "###"});
    boxed.random.Add({0.5});
    EXPECT_EQ(ChooseFreeDirection(boxed.world.Field, boxed.random, 2, 2), DirNone);
}

TEST(Viper, GoesStraightWhileItCanAndLeavesNoTrace) {
    for (int h1 : {1, 0}) {  // 0 behaves as 1
        CopiedPond pond({"#######", "#.....#", "#######"});
        pond.random.Add({Draw::FirstSide(DirUp)});  // up is wall, so right
        clsZmije& viper = pond.AddViper(2, 2, h1);
        for (int step = 0; step < 3; ++step) viper.Posun();
        EXPECT_EQ(viper.Delka(), 1) << h1;
        EXPECT_EQ(pond.Kind(4, 2), CellFree) << h1;
        EXPECT_EQ(pond.Data(5, 2), 32) << h1;
        EXPECT_EQ(pond.random.Left(), 0u) << "a viper that can go straight on draws nothing";
    }
}

TEST(Viper, BoxedInItBreaksUpIntoBallsThatGoWithItBetweenLevels) {
    CopiedPond pond({"#####", "#..##", "#####"});
    pond.random.Add({Draw::FirstSide(DirUp)});
    clsZmije& viper = pond.AddViper(2, 2, 2);
    viper.Posun();
    // No free side, then a colour for each segment, head first.
    pond.random.Add({Draw::FirstSide(DirRight), Draw::BallColour(1), Draw::BallColour(6)});
    viper.Posun();
    EXPECT_FALSE(viper.Zije());
    EXPECT_EQ(pond.Kind(3, 2), CellBall);
    EXPECT_EQ(pond.Data(3, 2), 3);
    EXPECT_EQ(pond.Data(2, 2), 8);
    viper.Posun();
    EXPECT_EQ(pond.random.Left(), 0u) << "a dead viper stays as it is";
    pond.world.ReleaseLevelObjects();
    EXPECT_EQ(pond.Kind(3, 2), CellFree);
    EXPECT_EQ(pond.Kind(2, 2), CellFree);
}

TEST(Viper, StuckFromBirthNeverMovesNorDies) {
    CopiedPond pond({"###", "#V#", "###"});
    pond.world.Field.At(2, 2).Data = 4;
    pond.random.Add({Draw::FirstSide(DirDown)});
    clsZmije& viper = pond.AddViper(2, 2, 4);
    for (int i = 0; i < 3; ++i) viper.Posun();
    EXPECT_TRUE(viper.Zije());
    EXPECT_EQ(pond.Data(2, 2), 4);
    EXPECT_EQ(pond.random.Left(), 0u);
}

// Left alone a fly moves when the draw is below 0.05; beside any segment of the snake, below 0.8.
// A viper beside it frightens it no more than a wall.
TEST(Fly, MovesRarelyAloneAndOftenBesideTheSnake) {
    struct Case {
        char neighbour;
        double draw;
        bool moves;
    };
    for (const Case& c : {Case{'.', 0.05, false}, Case{'.', 0.0499, true}, Case{'V', 0.0499, true},
                          Case{'V', 0.05, false}, Case{'S', 0.7999999999, false}, Case{'S', 0.79, true}}) {
        CopiedPond pond({"######", std::string("#") + c.neighbour + "...#", "######"});
        clsMuska& fly = pond.AddFly(3, 2);
        pond.random.Add({c.draw, Draw::FirstSide(DirRight)});  // free water
        fly.Posun();
        EXPECT_EQ(fly.Cell(), (CellPos{c.moves ? 4 : 3, 2})) << c.neighbour << " " << c.draw;
        EXPECT_EQ(pond.Data(fly.Cell().x, 2), 1);
    }
}

TEST(Fly, EnclosedStaysAndEatenNeverMoves) {
    CopiedPond pond({"#####", "##.V#", "#####"});
    clsMuska& fly = pond.AddFly(3, 2);
    pond.random.Add({Draw::FlyMoves, Draw::FirstSide(DirUp)});
    fly.Posun();
    EXPECT_EQ(pond.Kind(3, 2), CellFly);
    EXPECT_EQ(pond.Data(3, 2), 1);
    fly.existuje = false;
    fly.Posun();
    EXPECT_EQ(pond.random.Left(), 0u);
}

namespace {
struct BeetlePond : TestPond {
    BeetlePond(int width, int height, int chance) : TestPond(Walled(width, height)) {
        world.Level.GoldenBallChance = static_cast<std::uint8_t>(chance);
        CopyMapOnly();
        beetle = std::make_unique<clsPotapnik>(world);
    }
    // Ticks the ball stays once it surfaced, its stay drawn by upDraw.
    int StayLength(double upDraw) {
        beetle->Posun();  // the pause of one tick
        const int width = world.Level.FieldWidth, height = world.Level.FieldHeight;
        random.Add({Draw::Surfaces, Draw::Column(2, width), Draw::Row(2, height), upDraw});
        beetle->Posun();
        int ticks = 0;
        for (; beetle->IsSurfaced(); ++ticks) beetle->Posun();
        return ticks;
    }
    std::unique_ptr<clsPotapnik> beetle;
};
}  // namespace

TEST(GoldenBall, StaysFromTheShorterToBelowTheLongerSide) {
    EXPECT_EQ(BeetlePond(30, 20, 100).StayLength(0.0), 20);
    EXPECT_EQ(BeetlePond(30, 20, 100).StayLength(0.999), 29);
    EXPECT_EQ(BeetlePond(12, 12, 100).StayLength(0.7), 12);
}

TEST(GoldenBall, PausesThenSurfacesByChanceOnFreeWaterAndDives) {
    BeetlePond pond(6, 5, 97);  // a pause of 3 + 1 ticks
    for (int i = 0; i < 4; ++i) pond.beetle->Posun();
    EXPECT_EQ(pond.random.Left(), 0u);
    pond.random.Add({0.975});  // above 97 %: not this tick
    pond.beetle->Posun();
    pond.world.Field.At(2, 2) = FieldCell{CellBoulder, 0};
    pond.world.DrawCell(2, 2);
    // (2, 2) is taken, (5, 4), the far corner of the water, is free.
    pond.random.Add({Draw::AtChance(97), Draw::Column(2, 6), Draw::Row(2, 5), Draw::Column(5, 6), Draw::Row(4, 5),
                     Draw::Stay(5, 5, 6)});
    pond.beetle->Posun();
    EXPECT_EQ(pond.Kind(5, 4), CellGoldenBall);
    for (int i = 0; i < 5; ++i) pond.beetle->Posun();
    EXPECT_EQ(pond.Kind(5, 4), CellFree);
    for (int i = 0; i < 4; ++i) pond.beetle->Posun();
    EXPECT_EQ(pond.random.Left(), 0u) << "then the pause again";
}

TEST(GoldenBall, NoChanceNoBallAndAnEatenBallStartsANewPause) {
    BeetlePond none(8, 8, 0);
    for (int i = 0; i < 200; ++i) none.beetle->Posun();
    EXPECT_EQ(none.random.Left(), 0u);

    BeetlePond eaten(8, 8, 100);
    eaten.beetle->Posun();
    eaten.random.Add({Draw::Surfaces, Draw::Column(2, 8), Draw::Row(2, 8), Draw::Stay(8, 8, 8)});
    eaten.beetle->Posun();
    eaten.beetle->Konec();
    EXPECT_FALSE(eaten.beetle->IsSurfaced());
    eaten.beetle->Posun();  // the pause of one tick again
    EXPECT_EQ(eaten.random.Left(), 0u);
}

TEST(GoldenBall, AChanceAbove100CountsAs100AndAFullPondWaits) {
    BeetlePond pond(4, 4, 250);
    for (int x = 2; x <= 3; ++x)
        for (int y = 2; y <= 3; ++y) pond.world.Field.At(x, y) = FieldCell{CellBoulder, 0};
    for (CellPos gap : {CellPos{2, 4}, CellPos{4, 2}}) pond.world.Field.At(gap.x, gap.y) = FieldCell{CellFree, 0};
    pond.beetle->Posun();  // 100 %: a pause of a single tick
    pond.random.Add({Draw::Surfaces});
    pond.beetle->Posun();  // nowhere to surface, for gaps in the ring are not water: it gives up for this tick
    EXPECT_FALSE(pond.beetle->IsSurfaced());
    pond.world.Field.At(2, 2) = FieldCell{CellFree, 0};
    pond.random.Add({Draw::Surfaces, Draw::Column(2, 4), Draw::Row(2, 4), Draw::Stay(4, 4, 4)});
    pond.beetle->Posun();
    EXPECT_EQ(pond.Kind(2, 2), CellGoldenBall);
}
