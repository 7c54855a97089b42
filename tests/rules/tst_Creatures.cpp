#include <gtest/gtest.h>

#include "TestPond.h"
#include "creatures/FreeDirection.h"
#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "creatures/clsZmije.h"

namespace {
struct CreaturePond : TestPond {
    explicit CreaturePond(const std::vector<std::string>& rows) : TestPond(rows) { CopyMapOnly(); }
    clsZmije& AddViper(int x, int y, int h1) {
        world.Creatures.Vipers.push_back(std::make_unique<clsZmije>(world));
        world.Creatures.Vipers.back()->Poloz(x, y, h1);
        return *world.Creatures.Vipers.back();
    }
    clsMuska& AddFly(int x, int y) {
        world.Creatures.Flies.push_back(std::make_unique<clsMuska>(world));
        world.Creatures.Flies.back()->Poloz(x, y, static_cast<int>(world.Creatures.Flies.size()));
        return *world.Creatures.Flies.back();
    }
};
}  // namespace

TEST(FreeDirection, ScansClockwiseFromARandomStart) {
    CreaturePond pond({"#####", "#...#", "#.#.#", "#...#", "#####"});
    // Around (3, 2): up is wall, right and left free, down is wall.
    pond.random.Add({0.0, 0.3, 0.55, 0.8});
    EXPECT_EQ(ChooseFreeDirection(pond.world.Field, pond.random, 3, 2), DirRight);  // start up: wall, then right
    EXPECT_EQ(ChooseFreeDirection(pond.world.Field, pond.random, 3, 2), DirRight);
    EXPECT_EQ(ChooseFreeDirection(pond.world.Field, pond.random, 3, 2), DirLeft);  // start down: wall, then left
    EXPECT_EQ(ChooseFreeDirection(pond.world.Field, pond.random, 3, 2), DirLeft);
    CreaturePond boxed({"###", "#.#", "###"});
    boxed.random.Add({0.5});
    EXPECT_EQ(ChooseFreeDirection(boxed.world.Field, boxed.random, 2, 2), DirNone);
}

TEST(Viper, OneSegmentViperShowsItsHeadAndEmptiesWhatItLeaves) {
    CreaturePond pond({"#######", "#.....#", "#######"});
    pond.random.Add({0.0});  // up is wall, so right
    clsZmije& viper = pond.AddViper(2, 2, 1);
    EXPECT_EQ(pond.Data(2, 2), 32);
    viper.Posun();
    EXPECT_EQ(pond.Kind(2, 2), CellFree);
    EXPECT_EQ(pond.Kind(3, 2), CellViper);
    EXPECT_EQ(pond.Data(3, 2), 32);
    EXPECT_EQ(viper.Delka(), 1);
    EXPECT_EQ(pond.random.Left(), 0u) << "a viper that can go straight on draws nothing";
}

TEST(Viper, GrowsWithBodyPicturesAndShowsATailOnlyOnceItStopsGrowing) {
    CreaturePond pond({"#######", "#.....#", "#######"});
    pond.random.Add({0.0});
    clsZmije& viper = pond.AddViper(2, 2, 3);
    viper.Posun();
    viper.Posun();
    EXPECT_EQ(viper.Delka(), 3);
    EXPECT_EQ(pond.Data(2, 2), 43) << "still growing: the last segment keeps its body picture";
    viper.Posun();
    EXPECT_EQ(viper.Delka(), 3);
    EXPECT_EQ(pond.Kind(2, 2), CellFree);
    EXPECT_EQ(pond.Data(3, 2), 40);
    EXPECT_EQ(pond.Data(4, 2), 43);
    EXPECT_EQ(pond.Data(5, 2), 32);
}

TEST(Viper, TurnsToItsOnlyFreeSideWhenBlocked) {
    CreaturePond pond({"#####", "#...#", "###.#", "#####"});
    pond.random.Add({0.0});
    clsZmije& viper = pond.AddViper(2, 2, 3);
    viper.Posun();
    viper.Posun();
    pond.random.Add({0.0});  // from up: wall, right wall, down free
    viper.Posun();
    EXPECT_EQ(viper.Smer(), DirDown);
    EXPECT_EQ(pond.Data(4, 3), 33);
    EXPECT_EQ(pond.Data(4, 2), 37) << "came in moving right, left downwards";
}

TEST(Viper, BoxedInItBreaksUpIntoBallsOfRandomColours) {
    CreaturePond pond({"#####", "#..##", "#####"});
    pond.random.Add({0.0});
    clsZmije& viper = pond.AddViper(2, 2, 2);
    viper.Posun();
    pond.random.Add({0.3, 0.0, 0.99});  // no free side, then a colour per segment
    viper.Posun();
    EXPECT_FALSE(viper.Zije());
    EXPECT_EQ(pond.Kind(3, 2), CellBall);
    EXPECT_EQ(pond.Data(3, 2), 3);
    EXPECT_EQ(pond.Kind(2, 2), CellBall);
    EXPECT_EQ(pond.Data(2, 2), 8);
    viper.Posun();
    EXPECT_EQ(pond.random.Left(), 0u);
    EXPECT_EQ(pond.Kind(3, 2), CellBall) << "a dead viper leaves its balls alone";

    pond.world.ReleaseLevelObjects();
    EXPECT_EQ(pond.Kind(3, 2), CellFree) << "its balls go with it between levels";
    EXPECT_EQ(pond.Kind(2, 2), CellFree);
}

TEST(Viper, StuckFromBirthNeverMovesNorDies) {
    CreaturePond pond({"###", "#V#", "###"});
    pond.world.Field.At(2, 2).Data = 4;
    pond.random.Add({0.5});
    clsZmije& viper = pond.AddViper(2, 2, 4);
    for (int i = 0; i < 3; ++i) viper.Posun();
    EXPECT_TRUE(viper.Zije());
    EXPECT_EQ(pond.Data(2, 2), 4);
    EXPECT_EQ(pond.random.Left(), 0u);
}

TEST(Fly, MovesRarelyAloneAndOftenBesideTheSnake) {
    CreaturePond pond({"#######", "#.....#", "#.....#", "#######"});
    clsMuska& fly = pond.AddFly(3, 2);
    pond.random.Add({0.05});  // not below 0.05: stays, draws nothing more
    fly.Posun();
    EXPECT_EQ(fly.Cell().x, 3);
    pond.random.Add({0.0499, 0.3});  // moves, starting the scan at right
    fly.Posun();
    EXPECT_EQ(fly.Cell().x, 4);
    EXPECT_EQ(pond.Kind(3, 2), CellFree);
    EXPECT_EQ(pond.Kind(4, 2), CellFly);
    EXPECT_EQ(pond.Data(4, 2), 1);

    pond.world.Field.At(4, 3) = FieldCell{CellSnake, 22};  // any snake segment beside it
    pond.random.Add({0.7999999999});                       // 0.8 in single precision: stays
    fly.Posun();
    EXPECT_EQ(fly.Cell().x, 4);
    pond.random.Add({0.79, 0.3});
    fly.Posun();
    EXPECT_EQ(fly.Cell().x, 5);
    EXPECT_EQ(pond.random.Left(), 0u);
}

TEST(Fly, EnclosedFlyStaysAndEatenFlyNeverMoves) {
    CreaturePond pond({"#####", "#.V.#", "#####"});
    pond.world.Field.At(2, 2) = FieldCell{CellWall, 0};
    clsMuska& fly = pond.AddFly(2, 2);
    pond.world.Field.At(3, 2) = FieldCell{CellViper, 31};
    pond.world.Field.At(2, 2) = FieldCell{CellFly, 1};
    const std::size_t paintsBefore = pond.painter.calls.size();
    pond.random.Add({0.0, 0.0});
    fly.Posun();
    EXPECT_EQ(pond.Kind(2, 2), CellFly);
    EXPECT_EQ(pond.Data(2, 2), 1);
    EXPECT_EQ(pond.painter.calls.size(), paintsBefore + 2) << "emptied and written again";

    fly.existuje = false;
    fly.Posun();
    EXPECT_EQ(pond.random.Left(), 0u);
}

namespace {
struct BeetlePond : TestPond {
    BeetlePond(int width, int height, int chance) : TestPond(Rows(width, height)) {
        world.Level.GoldenBallChance = static_cast<std::uint8_t>(chance);
        CopyMapOnly();
    }
    static std::vector<std::string> Rows(int width, int height) {
        std::string row(static_cast<std::size_t>(width), '.');
        row.front() = row.back() = '#';
        std::vector<std::string> rows(static_cast<std::size_t>(height), row);
        rows.front() = rows.back() = std::string(width, '#');
        return rows;
    }
    // Ticks until the ball dives, counting the tick it surfaced on as 0.
    int StayLength(double upDraw) {
        world.Creatures.Beetle = std::make_unique<clsPotapnik>(world);
        clsPotapnik& beetle = *world.Creatures.Beetle;
        beetle.Posun();                       // the pause of one tick
        random.Add({0.0, 0.0, 0.0, upDraw});  // chance, x, y, stay
        beetle.Posun();
        EXPECT_TRUE(beetle.IsSurfaced());
        int ticks = 0;
        while (beetle.IsSurfaced()) {
            beetle.Posun();
            ++ticks;
        }
        return ticks;
    }
};
}  // namespace

TEST(GoldenBall, StaysFromTheShorterToBelowTheLongerSide) {
    EXPECT_EQ(BeetlePond(30, 20, 100).StayLength(0.0), 20);
    EXPECT_EQ(BeetlePond(30, 20, 100).StayLength(0.999), 29);
    EXPECT_EQ(BeetlePond(12, 12, 100).StayLength(0.7), 12);
}

TEST(GoldenBall, PausesThenSurfacesByChanceOnFreeWaterAndDives) {
    BeetlePond pond(6, 5, 97);  // pause of 3 + 1 ticks
    pond.world.Creatures.Beetle = std::make_unique<clsPotapnik>(pond.world);
    clsPotapnik& beetle = *pond.world.Creatures.Beetle;
    for (int i = 0; i < 4; ++i) beetle.Posun();
    EXPECT_EQ(pond.random.Left(), 0u);
    pond.random.Add({0.975});  // above 97 %: not this tick
    beetle.Posun();
    pond.world.Field.At(2, 2) = FieldCell{CellBoulder, 0};
    pond.random.Add({0.97, 0.0, 0.0, 0.5, 0.5, 0.0});  // (2,2) is taken, (4,3) is free
    beetle.Posun();
    ASSERT_TRUE(beetle.IsSurfaced());
    EXPECT_EQ(pond.Kind(4, 3), CellGoldenBall);
    for (int i = 0; i < 4; ++i) beetle.Posun();
    EXPECT_TRUE(beetle.IsSurfaced()) << "it stays 5 ticks";
    beetle.Posun();
    EXPECT_FALSE(beetle.IsSurfaced());
    EXPECT_EQ(pond.Kind(4, 3), CellFree);
    for (int i = 0; i < 4; ++i) beetle.Posun();
    EXPECT_EQ(pond.random.Left(), 0u) << "then the pause of 3 + 1 ticks again";
}

TEST(GoldenBall, NoChanceNoBallAndEatenBallStartsANewPause) {
    BeetlePond none(8, 8, 0);
    clsPotapnik idle(none.world);
    for (int i = 0; i < 200; ++i) idle.Posun();
    EXPECT_EQ(none.random.Left(), 0u);

    BeetlePond eaten(8, 8, 100);
    eaten.world.Creatures.Beetle = std::make_unique<clsPotapnik>(eaten.world);
    clsPotapnik& beetle = *eaten.world.Creatures.Beetle;
    beetle.Posun();
    eaten.random.Add({0.0, 0.0, 0.0, 0.0});
    beetle.Posun();
    beetle.Konec();
    EXPECT_FALSE(beetle.IsSurfaced());
    beetle.Posun();  // the pause of one tick again
    EXPECT_EQ(eaten.random.Left(), 0u);
}

TEST(GoldenBall, AChanceAbove100CountsAs100AndAFullPondWaits) {
    BeetlePond pond(4, 4, 250);
    for (int x = 2; x <= 3; ++x)
        for (int y = 2; y <= 3; ++y) pond.world.Field.At(x, y) = FieldCell{CellBoulder, 0};
    pond.world.Creatures.Beetle = std::make_unique<clsPotapnik>(pond.world);
    clsPotapnik& beetle = *pond.world.Creatures.Beetle;
    beetle.Posun();  // 100 %: a pause of a single tick
    pond.random.Add({0.5});
    beetle.Posun();  // nowhere to surface: gives up for this tick
    EXPECT_FALSE(beetle.IsSurfaced());
    pond.world.Field.At(3, 3) = FieldCell{CellFree, 0};
    pond.random.Add({0.5, 0.9, 0.9, 0.0});
    beetle.Posun();
    EXPECT_TRUE(beetle.IsSurfaced());
    EXPECT_EQ(pond.Kind(3, 3), CellGoldenBall);
}
