#include <gtest/gtest.h>
#include <set>

#include "DefaultGameSources.h"
#include "pond/CellKinds.h"
#include "pond/clsHraZurk3.h"
#include "tools/levels/GameFileChecker.h"
#include "tools/levels/LevelTrial.h"

namespace {

clsHraZurk3 LoadDefaultGame() {
    clsHraZurk3 game;
    EXPECT_TRUE(game.NactiHruZPameti(BuildDefaultGame(), "zaklad.zurk")) << game.LastError();
    return game;
}

}  // namespace

TEST(DefaultGame, ChecksCleanWithoutAWarning) {
    const CheckReport report = GameFileChecker::Check(BuildDefaultGame(), "zaklad.zurk");
    EXPECT_TRUE(report.Faults.empty());
    for (const std::string& warning : report.Warnings) ADD_FAILURE() << warning;
}

TEST(DefaultGame, HasTheHeaderOfTheGame) {
    const clsHraZurk3 game = LoadDefaultGame();
    EXPECT_GE(game.PocetUrovni(), 25);
    EXPECT_GE(game.Zivoty(), 3);
    EXPECT_LE(game.Zivoty(), 5);
    EXPECT_EQ(game.Informace(), "Základní hra Zurk3            ");
}

TEST(DefaultGame, GivesEveryLevelAHouseAndShowsEveryBallColour) {
    const clsHraZurk3 game = LoadDefaultGame();
    std::set<int> colours;
    for (int u = 1; u <= game.PocetUrovni(); ++u) {
        const LevelRecord& level = game.Levels()[static_cast<std::size_t>(u)];
        int houses = 0;
        for (int y = 1; y <= level.FieldHeight; ++y)
            for (int x = 1; x <= level.FieldWidth; ++x) {
                const MapCell& cell = level.Cell(x, y);
                houses += cell.Kind == CellHouse ? 1 : 0;
                if (cell.Kind == CellBall && cell.Param != 0) colours.insert(cell.Param);
            }
        EXPECT_EQ(houses, 1) << "level " << u;
    }
    EXPECT_EQ(colours, (std::set<int>{1, 2, 3, 4, 5, 6}));
}

TEST(DefaultGame, GrowsFromSmallPondsToTheLargestWithBonusLevelsBetween) {
    const clsHraZurk3 game = LoadDefaultGame();
    int previousArea = 0;
    int largest = 0;
    std::vector<int> bonus;
    for (int u = 1; u <= game.PocetUrovni(); ++u) {
        const LevelRecord& level = game.Levels()[static_cast<std::size_t>(u)];
        const int area = level.FieldWidth * level.FieldHeight;
        EXPECT_GE(area, previousArea) << "level " << u << " is smaller than the one before";
        previousArea = area;
        largest += level.FieldWidth == MaxFieldWidth && level.FieldHeight == MaxFieldHeight ? 1 : 0;
        if (level.IsBonus()) bonus.push_back(u);
    }
    EXPECT_GE(largest, 1);
    ASSERT_GE(bonus.size(), 3u);
    EXPECT_GT(bonus.front(), 1);
    for (std::size_t i = 1; i < bonus.size(); ++i) EXPECT_GT(bonus[i] - bonus[i - 1], 2) << "bonus levels bunched";
}

TEST(DefaultGame, TheAutoplayerWinsEveryLevelUnderSomeSeed) {
    const clsHraZurk3 game = LoadDefaultGame();
    for (int u = 1; u <= game.PocetUrovni(); ++u) {
        bool won = false;
        for (std::uint32_t seed = 1; seed <= 5 && !won; ++seed) won = LevelTrial::Run(game, u, seed, 20000).Won;
        EXPECT_TRUE(won) << "level " << u << " lost under every seed";
    }
}
