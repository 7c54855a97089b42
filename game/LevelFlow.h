#pragma once
#include <cstdint>
#include <string>

#include "game/modZurk3.h"
#include "pond/GameFrontEnd.h"
#include "pond/clsHraZurk3.h"
#include "snake/clsKB.h"

// What the level information (Tab) tells of the level in play.
struct LevelInfo {
    int Width = 0;
    int Height = 0;
    int RandomBalls = 0;
    int RandomFlies = 0;
    int RandomBoulders = 0;
    int GoldenBallChance = 0;  // per cent
    int Vipers = 0;
    bool operator==(const LevelInfo&) const = default;
};

// What Informace tells of the loaded game.
struct GameInfo {
    std::string Name;  // the game file's path
    int LevelCount = 0;
    std::string Note;  // as UTF-8
};

// Where the walk through a game stands.
enum class FlowState {
    Title,     // the title screen: no level in play
    Running,   // a level in play, the step timer on
    Paused,    // a level held by the player
    Message,   // an end-of-level message is up; what follows it comes once it closes
    Asking,    // a box is up; the level under it holds still until it is answered
    GameOver,  // won or lost: the last pond stays on screen
    Closed,    // the window has closed
};

// The walk through a game's levels: starting games and levels, the step, the end of a level,
// lives, bonus levels, the pause. The window turns its events into these calls. Each call changes
// the state and returns at once: nothing here waits for the player. A message or a box is asked
// of the front end, which tells MessageClosed or BoxAnswered once the player is done with it, and
// only then does the game go on. A command the state has no use for changes nothing.
class LevelFlow {
public:
    LevelFlow(modZurk3& world, const clsHraZurk3& game, const KeyStateSource& keys);

    // Commands of the window.
    void ShowTitle();      // the title screen, at start-up
    void Start();          // menu Start (F2)
    void AskForLevel();    // Ctrl+U: the level-number box, then a new game at the level answered
    void ShowLevelInfo();  // Tab, while a level has been loaded
    void ShowGameInfo();   // Informace
    void OpenWwwZurk();    // WWW Zurk: the front end opens the address, or tells in a box why not
    void ReturnToTitle();  // F3
    void TogglePause();    // Space
    void OnMinimised();    // the window was minimised
    void Step();           // one tick of tmrPohyb

    // What the front end tells of what it showed.
    void MessageClosed();
    // answer: the text typed into the level-number box, empty for any other box or a cancel.
    void BoxAnswered(const std::string& answer = {});
    void CloseRequested();  // the window closes: the level stops, the boxes go

    FlowState State() const { return state_; }
    LevelInfo CurrentLevelInfo() const;  // what Tab tells
    GameInfo CurrentGameInfo() const;    // what Informace tells

private:
    // Title, a level in play, a paused one and a finished game take the player's commands; under
    // a message or a box the window takes none, and the flow refuses them as well.
    bool TakesCommands() const;
    void Ask(FlowBox box);  // for the player, when the state takes commands
    void Present(FlowBox box);
    void Tell(FlowMessage message);
    void StartGame(int levelNo);
    // Whether any level of the game has a house for the snake to start from.
    bool AnyLevelPlayable() const;
    void NewGame();
    void StartLevel();
    void StopLevel();
    void EndLevel();
    void SkipLevel();
    void AdvanceLevel();
    void RetryLevel();
    void SetPause(bool on);
    void UkazDispleje();
    bool IsBonus() const { return world_.Level.IsBonus(); }

    modZurk3& world_;
    const clsHraZurk3& game_;
    clsKB Keyboard;
    std::uint8_t LivesLeft = 0;
    bool Paused = false;  // shows lblPauza; survives F3 until the next level start
    FlowState state_ = FlowState::Title;
    FlowMessage message_ = FlowMessage::NextLevel;  // the one up, while state_ is Message
    FlowBox box_ = FlowBox::LevelInfo;              // the one up, while state_ is Asking
    FlowState underBox_ = FlowState::Title;         // where an answered box leaves the game
};

// Reads the answer of the level choice: its leading number, rounded half to even; 0 when it
// has none.
double ParseLevelAnswer(const std::string& answer);
