#include "game/LevelFlow.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "game/GameStep.h"
#include "game/LevelSetUp.h"
#include "pond/Scoring.h"

namespace {
// Marks the flow busy while a level starts or ends, so commands arriving from a nested
// event loop are refused instead of running inside it.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy), was_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = was_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
    bool was_;
};
}  // namespace

LevelFlow::LevelFlow(modZurk3& world, const clsHraZurk3& game, const KeyStateSource& keys)
    : world_(world), game_(game), Keyboard(keys) {}

void LevelFlow::Start() {
    if (busy_ || game_.PocetUrovni() == 0) return;
    StartGame(1);
}

bool LevelFlow::ChooseLevel(const std::string& answer) {
    if (busy_ || !CanChooseLevel()) return false;
    const double level = ParseLevelAnswer(answer);
    if (!(level >= 1 && level <= game_.PocetUrovni())) return false;
    return StartGame(static_cast<int>(level));
}

bool LevelFlow::StartGame(int levelNo) {
    // Said once, rather than one box and one message for each of up to 255 levels.
    if (!AnyLevelPlayable()) {
        world_.FrontEnd().ShowNoPlayableLevelBox();
        return false;
    }
    StopLevel();
    world_.LevelNo = levelNo;
    NewGame();
    StartLevel();
    return true;
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

void LevelFlow::ReturnToTitle() {
    if (busy_) return;
    StopLevel();
    ShowTitle();
}

void LevelFlow::ShowTitle() {
    world_.LevelNo = 0;
    world_.FrontEnd().ShowTitle();
}

void LevelFlow::TogglePause() {
    if (busy_ || world_.GameState != StateRunning || !world_.SnakeMoving()) return;
    SetPause();
}

void LevelFlow::OnMinimised() {
    if (busy_ || world_.GameState != StateRunning || !world_.SnakeMoving()) return;
    SetPause(true);
}

void LevelFlow::Shutdown() { StopLevel(); }

void LevelFlow::Step() {
    if (busy_ || gameOver_) return;
    if (world_.GameState != StateRunning) {
        EndLevel();
        return;
    }
    MovePond(world_, DirectionFromKeys(Keyboard));
    UkazDispleje();
}

void LevelFlow::NewGame() {
    world_.FrontEnd().HideTitle();
    world_.Score = 0;
    LivesLeft = game_.Zivoty();
    world_.FrontEnd().HideStartPicture();
}

void LevelFlow::StartLevel() {
    BusyScope busy(busy_);
    gameOver_ = false;
    GameFrontEnd& frontEnd = world_.FrontEnd();
    game_.NactiUrovenAkce(world_.LevelNo, world_.Level);
    // A level the game file announces but does not hold has no cells. Set-up skips it as a level
    // without a house; the window keeps its size rather than shrink to an empty pond.
    if (world_.Level.FieldWidth > 0 && world_.Level.FieldHeight > 0) {
        frontEnd.LayOutForLevel(world_.Level.FieldWidth, world_.Level.FieldHeight);
        frontEnd.LetPendingEventsRun();
    }
    SetUpLevel(world_);
    if (world_.HouseX == 0) {
        world_.GameState = StateNoSnake;
        EndLevel();
        return;
    }
    frontEnd.SetLabelVisible(HintLabel::Uvod, world_.LevelNo == 1);
    frontEnd.SetLabelVisible(HintLabel::Bonus, IsBonus());
    Keyboard.GetKeyboard();
    SetPause(false);
    world_.GameState = StateRunning;
}

void LevelFlow::StopLevel() {
    world_.FrontEnd().ClearPond();
    world_.ReleaseLevelObjects();
    world_.FrontEnd().SetStepTimer(false);
    world_.FrontEnd().SetLabelVisible(HintLabel::UvodKonec, false);
}

void LevelFlow::EndLevel() {
    BusyScope busy(busy_);
    GameFrontEnd& frontEnd = world_.FrontEnd();
    switch (world_.GameState) {
    case StateRunOver:
        if (world_.Snake->Zije()) {
            frontEnd.SetStepTimer(false);
            ++world_.LevelNo;
            world_.Score += LevelWonPoints;
            if (IsBonus() && LivesLeft < 255) ++LivesLeft;
            AdvanceLevel();
        } else {
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
        break;
    case StateNoSnake:
        frontEnd.SetStepTimer(false);
        ++world_.LevelNo;
        AdvanceLevel();
        break;
    default: break;
    }
}

void LevelFlow::AdvanceLevel() {
    if (world_.LevelNo > game_.PocetUrovni()) {
        world_.Score += LivesLeft * VictoryPointsPerLife;
        world_.LevelNo = game_.PocetUrovni();
        UkazDispleje();
        gameOver_ = true;
        world_.FrontEnd().ShowMessage(FlowMessage::Victory);
        return;
    }
    UkazDispleje();
    world_.FrontEnd().ShowMessage(FlowMessage::NextLevel);
    StopLevel();
    StartLevel();
}

void LevelFlow::RetryLevel() {
    if (LivesLeft != 0) {
        world_.FrontEnd().ShowMessage(FlowMessage::LevelRepeats);
        StopLevel();
        StartLevel();
    } else {
        gameOver_ = true;
        world_.FrontEnd().ShowMessage(FlowMessage::GameLost);
    }
}

void LevelFlow::SetPause(std::optional<bool> on) {
    Paused = on.has_value() ? *on : !Paused;
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
