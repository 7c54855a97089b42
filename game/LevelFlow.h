#pragma once
#include <cstdint>
#include <optional>
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

// The walk through a game's levels: starting games and levels, the step, the end of a level,
// lives, bonus levels, the pause. The window turns its events into these calls.
class LevelFlow {
public:
    LevelFlow(modZurk3& world, const clsHraZurk3& game, const KeyStateSource& keys);

    // Commands of the window. Each is refused while a level is being started or ended,
    // so no command ever runs inside another.
    void ShowTitle();                             // the title screen, at start-up
    void Start();                                 // menu Start (F2)
    bool ChooseLevel(const std::string& answer);  // Ctrl+U: true when a new game started
    void ReturnToTitle();                         // F3
    void TogglePause();                           // Space
    void OnMinimised();                           // the window was minimised
    void Shutdown();                              // the window closes
    void Step();                                  // one tick of tmrPohyb

    bool CanChooseLevel() const { return game_.PocetUrovni() > 0; }
    bool CanShowLevelInfo() const { return world_.LevelNo != 0; }
    LevelInfo CurrentLevelInfo() const;  // what Tab tells
    GameInfo CurrentGameInfo() const;    // what Informace tells

private:
    bool StartGame(int levelNo);
    // Whether any level of the game has a house for the snake to start from.
    bool AnyLevelPlayable() const;
    void NewGame();
    void StartLevel();
    void StopLevel();
    void EndLevel();
    void AdvanceLevel();
    void RetryLevel();
    void SetPause(std::optional<bool> on = std::nullopt);
    void UkazDispleje();
    bool IsBonus() const { return world_.Level.IsBonus(); }

    modZurk3& world_;
    const clsHraZurk3& game_;
    clsKB Keyboard;
    std::uint8_t LivesLeft = 0;
    bool Paused = false;
    bool busy_ = false;
    bool gameOver_ = false;  // won or lost: a stray tick must not end the game again
};

// Reads the answer of the level choice: its leading number, rounded half to even; 0 when it
// has none.
double ParseLevelAnswer(const std::string& answer);
