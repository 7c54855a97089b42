#include "game/LevelFlow.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "game/GameStep.h"
#include "game/LevelSetUp.h"
#include "pond/Scoring.h"

LevelFlow::LevelFlow(modZurk3& world, const clsHraZurk3& game, const KeyStateSource& keys)
    : world_(world), game_(game), Keyboard(keys) {}

bool LevelFlow::TakesCommands() const {
    return state_ == FlowState::Title || state_ == FlowState::Running || state_ == FlowState::Paused ||
           state_ == FlowState::GameOver;
}

void LevelFlow::ShowTitle() {
    if (!TakesCommands()) return;
    world_.LevelNo = 0;
    state_ = FlowState::Title;
    world_.FrontEnd().ShowTitle();
}

void LevelFlow::Start() {
    if (TakesCommands() && game_.PocetUrovni() > 0) StartGame(1);
}

void LevelFlow::AskForLevel() {
    if (game_.PocetUrovni() > 0) Ask(FlowBox::LevelNumber);
}

void LevelFlow::ShowLevelInfo() {
    if (world_.LevelNo != 0) Ask(FlowBox::LevelInfo);
}

void LevelFlow::ShowGameInfo() { Ask(FlowBox::GameInfo); }

void LevelFlow::OpenWwwZurk() { Ask(FlowBox::WebAddress); }

void LevelFlow::ReturnToTitle() {
    if (!TakesCommands()) return;
    StopLevel();
    ShowTitle();
}

void LevelFlow::TogglePause() {
    if (state_ == FlowState::Paused) {
        SetPause(false);
        state_ = FlowState::Running;
    } else if (state_ == FlowState::Running && world_.GameState == StateRunning && world_.SnakeMoving()) {
        SetPause(true);
        state_ = FlowState::Paused;
    }
}

void LevelFlow::OnMinimised() {
    if (world_.GameState != StateRunning || !world_.SnakeMoving()) return;
    // A box over the running level holds its steps, but the level itself is paused beneath it.
    FlowState& level = state_ == FlowState::Asking ? underBox_ : state_;
    if (level != FlowState::Running) return;
    SetPause(true);
    level = FlowState::Paused;
}

void LevelFlow::Step() {
    if (state_ != FlowState::Running) return;
    if (world_.GameState == StateRunOver) {
        EndLevel();
        return;
    }
    MovePond(world_, DirectionFromKeys(Keyboard));
    UkazDispleje();
}

void LevelFlow::MessageClosed() {
    if (state_ != FlowState::Message) return;
    if (message_ == FlowMessage::Victory || message_ == FlowMessage::GameLost) {
        state_ = FlowState::GameOver;
        return;
    }
    StopLevel();
    StartLevel();
}

void LevelFlow::BoxAnswered(const std::string& answer) {
    if (state_ != FlowState::Asking) return;
    state_ = underBox_;
    switch (box_) {
    case FlowBox::LevelNumber: {
        const double level = ParseLevelAnswer(answer);
        if (level >= 1 && level <= game_.PocetUrovni()) StartGame(static_cast<int>(level));
        break;
    }
    case FlowBox::NoSnake: SkipLevel(); break;
    default: break;
    }
}

void LevelFlow::CloseRequested() {
    if (state_ == FlowState::Closed) return;
    state_ = FlowState::Closed;
    world_.FrontEnd().CloseBoxes();
    StopLevel();
}

void LevelFlow::Ask(FlowBox box) {
    if (TakesCommands()) Present(box);
}

void LevelFlow::Present(FlowBox box) {
    underBox_ = state_;
    box_ = box;
    state_ = FlowState::Asking;
    world_.FrontEnd().ShowBox(box);
}

void LevelFlow::Tell(FlowMessage message) {
    message_ = message;
    state_ = FlowState::Message;
    world_.FrontEnd().ShowMessage(message);
}

void LevelFlow::StartGame(int levelNo) {
    // Said once, rather than one box and one message for each of up to 255 levels.
    if (!AnyLevelPlayable()) {
        Present(FlowBox::NoPlayableLevel);
        return;
    }
    StopLevel();
    world_.LevelNo = levelNo;
    NewGame();
    StartLevel();
}

bool LevelFlow::AnyLevelPlayable() const {
    const std::vector<LevelRecord>& levels = game_.Levels();
    for (std::size_t u = 1; u <= game_.PocetUrovni() && u < levels.size(); ++u) {
        const LevelRecord& level = levels[u];
        for (int x = 1; x <= std::min<int>(level.FieldWidth, MaxFieldWidth); ++x)
            for (int y = 1; y <= std::min<int>(level.FieldHeight, MaxFieldHeight); ++y)
                if (level.Cell(x, y).Kind == CellHouse) return true;
    }
    return false;
}

void LevelFlow::NewGame() {
    world_.FrontEnd().HideTitle();
    world_.Score = 0;
    LivesLeft = game_.Zivoty();
    world_.FrontEnd().HideStartPicture();
}

void LevelFlow::StartLevel() {
    GameFrontEnd& frontEnd = world_.FrontEnd();
    game_.NactiUrovenAkce(world_.LevelNo, world_.Level);
    // A level the game file announces but does not hold has no cells. Set-up skips it as a level
    // without a house; the window keeps its size rather than shrink to an empty pond. The window
    // repaints in its new size as soon as this call returns.
    if (world_.Level.FieldWidth > 0 && world_.Level.FieldHeight > 0)
        frontEnd.LayOutForLevel(world_.Level.FieldWidth, world_.Level.FieldHeight);
    SetUpLevel(world_);
    if (world_.HouseX == 0) {
        world_.GameState = StateNoSnake;
        Present(FlowBox::NoSnake);
        return;
    }
    frontEnd.SetLabelVisible(HintLabel::Uvod, world_.LevelNo == 1);
    frontEnd.SetLabelVisible(HintLabel::Bonus, IsBonus());
    Keyboard.GetKeyboard();
    SetPause(false);
    world_.GameState = StateRunning;
    state_ = FlowState::Running;
}

void LevelFlow::StopLevel() {
    world_.FrontEnd().ClearPond();
    world_.ReleaseLevelObjects();
    world_.FrontEnd().SetStepTimer(false);
    world_.FrontEnd().SetLabelVisible(HintLabel::UvodKonec, false);
}

// The snake's run is over: it reached its house, or it crashed.
void LevelFlow::EndLevel() {
    GameFrontEnd& frontEnd = world_.FrontEnd();
    if (world_.Snake->Zije()) {
        frontEnd.SetStepTimer(false);
        ++world_.LevelNo;
        world_.Score += LevelWonPoints;
        if (IsBonus() && LivesLeft < 255) ++LivesLeft;
        AdvanceLevel();
        return;
    }
    if (!IsBonus() && LivesLeft > 0) --LivesLeft;
    frontEnd.SetStepTimer(false);
    UkazDispleje();
    if (IsBonus()) {
        ++world_.LevelNo;
        AdvanceLevel();
    } else {
        RetryLevel();
    }
}

// A level without a house, once the player has read so: on as after a won level, without points.
void LevelFlow::SkipLevel() {
    world_.FrontEnd().SetStepTimer(false);
    ++world_.LevelNo;
    AdvanceLevel();
}

void LevelFlow::AdvanceLevel() {
    if (world_.LevelNo > game_.PocetUrovni()) {
        world_.Score += LivesLeft * VictoryPointsPerLife;
        world_.LevelNo = game_.PocetUrovni();
        UkazDispleje();
        Tell(FlowMessage::Victory);
        return;
    }
    UkazDispleje();
    Tell(FlowMessage::NextLevel);
}

void LevelFlow::RetryLevel() { Tell(LivesLeft != 0 ? FlowMessage::LevelRepeats : FlowMessage::GameLost); }

void LevelFlow::SetPause(bool on) {
    Paused = on;
    world_.FrontEnd().SetStepTimer(!Paused);
    world_.FrontEnd().SetLabelVisible(HintLabel::Pauza, Paused);
}

void LevelFlow::UkazDispleje() {
    PanelValues values;
    values.Score = world_.Score;
    values.LivesLeft = LivesLeft;
    values.LevelNo = world_.LevelNo;
    values.RequiredLength = world_.Level.RequiredLength;
    values.SnakeLength = world_.SnakeLength();
    values.LongEnough = !(values.SnakeLength < values.RequiredLength);
    world_.FrontEnd().ShowPanel(values);
}

LevelInfo LevelFlow::CurrentLevelInfo() const {
    const LevelRecord& level = world_.Level;
    return {level.FieldWidth,
            level.FieldHeight,
            level.RandomBalls,
            level.RandomFlies,
            level.RandomBoulders,
            level.GoldenBallChance,
            static_cast<int>(world_.Creatures.Vipers.size())};
}

GameInfo LevelFlow::CurrentGameInfo() const { return {game_.Nazev(), game_.PocetUrovni(), game_.Informace()}; }

double ParseLevelAnswer(const std::string& answer) {
    const std::size_t at = answer.find_first_not_of(" \t");
    if (at == std::string::npos) return 0;
    const char* first = answer.data() + at;
    if (*first == '+') ++first;  // from_chars reads a minus sign only
    double value = 0;
    std::from_chars(first, answer.data() + answer.size(), value);  // leaves 0 when there is no number
    return std::nearbyint(value);
}
