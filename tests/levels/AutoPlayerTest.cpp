#include <gtest/gtest.h>

#include "game/CellPainter.h"
#include "game/CuePlayer.h"
#include "game/GameFrontEnd.h"
#include "game/GameStep.h"
#include "game/LevelSetUp.h"
#include "game/RandomSource.h"
#include "game/clsHraZurk3.h"
#include "game/modZurk3.h"
#include "snake/clsZurk.h"
#include "tools/levels/AutoPlayer.h"
#include "SourceText.h"

namespace {

// One level of a source set up on the real rules, with nobody at the keys yet.
class Pond {
public:
    explicit Pond(const LevelText& level) : random_(1) {
        clsHraZurk3 game;
        EXPECT_TRUE(game.NactiHruZPameti(Build(GameText{}.Text() + level.Text()), "test.zurk"));
        World.UseRandom(random_);
        World.UsePainter(painter_);
        World.UseCues(cues_);
        World.UseFrontEnd(frontEnd_);
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

    bool Won() { return World.GameState == StateRunOver && World.Snake().Zije(); }

private:
    SeededRandom random_;
    NullPainter painter_;
    SilentCuePlayer cues_;
    NullFrontEnd frontEnd_;

public:
    modZurk3 World;  // after its outside world, so it goes first
};

// A viper that can only crawl down, into the cell right of the snake's first step.
LevelText ViperAtTheCrossing() {
    return {.ViperLengths = "2", .Map = {"#######", "#.#V###", "#H....#", "#..o..#", "#######"}};
}

}  // namespace

TEST(AutoPlayer, KeepsOutOfTheCellAViperIsAboutToTake) {
    Pond pond(ViperAtTheCrossing());
    MovePond(pond.World, DirRight);
    AutoPlayer player(pond.World);
    EXPECT_EQ(player.NextDirection(), DirDown);
}

TEST(AutoPlayer, TheCellItAvoidsWouldHaveKilledTheSnake) {
    Pond pond(ViperAtTheCrossing());
    MovePond(pond.World, DirRight);
    MovePond(pond.World, DirRight);
    EXPECT_EQ(pond.World.GameState, StateRunOver);
    EXPECT_FALSE(pond.World.Snake().Zije());
}

TEST(AutoPlayer, GoesRoundBouldersWhenThereIsAWay) {
    Pond pond({.Map = {"#########", "#...*...#", "#H..*.o.#", "#...*...#", "#.......#", "#########"}});
    EXPECT_TRUE(pond.PlayWithoutPenalty(500));
    EXPECT_TRUE(pond.Won());
}

TEST(AutoPlayer, CrushesABoulderWhenItMust) {
    Pond pond({.Map = {"#########", "#...*...#", "#H..*.o.#", "#...*...#", "#########"}});
    EXPECT_FALSE(pond.PlayWithoutPenalty(500));
    EXPECT_TRUE(pond.Won());
}

TEST(AutoPlayer, LeavesFoodInAPocketItCouldNotLeave) {
    Pond pond({.Map = {"##########", "#H......o#", "#........#", "###o######", "##########"}});
    pond.PlayWithoutPenalty(500);
    EXPECT_TRUE(pond.Won());
    EXPECT_EQ(pond.World.Field.Kind(4, 4), CellBall);
}
