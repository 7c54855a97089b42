#include "game/LevelFlow.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <type_traits>

#include "game/GameStep.h"
#include "game/LevelSetUp.h"
#include "pond/Scoring.h"

LevelFlow::LevelFlow(modZurk3& world, const clsHraZurk3& game, const KeyStateSource& keys)
    : World(world), CurrentGame(game), Keyboard(keys) {}

std::optional<LevelFlow::Resting> LevelFlow::RestingState() const {
    return std::visit(
        [](const auto& now) -> std::optional<Resting> {
            if constexpr (std::is_constructible_v<Resting, decltype(now)>)
                return now;
            else
                return std::nullopt;
        },
        Now);
}

void LevelFlow::ShowTitle() {
    if (!RestingState()) return;
    World.LevelNo = 0;
    Now = AtTitle{};
    World.FrontEnd().ShowTitle();
}

void LevelFlow::Start() {
    if (RestingState() && CurrentGame.PocetUrovni() > 0) StartGame(1);
}

void LevelFlow::AskForLevel() {
    if (CurrentGame.PocetUrovni() > 0) Ask(FlowBox::LevelNumber, &LevelFlow::StartAtAnswer);
}

void LevelFlow::ShowLevelInfo() {
    if (World.LevelNo != 0) Ask(FlowBox::LevelInfo);
}

void LevelFlow::ShowGameInfo() { Ask(FlowBox::GameInfo); }

void LevelFlow::OpenWwwZurk() { Ask(FlowBox::WebAddress); }

void LevelFlow::ReturnToTitle() {
    if (!RestingState()) return;
    StopLevel();
    ShowTitle();
}

void LevelFlow::TogglePause() {
    if (std::holds_alternative<LevelPaused>(Now)) {
        SetPause(false);
        Now = LevelRunning{};
    } else if (std::holds_alternative<LevelRunning>(Now) && World.GameState == StateRunning && World.SnakeMoving()) {
        SetPause(true);
        Now = LevelPaused{};
    }
}

void LevelFlow::OnMinimised() {
    if (World.GameState != StateRunning || !World.SnakeMoving()) return;
    if (std::holds_alternative<LevelRunning>(Now)) {
        SetPause(true);
        Now = LevelPaused{};
        return;
    }
    // A box over the running level holds its steps, but the level itself is paused beneath it.
    const BoxUp* box = std::get_if<BoxUp>(&Now);
    if (box == nullptr || !box->Under || !std::holds_alternative<LevelRunning>(*box->Under)) return;
    SetPause(true);
    Now = BoxUp{LevelPaused{}, box->Then};
}

void LevelFlow::Step() {
    if (!std::holds_alternative<LevelRunning>(Now)) return;
    if (World.GameState == StateRunOver) {
        EndLevel();
        return;
    }
    MovePond(World, DirectionFromKeys(Keyboard));
    UkazDispleje();
}

void LevelFlow::MessageClosed() {
    if (const MessageUp* message = std::get_if<MessageUp>(&Now)) (this->*message->Then)();
}

void LevelFlow::BoxAnswered(const std::string& answer) {
    const BoxUp* box = std::get_if<BoxUp>(&Now);
    if (box == nullptr) return;
    const Answer then = box->Then;
    if (box->Under) Now = std::visit([](const auto& under) -> Where { return under; }, *box->Under);
    if (then != nullptr) (this->*then)(answer);
}

void LevelFlow::CloseRequested() {
    if (std::holds_alternative<WindowClosed>(Now)) return;
    Now = WindowClosed{};
    World.FrontEnd().CloseBoxes();
    StopLevel();
}

void LevelFlow::Ask(FlowBox box, Answer then) {
    if (std::optional<Resting> under = RestingState()) Present(box, *under, then);
}

void LevelFlow::Present(FlowBox box, std::optional<Resting> under, Answer then) {
    Now = BoxUp{under, then};
    World.FrontEnd().ShowBox(box);
}

void LevelFlow::Tell(FlowMessage message, Continuation then) {
    Now = MessageUp{then};
    World.FrontEnd().ShowMessage(message);
}

void LevelFlow::StartAtAnswer(const std::string& answer) {
    const double level = ParseLevelAnswer(answer);
    if (level >= 1 && level <= CurrentGame.PocetUrovni()) StartGame(static_cast<int>(level));
}

void LevelFlow::StartGame(int levelNo) {
    // Said once, rather than one box and one message for each of up to 255 levels.
    if (!AnyLevelPlayable()) {
        Ask(FlowBox::NoPlayableLevel);
        return;
    }
    StopLevel();
    World.LevelNo = levelNo;
    NewGame();
    StartLevel();
}

bool LevelFlow::AnyLevelPlayable() const {
    const std::vector<LevelRecord>& levels = CurrentGame.Levels();
    for (std::size_t u = 1; u <= CurrentGame.PocetUrovni() && u < levels.size(); ++u) {
        const LevelRecord& level = levels[u];
        for (int x = 1; x <= std::min<int>(level.FieldWidth, MaxFieldWidth); ++x)
            for (int y = 1; y <= std::min<int>(level.FieldHeight, MaxFieldHeight); ++y)
                if (level.Cell(x, y).Kind == CellHouse) return true;
    }
    return false;
}

void LevelFlow::NewGame() {
    World.FrontEnd().HideTitle();
    World.Score = 0;
    LivesLeft = CurrentGame.Zivoty();
    World.FrontEnd().HideStartPicture();
}

void LevelFlow::StartLevel() {
    GameFrontEnd& frontEnd = World.FrontEnd();
    CurrentGame.NactiUrovenAkce(World.LevelNo, World.Level);
    // A level the game file announces but does not hold has no cells. Set-up skips it as a level
    // without a house; the window keeps its size rather than shrink to an empty pond. The window
    // repaints in its new size as soon as this call returns.
    if (World.Level.FieldWidth > 0 && World.Level.FieldHeight > 0)
        frontEnd.LayOutForLevel(World.Level.FieldWidth, World.Level.FieldHeight);
    SetUpLevel(World);
    if (World.HouseX == 0) {
        World.GameState = StateNoSnake;
        // Answered, the level is skipped: there is no state to go back to under it.
        Present(FlowBox::NoSnake, std::nullopt, &LevelFlow::SkipLevel);
        return;
    }
    frontEnd.SetLabelVisible(HintLabel::Uvod, World.LevelNo == 1);
    frontEnd.SetLabelVisible(HintLabel::Bonus, IsBonus());
    Keyboard.GetKeyboard();
    SetPause(false);
    World.GameState = StateRunning;
    Now = LevelRunning{};
}

void LevelFlow::PlayOn() {
    StopLevel();
    StartLevel();
}

void LevelFlow::EndGame() { Now = GameEnded{}; }

void LevelFlow::StopLevel() {
    World.FrontEnd().ClearPond();
    World.ReleaseLevelObjects();
    World.FrontEnd().SetStepTimer(false);
    World.FrontEnd().SetLabelVisible(HintLabel::UvodKonec, false);
}

// The snake's run is over: it reached its house, or it crashed.
void LevelFlow::EndLevel() {
    GameFrontEnd& frontEnd = World.FrontEnd();
    if (World.Snake->Zije()) {
        frontEnd.SetStepTimer(false);
        ++World.LevelNo;
        World.Score += LevelWonPoints;
        if (IsBonus() && LivesLeft < 255) ++LivesLeft;
        AdvanceLevel();
        return;
    }
    if (!IsBonus() && LivesLeft > 0) --LivesLeft;
    frontEnd.SetStepTimer(false);
    UkazDispleje();
    if (IsBonus()) {
        ++World.LevelNo;
        AdvanceLevel();
    } else {
        RetryLevel();
    }
}

// A level without a house, once the player has read so: on as after a won level, without points.
void LevelFlow::SkipLevel(const std::string& /*answer*/) {
    World.FrontEnd().SetStepTimer(false);
    ++World.LevelNo;
    AdvanceLevel();
}

void LevelFlow::AdvanceLevel() {
    if (World.LevelNo > CurrentGame.PocetUrovni()) {
        World.Score += LivesLeft * VictoryPointsPerLife;
        World.LevelNo = CurrentGame.PocetUrovni();
        UkazDispleje();
        Tell(FlowMessage::Victory, &LevelFlow::EndGame);
        return;
    }
    UkazDispleje();
    Tell(FlowMessage::NextLevel, &LevelFlow::PlayOn);
}

void LevelFlow::RetryLevel() {
    if (LivesLeft != 0)
        Tell(FlowMessage::LevelRepeats, &LevelFlow::PlayOn);
    else
        Tell(FlowMessage::GameLost, &LevelFlow::EndGame);
}

// The pause label stays up after F3 until the next level starts, as the level start releases it.
void LevelFlow::SetPause(bool on) {
    World.FrontEnd().SetStepTimer(!on);
    World.FrontEnd().SetLabelVisible(HintLabel::Pauza, on);
}

void LevelFlow::UkazDispleje() {
    PanelValues values;
    values.Score = World.Score;
    values.LivesLeft = LivesLeft;
    values.LevelNo = World.LevelNo;
    values.RequiredLength = World.Level.RequiredLength;
    values.SnakeLength = World.SnakeLength();
    values.LongEnough = !(values.SnakeLength < values.RequiredLength);
    World.FrontEnd().ShowPanel(values);
}

LevelInfo LevelFlow::CurrentLevelInfo() const {
    const LevelRecord& level = World.Level;
    return {level.FieldWidth,
            level.FieldHeight,
            level.RandomBalls,
            level.RandomFlies,
            level.RandomBoulders,
            level.GoldenBallChance,
            static_cast<int>(World.Creatures.Vipers.size())};
}

GameInfo LevelFlow::CurrentGameInfo() const {
    return {CurrentGame.Nazev(), CurrentGame.PocetUrovni(), CurrentGame.Informace()};
}

double ParseLevelAnswer(const std::string& answer) {
    const std::size_t at = answer.find_first_not_of(" \t");
    if (at == std::string::npos) return 0;
    const char* first = answer.data() + at;
    if (*first == '+') ++first;  // from_chars reads a minus sign only
    double value = 0;
    std::from_chars(first, answer.data() + answer.size(), value);  // leaves 0 when there is no number
    return std::nearbyint(value);
}
