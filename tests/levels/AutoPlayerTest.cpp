#include <gtest/gtest.h>

#include "SourceText.h"
#include "game/GameStep.h"
#include "game/HeadlessWorld.h"
#include "game/LevelSetUp.h"
#include "pond/clsHraZurk3.h"
#include "tools/levels/AutoPlayer.h"

namespace {

// One level of a source set up on the real rules, with nobody at the keys yet.
class PlayedLevel {
public:
    explicit PlayedLevel(const LevelText& level) : headless_(1), World(headless_.world) {
        clsHraZurk3 game;
        EXPECT_TRUE(game.NactiHruZPameti(Build(GameText{}.Text() + level.Text()), "test.zurk"));
        World.LevelNo = 1;
        game.NactiUrovenAkce(1, World.Level);
        SetUpLevel(World);
        World.GameState = StateRunning;
    }

    // Lets the autoplayer steer until the run ends; false when a step cost more than one point.
    bool PlayWithoutPenalty(int stepLimit) {
        AutoPlayer player(World);
        bool withoutPenalty = true;
        for (int step = 0; step < stepLimit && World.GameState == StateRunning; ++step) {
            const int score = World.Score;
            MovePond(World, player.NextDirection());
            withoutPenalty = withoutPenalty && World.Score >= score - 1;
        }
        return withoutPenalty;
    }

    bool Won() { return World.GameState == StateRunOver && World.Snake->Zije(); }

private:
    HeadlessWorld headless_;

public:
    modZurk3& World;
};

// A viper that can only crawl down, into the cell right of the snake's first step.
LevelText ViperAtTheCrossing() {
    return {.ViperLengths = "2", .Map = {"#######", "#.#V###", "#H....#", "#..o..#", "#######"}};
}

}  // namespace

TEST(AutoPlayer, KeepsOutOfTheCellAViperIsAboutToTake) {
    PlayedLevel pond(ViperAtTheCrossing());
    MovePond(pond.World, DirRight);
    AutoPlayer player(pond.World);
    EXPECT_EQ(player.NextDirection(), DirDown);
}

TEST(AutoPlayer, TheCellItAvoidsWouldHaveKilledTheSnake) {
    PlayedLevel pond(ViperAtTheCrossing());
    MovePond(pond.World, DirRight);
    MovePond(pond.World, DirRight);
    EXPECT_EQ(pond.World.GameState, StateRunOver);
    EXPECT_FALSE(pond.World.Snake->Zije());
}

TEST(AutoPlayer, GoesRoundBouldersWhenThereIsAWay) {
    PlayedLevel pond({.Map = {"#########", "#...*...#", "#H..*.o.#", "#...*...#", "#.......#", "#########"}});
    EXPECT_TRUE(pond.PlayWithoutPenalty(500));
    EXPECT_TRUE(pond.Won());
}

TEST(AutoPlayer, CrushesABoulderWhenItMust) {
    PlayedLevel pond({.Map = {"#########", "#...*...#", "#H..*.o.#", "#...*...#", "#########"}});
    EXPECT_FALSE(pond.PlayWithoutPenalty(500));
    EXPECT_TRUE(pond.Won());
}

TEST(AutoPlayer, LeavesFoodInAPocketItCouldNotLeave) {
    PlayedLevel pond({.Map = {"##########", "#H......o#", "#........#", "###o######", "##########"}});
    pond.PlayWithoutPenalty(500);
    EXPECT_TRUE(pond.Won());
    EXPECT_EQ(pond.World.Field.Kind(4, 4), CellBall);
}
