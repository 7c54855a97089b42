#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

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

    FlowState State() const {
        return std::visit([](const auto& now) { return now.Kind; }, Now);
    }
    LevelInfo CurrentLevelInfo() const;  // what Tab tells
    GameInfo CurrentGameInfo() const;    // what Informace tells

private:
    // Where the walk through the game stands: exactly one of these, with what it carries.
    struct AtTitle {
        static constexpr FlowState Kind = FlowState::Title;
    };
    struct LevelRunning {
        static constexpr FlowState Kind = FlowState::Running;
    };
    struct LevelPaused {
        static constexpr FlowState Kind = FlowState::Paused;
    };
    struct GameEnded {
        static constexpr FlowState Kind = FlowState::GameOver;
    };
    struct WindowClosed {
        static constexpr FlowState Kind = FlowState::Closed;
    };
    // The states that take the player's commands, and so the ones a box can come over. Under a
    // message or a box the window takes no command, and the flow refuses them as well.
    using Resting = std::variant<AtTitle, LevelRunning, LevelPaused, GameEnded>;
    using Continuation = void (LevelFlow::*)();
    // An end-of-level message up, and what the game does once it is closed.
    struct MessageUp {
        static constexpr FlowState Kind = FlowState::Message;
        Continuation Then;
    };
    using Answer = void (LevelFlow::*)(const std::string& answer);
    // A box up: the state it came over, back once it is answered, and what the answer does then.
    // A box with nothing under it moves the game on itself.
    struct BoxUp {
        static constexpr FlowState Kind = FlowState::Asking;
        std::optional<Resting> Under;
        Answer Then = nullptr;
    };
    using Where = std::variant<AtTitle, LevelRunning, LevelPaused, MessageUp, BoxUp, GameEnded, WindowClosed>;

    std::optional<Resting> RestingState() const;   // none under a message or a box, or once closed
    void Ask(FlowBox box, Answer then = nullptr);  // for the player, when the state takes commands
    void Present(FlowBox box, std::optional<Resting> under, Answer then);
    void Tell(FlowMessage message, Continuation then);
    void StartAtAnswer(const std::string& answer);
    void StartGame(int levelNo);
    // Whether any level of the game has a house for the snake to start from.
    bool AnyLevelPlayable() const;
    void NewGame();
    void StartLevel();
    void PlayOn();   // the next level, or the same one again
    void EndGame();  // the last pond stays on screen
    void StopLevel();
    void EndLevel();
    void SkipLevel(const std::string& answer);  // whatever the answer
    void AdvanceLevel();
    void RetryLevel();
    void SetPause(bool on);
    void UkazDispleje();
    bool IsBonus() const { return World.Level.IsBonus(); }

    modZurk3& World;
    const clsHraZurk3& CurrentGame;
    clsKB Keyboard;
    std::uint8_t LivesLeft = 0;
    Where Now = AtTitle{};
};

// Reads the answer of the level choice: its leading number, rounded half to even; 0 when it
// has none.
double ParseLevelAnswer(const std::string& answer);
