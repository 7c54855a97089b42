#include <algorithm>
#include <gtest/gtest.h>

#include "Fakes.h"
#include "GameFileBytes.h"
#include "ScriptedRandom.h"
#include "game/LevelFlow.h"
#include "snake/clsZurk.h"

namespace {
constexpr int Bonus = 1;

class LevelFlowTest : public testing::Test {
protected:
    // A 5 x 3 corridor with the house at (2, 2): Right then Left wins, three Rights crash.
    static void Corridor(GameFileBytes& file, int flags = 0) { file.Level(5, 3, flags, 2).Cell(100, 2, 2, 2); }

    void Load(const GameFileBytes& file) {
        ASSERT_TRUE(game.NactiHruZPameti(file.bytes, "test.zurk")) << game.LastError();
        flow = std::make_unique<LevelFlow>(world, game, keys);
    }
    void Tick(int vk = 0) {
        if (vk != 0) keys.Tap(vk);
        flow->Step();
    }
    void Win() {
        Tick(VkRight);
        Tick(VkLeft);
        Tick();
    }
    void Crash() {
        Tick(VkRight);
        Tick();
        Tick();
        Tick();
    }

    ScriptedRandom random;
    RecordingPainter painter;
    RecordingCues cues;
    RecordingFrontEnd frontEnd;
    ScriptedKeys keys;
    modZurk3 world{random, painter, cues, frontEnd};
    clsHraZurk3 game;
    std::unique_ptr<LevelFlow> flow;
};
}  // namespace

TEST_F(LevelFlowTest, StartLaysOutLevelOneAndWaitsForTheFirstArrow) {
    GameFileBytes file(2, 3);
    Corridor(file);
    file.Level(30, 20, 0, 5).Cell(100, 5, 5, 1);
    Load(file);
    flow->Start();
    EXPECT_EQ(world.LevelNo, 1);
    EXPECT_EQ(world.GameState, StateRunning);
    EXPECT_TRUE(frontEnd.timerOn);
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Uvod));
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Pauza));
    EXPECT_EQ(frontEnd.log, (std::vector<std::string>{"hide title", "layout 5x3@20", "move 0 210,162"}));

    for (int i = 0; i < 5; ++i) Tick();
    EXPECT_FALSE(world.Snake->UzJede());
    EXPECT_EQ(world.Score, 0);
    EXPECT_EQ(frontEnd.panel, (PanelValues{0, 3, 1, 2, 1, false}));
    Tick(VkRight);
    EXPECT_TRUE(world.Snake->UzJede());
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Uvod));
    EXPECT_EQ(frontEnd.panel, (PanelValues{-1, 3, 1, 2, 2, true}))
        << "the length box turns green at the required length";
}

TEST_F(LevelFlowTest, AnArrowPressedBeforeTheLevelStartedDoesNotCount) {
    GameFileBytes file(1, 3);
    Corridor(file);
    Load(file);
    keys.Press(VkRight);
    flow->Start();
    Tick();
    EXPECT_FALSE(world.Snake->UzJede());
}

TEST_F(LevelFlowTest, WinningMovesOnAndTheLastLevelPaysForEveryLife) {
    GameFileBytes file(2, 3);
    Corridor(file);
    Corridor(file);
    Load(file);
    flow->Start();
    Win();
    EXPECT_EQ(frontEnd.messages, (std::vector<std::string>{"Postup do další úrovně !"}));
    EXPECT_EQ(world.LevelNo, 2);
    EXPECT_EQ(world.Score, -2 + 2000);
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Uvod)) << "the hint is for level 1 only";
    Win();
    EXPECT_EQ(frontEnd.messages.back(), "Fantastické vítězství !!!");
    EXPECT_EQ(world.Score, -4 + 4000 + 3 * 5000);
    EXPECT_EQ(world.LevelNo, 2);
    EXPECT_EQ(frontEnd.panel.LevelNo, 2) << "the last level's number, not one more";
    EXPECT_FALSE(frontEnd.timerOn);
    Tick();
    EXPECT_EQ(frontEnd.messages.size(), 2u) << "a finished game stays finished";
}

TEST_F(LevelFlowTest, CrashingCostsALifeAndTheLastLifeEndsTheGame) {
    GameFileBytes file(1, 2);
    Corridor(file);
    Load(file);
    flow->Start();
    Crash();
    EXPECT_EQ(frontEnd.messages, (std::vector<std::string>{"Úroveň se zopakuje !"}));
    EXPECT_EQ(frontEnd.panel.LivesLeft, 1);
    EXPECT_EQ(world.LevelNo, 1);
    EXPECT_EQ(world.GameState, StateRunning);
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Uvod)) << "also when level 1 is repeated";
    Crash();
    EXPECT_EQ(frontEnd.messages.back(), "Totální prohra ...");
    EXPECT_EQ(frontEnd.panel.LivesLeft, 0);
    EXPECT_FALSE(frontEnd.timerOn);
}

TEST_F(LevelFlowTest, BonusLevelsGiveALifeAndCostNone) {
    GameFileBytes file(3, 1);
    Corridor(file, Bonus);
    Corridor(file, Bonus);
    Corridor(file);
    Load(file);
    flow->Start();
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Bonus));
    Win();
    EXPECT_EQ(frontEnd.panel.LivesLeft, 2);
    EXPECT_EQ(world.Score, -2 + 2000);
    Crash();
    EXPECT_EQ(frontEnd.messages.back(), "Postup do další úrovně !");
    EXPECT_EQ(frontEnd.panel.LivesLeft, 2);
    EXPECT_EQ(world.Score, -2 + 2000 - 3) << "a lost bonus level earns nothing";
    EXPECT_EQ(world.LevelNo, 3);
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Bonus));
}

TEST_F(LevelFlowTest, LivesNeverPass255) {
    GameFileBytes file(1, 255);
    Corridor(file, Bonus);
    Load(file);
    flow->Start();
    Win();
    EXPECT_EQ(frontEnd.panel.LivesLeft, 255);
}

TEST_F(LevelFlowTest, LevelsWithoutAHouseAreSkippedToTheEnd) {
    GameFileBytes file(3, 3);
    Corridor(file);
    file.Level(4, 4, 0, 2).Level(4, 4, 0, 2);
    Load(file);
    flow->Start();
    Win();
    EXPECT_EQ(frontEnd.messages, (std::vector<std::string>{"Postup do další úrovně !", "Postup do další úrovně !",
                                                           "Fantastické vítězství !!!"}));
    int boxes = 0;
    for (const std::string& line : frontEnd.log) boxes += line.rfind("box ", 0) == 0;
    EXPECT_EQ(boxes, 2);
    EXPECT_EQ(world.LevelNo, 3);
}

TEST_F(LevelFlowTest, LevelsTheFileDoesNotHoldAreSkippedWithoutAnEmptyPond) {
    GameFileBytes file(3, 3);
    Corridor(file);
    Load(file);
    flow->Start();
    Win();
    EXPECT_EQ(frontEnd.messages, (std::vector<std::string>{"Postup do další úrovně !", "Postup do další úrovně !",
                                                           "Fantastické vítězství !!!"}));
    const std::string skipped = "box Úroveň neobsahuje zurka, bude tedy přeskočena !";
    EXPECT_EQ(std::count(frontEnd.log.begin(), frontEnd.log.end(), skipped), 2);
    EXPECT_EQ(std::count_if(frontEnd.log.begin(), frontEnd.log.end(),
                            [](const std::string& line) { return line.rfind("layout", 0) == 0; }),
              1)
        << "only level 1 lays the window out";
    EXPECT_EQ(world.LevelNo, 3);
}

TEST_F(LevelFlowTest, PauseOnlyOnceTheSnakeMoves) {
    GameFileBytes file(1, 3);
    file.Level(9, 3, 0, 20).Cell(100, 2, 2, 5);
    Load(file);
    flow->Start();
    flow->TogglePause();
    flow->OnMinimised();
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Pauza));
    Tick(VkRight);
    flow->OnMinimised();
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Pauza));
    EXPECT_FALSE(frontEnd.timerOn);
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Pauza));
    flow->TogglePause();
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Pauza));
    EXPECT_TRUE(frontEnd.timerOn);
    flow->TogglePause();
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Pauza));
    flow->ReturnToTitle();
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Pauza)) << "the pause lasts until the next level start";
    flow->Start();
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Pauza));
}

TEST_F(LevelFlowTest, ReturnToTitleAndChooseLevel) {
    GameFileBytes file(3, 4);
    Corridor(file);
    Corridor(file);
    file.Level(8, 6, 0, 9).Count(3, 0).Cell(100, 3, 3, 2).Cell(51, 6, 4, 3);
    Load(file);
    random.Add({0.0});  // the viper's first direction
    EXPECT_TRUE(flow->ChooseLevel("3"));
    EXPECT_EQ(world.LevelNo, 3);
    EXPECT_EQ(flow->LevelInfoText(),
              "Velikost:8x6\r\nNáhodné kuličky:0\r\nNáhodné mušky:0\r\nNáhodné balvany:0\r\n"
              "Výskyt zlaté kuličky:0 %\r\nPočet zmijí:1");
    for (const char* ignored : {"12", "abc", "", "0", "-1", "300"}) {
        EXPECT_FALSE(flow->ChooseLevel(ignored)) << ignored;
        EXPECT_EQ(world.LevelNo, 3);
    }
    Tick(VkRight);
    random.Add({0.0});
    EXPECT_TRUE(flow->ChooseLevel("2.5")) << "halves go to the even neighbour";
    EXPECT_EQ(world.LevelNo, 2);
    EXPECT_EQ(world.Score, 0);
    Tick();
    EXPECT_EQ(frontEnd.panel.LivesLeft, 4);

    flow->ReturnToTitle();
    EXPECT_EQ(world.LevelNo, 0);
    EXPECT_EQ(frontEnd.log.back(), "title");
    EXPECT_FALSE(flow->CanShowLevelInfo());
    EXPECT_FALSE((world.Snake != nullptr));
    EXPECT_FALSE(frontEnd.timerOn);
}

TEST_F(LevelFlowTest, NoCommandRunsInsideALevelStart) {
    GameFileBytes file(2, 3);
    Corridor(file);
    Corridor(file);
    Load(file);
    int nested = 0;
    frontEnd.duringLayout = [&] {
        ++nested;
        flow->Start();
        flow->ReturnToTitle();
        flow->ChooseLevel("2");
        flow->Step();
    };
    flow->Start();
    EXPECT_EQ(nested, 1) << "the commands from inside were refused";
    EXPECT_EQ(world.LevelNo, 1);
    EXPECT_EQ(world.GameState, StateRunning);
}

TEST_F(LevelFlowTest, InformationAboutTheGame) {
    GameFileBytes file(1, 3, "Moje hra");
    Corridor(file);
    Load(file);
    EXPECT_EQ(flow->GameInfoText(),
              "Název hry : test.zurk\r\nPočet úrovní : 1\r\nPoznámka : Moje hra" + std::string(22, ' '));
}

TEST(CellSize, TwentyPixelsWhenTheLevelFitsTheScreen) {
    EXPECT_EQ(ChooseSpriteSet(44, 34, {1024, 768}), 1);
    EXPECT_EQ(ChooseSpriteSet(45, 34, {1024, 768}), 0);
    EXPECT_EQ(ChooseSpriteSet(44, 35, {1024, 768}), 0);
    EXPECT_EQ(ChooseSpriteSet(33, 27, {800, 600}), 1);
    EXPECT_EQ(ChooseSpriteSet(34, 27, {800, 600}), 0);
    EXPECT_EQ(ChooseSpriteSet(50, 40, {1024, 768}), 0);
}

TEST(LevelAnswer, ReadsTheLeadingNumberRoundingHalvesToEven) {
    EXPECT_EQ(ParseLevelAnswer("3"), 3);
    EXPECT_EQ(ParseLevelAnswer("  7 levels"), 7);
    EXPECT_EQ(ParseLevelAnswer("2.5"), 2);
    EXPECT_EQ(ParseLevelAnswer("3.5"), 4);
    EXPECT_EQ(ParseLevelAnswer("2.51"), 3);
    EXPECT_EQ(ParseLevelAnswer("-4"), -4);
    EXPECT_EQ(ParseLevelAnswer("abc"), 0);
    EXPECT_EQ(ParseLevelAnswer(""), 0);
    EXPECT_EQ(ParseLevelAnswer("."), 0);
    EXPECT_EQ(ParseLevelAnswer("99999999999999999999"), 0);
}
