#include <gtest/gtest.h>

#include "Draws.h"
#include "Fakes.h"
#include "GameFileBytes.h"
#include "game/LevelFlow.h"

namespace {
constexpr int Bonus = 1;
using Key = clsKB::Key;
using Messages = std::vector<FlowMessage>;
constexpr FlowMessage Next = FlowMessage::NextLevel, Repeats = FlowMessage::LevelRepeats, Lost = FlowMessage::GameLost,
                      Victory = FlowMessage::Victory;

class LevelFlowTest : public testing::Test {
protected:
    // A 5 x 3 corridor with the house at (2, 2): Right then Left wins, three Rights crash.
    static void Corridor(GameFileBytes& file, int flags = 0) { file.Level(5, 3, flags, 2).House(2, 2, 2); }

    void LoadCorridors(int levels, int lives) {
        GameFileBytes file(levels, lives);
        for (int level = 0; level < levels; ++level) Corridor(file);
        Load(file);
    }
    void Load(const GameFileBytes& file) {
        ASSERT_TRUE(game.NactiHruZPameti(file.bytes, "test.zurk"));
        flow = std::make_unique<LevelFlow>(world, game, keys);
    }
    void Tick(std::optional<Key> key = std::nullopt) {
        if (key) keys.Tap(*key);
        flow->Step();
    }
    void Win() {
        Tick(Key::RIGHT);
        Tick(Key::LEFT);
        Tick();
    }
    void Crash() {
        Tick(Key::RIGHT);
        for (int i = 0; i < 3; ++i) Tick();
    }

    ScriptedRandom random;
    CountingPainter painter;
    RecordingCues cues;
    RecordingFrontEnd frontEnd;
    ScriptedKeys keys;
    modZurk3 world{random, painter, cues, frontEnd};
    clsHraZurk3 game;
    std::unique_ptr<LevelFlow> flow;
};
}  // namespace

TEST_F(LevelFlowTest, StartLaysOutLevelOneAndWaitsForTheFirstArrow) {
    LoadCorridors(2, 3);
    keys.Press(Key::RIGHT);  // held since before the start: no new press
    flow->Start();
    EXPECT_TRUE(frontEnd.timerOn);
    EXPECT_EQ(frontEnd.layouts, (std::vector<std::vector<int>>{{5, 3}}));
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Uvod));
    for (int i = 0; i < 3; ++i) Tick();
    EXPECT_FALSE(world.SnakeMoving());
    EXPECT_EQ(frontEnd.panel, (PanelValues{0, 3, 1, 2, 1, false}));
    keys.Release(Key::RIGHT);
    Tick();
    Tick(Key::RIGHT);
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Uvod));
    EXPECT_EQ(frontEnd.panel, (PanelValues{-1, 3, 1, 2, 2, true}))
        << "the length box turns green at the required length";
}

TEST_F(LevelFlowTest, WinningMovesOnAndTheLastLevelPaysForEveryLife) {
    LoadCorridors(2, 3);
    flow->Start();
    Win();
    EXPECT_EQ(frontEnd.messages, (Messages{Next}));
    EXPECT_EQ(world.Score, -2 + 2000);
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Uvod)) << "the hint is for level 1 only";
    EXPECT_FALSE(frontEnd.Visible(HintLabel::UvodKonec)) << "nor the way home";
    Win();
    EXPECT_EQ(frontEnd.messages.back(), Victory);
    EXPECT_EQ(world.Score, -4 + 4000 + 3 * 5000);
    EXPECT_EQ(frontEnd.panel.LevelNo, 2) << "the last level's number, not one more";
    EXPECT_FALSE(frontEnd.timerOn || frontEnd.timerOnUnderAMessage);
    Tick();
    flow->TogglePause();
    flow->OnMinimised();
    EXPECT_EQ(frontEnd.messages.size(), 2u) << "a finished game stays finished";
    EXPECT_FALSE(frontEnd.timerOn || frontEnd.Visible(HintLabel::Pauza));
}

TEST_F(LevelFlowTest, CrashingCostsALifeAndTheLastLifeEndsTheGame) {
    LoadCorridors(1, 2);
    flow->Start();
    Crash();
    EXPECT_EQ(frontEnd.messages, (Messages{Repeats}));
    EXPECT_EQ(frontEnd.panelUnderTheMessage.LivesLeft, 1) << "the message shows over the new count";
    EXPECT_EQ(world.GameState, StateRunning);
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Uvod)) << "also when level 1 is repeated";
    Crash();
    EXPECT_EQ(frontEnd.messages.back(), Lost);
    EXPECT_EQ(frontEnd.panel.LivesLeft, 0);
    EXPECT_FALSE(frontEnd.timerOn || frontEnd.timerOnUnderAMessage);
    Tick();
    EXPECT_EQ(frontEnd.messages.size(), 2u) << "a lost game stays lost";
    LoadCorridors(1, 0);
    flow->Start();
    Crash();
    EXPECT_EQ(frontEnd.messages.back(), Lost) << "a game of no lives ends at the first crash";
}

TEST_F(LevelFlowTest, BonusLevelsGiveALifeUpTo255AndCostNone) {
    GameFileBytes file(3, 1);
    Corridor(file, Bonus);
    Corridor(file, Bonus);
    Corridor(file);
    Load(file);
    flow->Start();
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Bonus));
    Win();
    EXPECT_EQ(frontEnd.panel.LivesLeft, 2);
    Crash();
    EXPECT_EQ(frontEnd.messages.back(), Next);
    EXPECT_EQ(frontEnd.panel.LivesLeft, 2);
    EXPECT_EQ(world.Score, -2 + 2000 - 3) << "a lost bonus level earns nothing";
    EXPECT_EQ(world.LevelNo, 3);
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Bonus));

    GameFileBytes full(1, 255);
    Corridor(full, Bonus);
    Load(full);
    flow->Start();
    Win();
    EXPECT_EQ(frontEnd.panel.LivesLeft, 255);
}

TEST_F(LevelFlowTest, OnlyTheLowestFlagBitMakesABonusLevel) {
    for (const auto& [flags, bonus] : {std::pair{-1, true}, {-2, false}, {-32768, false}, {-32767, true}}) {
        GameFileBytes file(1, 3);
        Corridor(file, flags);
        Load(file);
        flow->Start();
        EXPECT_EQ(frontEnd.Visible(HintLabel::Bonus), bonus) << flags;
    }
}

TEST_F(LevelFlowTest, LevelsWithoutAHouseOrNotInTheFileAreSkippedToTheEnd) {
    GameFileBytes file(4, 3);  // announces a fourth level the file does not hold
    Corridor(file);
    file.Level(1, 1, 0, 2).Level(4, 0, 0, 2);
    Load(file);
    flow->Start();
    Win();
    EXPECT_EQ(frontEnd.messages, (Messages{Next, Next, Next, Victory}));
    EXPECT_EQ(frontEnd.noSnakeBoxes, 3);
    EXPECT_EQ(frontEnd.layouts, (std::vector<std::vector<int>>{{5, 3}, {1, 1}}))
        << "no window is laid out for a level of no cells";
    EXPECT_EQ(world.LevelNo, 4);
    EXPECT_FALSE(frontEnd.timerOnUnderAMessage);

    Load(GameFileBytes(0, 3));
    flow->Start();
    EXPECT_FALSE(flow->ChooseLevel("1"));
    EXPECT_EQ(frontEnd.messages.size(), 4u) << "a game of no levels starts nothing";
    EXPECT_TRUE(frontEnd.noSnakeBoxes == 3 && frontEnd.noPlayableLevelBoxes == 0);
}

TEST_F(LevelFlowTest, AGameWithNoPlayableLevelIsToldOnceAndNotStarted) {
    GameFileBytes noHouses(255, 3);
    for (int level = 0; level < 255; ++level) noHouses.Level(5, 3, 0, 2);
    for (const GameFileBytes& file : {GameFileBytes(255, 3), noHouses}) {
        Load(file);
        frontEnd.noPlayableLevelBoxes = 0;
        flow->Start();
        EXPECT_FALSE(flow->ChooseLevel("7"));
        EXPECT_EQ(frontEnd.noPlayableLevelBoxes, 2);
        EXPECT_EQ(frontEnd.noSnakeBoxes, 0);
        EXPECT_TRUE(frontEnd.messages.empty() && frontEnd.layouts.empty());
        EXPECT_EQ(world.LevelNo, 0);
    }
}

// A cell record may replace a wall of the outer ring, so the only house may stand there.
TEST_F(LevelFlowTest, AGameWhoseOnlyHouseIsOnTheOuterRingStarts) {
    for (const CellPos house : {CellPos{1, 2}, CellPos{5, 2}, CellPos{2, 1}, CellPos{2, 3}}) {
        GameFileBytes file(1, 3);
        file.Level(5, 3, 0, 2).House(house.x, house.y, 2);
        Load(file);
        frontEnd.timerOn = false;
        flow->Start();
        EXPECT_EQ(frontEnd.noPlayableLevelBoxes, 0) << house.x << "," << house.y;
        EXPECT_EQ((CellPos{world.HouseX, world.HouseY}), house);
        EXPECT_TRUE(frontEnd.timerOn);
    }
}

TEST_F(LevelFlowTest, PauseOnlyOnceTheSnakeMovesAndUntilTheNextLevel) {
    GameFileBytes file(1, 3);
    file.Level(9, 3, 0, 20).House(2, 2, 5);
    Load(file);
    flow->Start();
    flow->TogglePause();
    flow->OnMinimised();
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Pauza));
    Tick(Key::RIGHT);
    flow->OnMinimised();
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Pauza));
    EXPECT_FALSE(frontEnd.timerOn);
    flow->TogglePause();
    EXPECT_TRUE(frontEnd.timerOn && !frontEnd.Visible(HintLabel::Pauza));
    flow->TogglePause();
    flow->ReturnToTitle();
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Pauza)) << "the pause lasts until the next level start";
    flow->Start();
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Pauza));
}

TEST_F(LevelFlowTest, ReturnToTitleAndChooseLevel) {
    GameFileBytes file(3, 4);
    Corridor(file);
    Corridor(file);
    file.Level(8, 6, 0, 9).Count(CodeRandomBalls, 0).House(3, 3, 2).Cell(CellViper, 6, 4, 3);
    Load(file);
    random.Add({Draw::FirstSide(DirUp)});  // the viper's first direction
    EXPECT_TRUE(flow->ChooseLevel("3"));
    EXPECT_EQ(world.LevelNo, 3);
    EXPECT_EQ(flow->CurrentLevelInfo(), (LevelInfo{8, 6, 0, 0, 0, 0, 1}));
    for (const char* ignored : {"12", "abc", "", "0", "-1", "300", "inf"}) {
        EXPECT_FALSE(flow->ChooseLevel(ignored)) << ignored;
        EXPECT_EQ(world.LevelNo, 3);
    }
    Tick(Key::RIGHT);
    EXPECT_TRUE(flow->ChooseLevel("1"));
    Tick();
    EXPECT_EQ(frontEnd.panel, (PanelValues{0, 4, 1, 2, 1, false})) << "level 1 afresh, with no life lost";

    flow->ReturnToTitle();
    EXPECT_EQ(world.LevelNo, 0);
    EXPECT_EQ(frontEnd.titles, 1);
    EXPECT_FALSE(flow->CanShowLevelInfo());
    EXPECT_EQ(world.Snake, nullptr);
    EXPECT_FALSE(frontEnd.timerOn);
}

TEST_F(LevelFlowTest, NoCommandRunsInsideALevelStart) {
    LoadCorridors(2, 3);
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

TEST(LevelAnswer, ReadsTheLeadingNumberRoundingHalvesToEven) {
    const std::pair<const char*, double> answers[] = {
        {"3", 3},   {"  7 levels", 7}, {"2.5", 2}, {"3.5", 4}, {"2.51", 3},   {"+5", 5},
        {"-4", -4}, {"abc", 0},        {"", 0},    {".", 0},   {"1e3", 1000}, {"99999999999999999999", 1e20}};
    for (const auto& [answer, level] : answers) EXPECT_EQ(ParseLevelAnswer(answer), level) << answer;
}
