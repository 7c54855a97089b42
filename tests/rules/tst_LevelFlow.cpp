#include <array>
#include <gtest/gtest.h>

#include "Draws.h"
#include "FlowBench.h"

namespace {
constexpr int Bonus = 1;
using Key = clsKB::Key;
using Messages = std::vector<FlowMessage>;
constexpr FlowMessage Next = FlowMessage::NextLevel, Repeats = FlowMessage::LevelRepeats, Lost = FlowMessage::GameLost,
                      Victory = FlowMessage::Victory;

class LevelFlowTest : public testing::Test, protected FlowBench {};
}  // namespace

TEST_F(LevelFlowTest, StartLaysOutLevelOneAndWaitsForTheFirstArrow) {
    Load(Corridors(2, 3));
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
    Start(Corridors(2, 3));
    Win();
    EXPECT_EQ(frontEnd.messages, (Messages{Next}));
    EXPECT_EQ(world.LevelNo, 2);
    EXPECT_TRUE(frontEnd.layouts.size() == 1 && !frontEnd.timerOn) << "the next level waits for the message";
    Read();
    EXPECT_EQ(world.Score, -2 + 2000);
    EXPECT_FALSE(frontEnd.Visible(HintLabel::Uvod)) << "the hint is for level 1 only";
    EXPECT_FALSE(frontEnd.Visible(HintLabel::UvodKonec)) << "nor the way home";
    Win();
    EXPECT_EQ(frontEnd.messages.back(), Victory);
    Read();
    EXPECT_EQ(world.Score, -4 + 4000 + 3 * 5000);
    EXPECT_EQ(frontEnd.panel.LevelNo, 2) << "the last level's number, not one more";
    EXPECT_FALSE(frontEnd.timerOn || frontEnd.timerOnUnderAMessage);
}

TEST_F(LevelFlowTest, CrashingCostsALifeAndTheLastLifeEndsTheGame) {
    Start(Corridors(1, 2));
    Crash();
    Read();
    EXPECT_EQ(frontEnd.messages, (Messages{Repeats}));
    EXPECT_EQ(frontEnd.panelUnderTheMessage.LivesLeft, 1) << "the message shows over the new count";
    EXPECT_EQ(world.GameState, StateRunning);
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Uvod)) << "also when level 1 is repeated";
    Crash();
    Read();
    EXPECT_EQ(frontEnd.messages.back(), Lost);
    EXPECT_EQ(frontEnd.panel.LivesLeft, 0);
    EXPECT_FALSE(frontEnd.timerOn || frontEnd.timerOnUnderAMessage);
    Start(Corridors(1, 0));
    Crash();
    EXPECT_EQ(frontEnd.messages.back(), Lost) << "a game of no lives ends at the first crash";
}

TEST_F(LevelFlowTest, BonusLevelsGiveALifeUpTo255AndCostNone) {
    GameFileBytes file(3, 1);
    Corridor(file, Bonus);
    Corridor(file, Bonus);
    Corridor(file);
    Start(file);
    Win();
    Read();
    EXPECT_EQ(frontEnd.panel.LivesLeft, 2);
    Crash();
    Read();
    EXPECT_EQ(frontEnd.messages.back(), Next);
    EXPECT_EQ(frontEnd.panel.LivesLeft, 2);
    EXPECT_EQ(world.Score, -2 + 2000 - 3) << "a lost bonus level earns nothing";
    EXPECT_EQ(world.LevelNo, 3);

    Start(Corridors(1, 255, Bonus));
    Win();
    EXPECT_EQ(frontEnd.panel.LivesLeft, 255);
}

// Each start shows the bonus label or takes it away.
TEST_F(LevelFlowTest, OnlyTheLowestFlagBitMakesABonusLevel) {
    for (const auto& [flags, bonus] : {std::pair{-1, true}, {-2, false}, {-32768, false}, {-32767, true}}) {
        Start(Corridors(1, 3, flags));
        EXPECT_EQ(frontEnd.Visible(HintLabel::Bonus), bonus) << flags;
    }
}

TEST_F(LevelFlowTest, LevelsWithoutAHouseOrNotInTheFileAreSkippedToTheEnd) {
    GameFileBytes file(4, 3);  // announces a fourth level the file does not hold
    Corridor(file);
    file.Level(1, 1, 0, 2).Level(4, 0, 0, 2);
    Start(file);
    Win();
    Read();
    EXPECT_EQ(frontEnd.messages, (Messages{Next, Next, Next, Victory}));
    EXPECT_EQ(frontEnd.Boxes(FlowBox::NoSnake), 3);
    EXPECT_EQ(frontEnd.layouts, (std::vector<std::vector<int>>{{5, 3}, {1, 1}}))
        << "no window is laid out for a level of no cells";
    EXPECT_EQ(world.LevelNo, 4);
    EXPECT_FALSE(frontEnd.timerOnUnderAMessage);

    Start(GameFileBytes(0, 3));
    flow->AskForLevel();
    EXPECT_EQ(frontEnd.messages.size(), 4u) << "a game of no levels starts nothing";
    EXPECT_EQ(frontEnd.boxes.size(), 3u) << "nor asks for a level";
}

// A cell record may replace a wall of the outer ring, so the only house may stand there.
TEST_F(LevelFlowTest, AGameWhoseOnlyHouseIsOnTheOuterRingStarts) {
    for (const CellPos house : {CellPos{1, 2}, CellPos{5, 2}, CellPos{2, 1}, CellPos{2, 3}}) {
        GameFileBytes file(1, 3);
        file.Level(5, 3, 0, 2).House(house.x, house.y, 2);
        Load(file);
        frontEnd.timerOn = false;
        flow->Start();
        EXPECT_EQ(frontEnd.Boxes(FlowBox::NoPlayableLevel), 0) << house.x << "," << house.y;
        EXPECT_EQ((CellPos{world.HouseX, world.HouseY}), house);
        EXPECT_TRUE(frontEnd.timerOn);
    }
}

// Where the state table leaves off: the label and the timer, and a pause kept over F3.
TEST_F(LevelFlowTest, PauseShowsItsLabelStopsTheTimerAndLastsUntilTheNextLevel) {
    Start(Corridors(1, 3));
    Tick(Key::RIGHT);
    flow->OnMinimised();
    EXPECT_TRUE(frontEnd.Visible(HintLabel::Pauza) && !frontEnd.timerOn);
    flow->TogglePause();
    EXPECT_TRUE(frontEnd.timerOn && !frontEnd.Visible(HintLabel::Pauza));
    flow->ShowLevelInfo();
    flow->OnMinimised();  // under a box, the level beneath it pauses
    flow->BoxAnswered();
    EXPECT_EQ(flow->State(), FlowState::Paused);
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
    Choose("3");
    EXPECT_EQ(world.LevelNo, 3);
    EXPECT_EQ(flow->CurrentLevelInfo(), (LevelInfo{8, 6, 0, 0, 0, 0, 1}));
    for (const char* ignored : {"12", "abc", "", "0", "-1", "300", "inf"}) {
        Choose(ignored);
        EXPECT_EQ(world.LevelNo, 3) << ignored;
        EXPECT_EQ(flow->State(), FlowState::Running) << ignored;
    }
    Tick(Key::RIGHT);
    Choose("1");
    Tick();
    EXPECT_EQ(frontEnd.panel, (PanelValues{0, 4, 1, 2, 1, false})) << "level 1 afresh, with no life lost";

    flow->ReturnToTitle();
    EXPECT_TRUE(world.LevelNo == 0 && world.Snake == nullptr && !frontEnd.timerOn);
}

namespace {
using namespace FlowEvents;
using namespace FlowStates;
// clang-format off
const std::pair<const char*, FlowEvent> Events[] = {
    {"tick", Tick}, {"Space", Space}, {"minimise", Minimise}, {"Tab", Tab}, {"Ctrl+U", CtrlU},
    {"Informace", Informace}, {"WWW Zurk", WwwZurk}, {"F2", F2}, {"F3", F3},
    {"message closed", MessageClosed}, {"box answered 2", BoxAnswered2}, {"close", Close},
};
// clang-format on
constexpr std::size_t EventCount = std::size(Events);

using Outcomes = std::array<std::string, EventCount>;

struct Row {
    const char* state;
    FlowEvent setUp;
    FlowEvent then;     // the last step there, if any
    Outcomes outcomes;  // in the order of Events
};

// A level in play or a finished game: Tab, Ctrl+U, Informace and WWW Zurk each bring their box,
// F2 a new game, F3 the title, a close the end.
// clang-format off
Outcomes InPlay(const char* tick, const char* space, const char* minimise, const char* unasked) {
    return {tick, space, minimise, "Asking, box LevelInfo", "Asking, box LevelNumber", "Asking, box GameInfo",
            "Asking, box WebAddress", "Running", "Title, title", unasked, unasked, "Closed, closes boxes"};
}
// clang-format on

Outcomes Stays(const char* state) {
    Outcomes outcomes;
    outcomes.fill(state);
    return outcomes;
}

// Under a message or a box: every tick and command refused, only its own end moving on.
Outcomes Under(const char* state, const char* messageClosed, const char* boxAnswered) {
    Outcomes outcomes = Stays(state);
    outcomes[EventCount - 3] = messageClosed;
    outcomes[EventCount - 2] = boxAnswered;
    outcomes[EventCount - 1] = "Closed, closes boxes";
    return outcomes;
}

const Row Table[] = {
    {"title",
     Title,
     nullptr,
     {"Title", "Title", "Title", "Title", "Asking, box LevelNumber", "Asking, box GameInfo", "Asking, box WebAddress",
      "Running", "Title, title", "Title", "Title", "Closed, closes boxes"}},
    {"running, snake in its house", Started, nullptr, InPlay("Running", "Running", "Running", "Running")},
    {"running, snake out", Out, nullptr, InPlay("Running", "Paused", "Paused", "Running")},
    {"running, snake home", HomeAgain, nullptr, InPlay("Message, message NextLevel", "Running", "Running", "Running")},
    {"running, snake crashed", Crashed, nullptr,
     InPlay("Message, message LevelRepeats", "Running", "Running", "Running")},
    {"paused", Out, Space, InPlay("Paused", "Running", "Paused", "Paused")},
    {"message: next level", HomeAgain, Tick, Under("Message", "Running", "Message")},
    {"message: level repeats", Crashed, Tick, Under("Message", "Running", "Message")},
    {"message: game lost", LastLife, nullptr, Under("Message", "GameOver", "Message")},
    {"message: victory", LastLevel, nullptr, Under("Message", "GameOver", "Message")},
    {"asking: level info", Out, Tab, Under("Asking", "Asking", "Running")},
    {"asking: level number", Out, CtrlU, Under("Asking", "Asking", "Running")},
    {"asking: game info", Out, Informace, Under("Asking", "Asking", "Running")},
    {"asking: web address", Title, WwwZurk, Under("Asking", "Asking", "Title")},
    {"asking: no house", NoHouseFirst, nullptr, Under("Asking", "Asking", "Message, message NextLevel")},
    {"asking: no playable level", NoHouseAnywhere, nullptr, Under("Asking", "Asking", "Title")},
    {"game over", Finished, nullptr, InPlay("GameOver", "GameOver", "GameOver", "GameOver")},
    {"closed", Started, Close, Stays("Closed")},
};
}  // namespace

// Every state the flow can be in, met by every event: where it goes and what it asks to be shown.
// Under a message or a box every command of the player is refused (the window takes none then),
// a stray tick moves nothing, and only the message's close or the box's answer moves on.
TEST(LevelFlowTable, EveryStateMeetsEveryEvent) {
    for (const Row& row : Table) {
        for (std::size_t event = 0; event < EventCount; ++event) {
            FlowBench bench;
            row.setUp(bench);
            if (row.then) row.then(bench);
            const std::size_t before = bench.frontEnd.shown.size();
            Events[event].second(bench);
            EXPECT_EQ(Outcome(bench, before), row.outcomes[event]) << row.state << " + " << Events[event].first;
        }
    }
}

TEST(LevelAnswer, ReadsTheLeadingNumberRoundingHalvesToEven) {
    const std::pair<const char*, double> answers[] = {
        {"3", 3},   {"  7 levels", 7}, {"2.5", 2}, {"3.5", 4}, {"2.51", 3},   {"+5", 5},
        {"-4", -4}, {"abc", 0},        {"", 0},    {".", 0},   {"1e3", 1000}, {"99999999999999999999", 1e20}};
    for (const auto& [answer, level] : answers) EXPECT_EQ(ParseLevelAnswer(answer), level) << answer;
}
