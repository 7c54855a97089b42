#pragma once
#include <cstdint>

// The labels over the pond and the panel that the rules show and hide; where each stands is the
// front end's business.
enum class HintLabel {
    Uvod,       // lblUvod: how to start, beside the house on level 1
    UvodKonec,  // lblUvodKonec: the way home, near the house once it opens on level 1
    Pauza,      // lblPauza
    Bonus,      // lblBonus on the status panel
};

// What the message window tells the player as a level ends; the window says it in the player's
// language.
enum class FlowMessage {
    NextLevel,     // the level is won, or skipped: on to the next
    LevelRepeats,  // the snake died and a life is left
    GameLost,      // the snake died with no life left
    Victory,       // the last level is behind the player
};

// The boxes the level flow asks the player to read or answer.
enum class FlowBox {
    LevelNumber,      // Ctrl+U: which level a new game starts at
    LevelInfo,        // Tab: the level in play
    GameInfo,         // Informace: the loaded game file
    WebAddress,       // WWW Zurk, when its address cannot be opened
    NoSnake,          // the level has no house and is skipped
    NoPlayableLevel,  // no level of the game has a house
};

// What the status panel shows after a refresh.
struct PanelValues {
    std::int32_t Score = 0;
    int LivesLeft = 0;
    int LevelNo = 0;
    int RequiredLength = 0;
    int SnakeLength = 0;
    bool LongEnough = false;  // the length box turns green
    bool operator==(const PanelValues&) const = default;
};

// Everything the rules ask of the window. The window implements it; tests record it. Nothing here
// waits: a message or a box is shown and the call returns, and the window tells the level flow
// when the player has closed or answered it.
class GameFrontEnd {
public:
    virtual ~GameFrontEnd() = default;

    virtual void SetLabelVisible(HintLabel label, bool visible) = 0;

    // The message window; LevelFlow::MessageClosed follows once it closed itself or a key closed it.
    virtual void ShowMessage(FlowMessage message) = 0;
    // One of the game's boxes; LevelFlow::BoxAnswered follows once the player closed or answered it.
    virtual void ShowBox(FlowBox box) = 0;
    // Closes every message and box still open, as the program quits.
    virtual void CloseBoxes() = 0;

    virtual void SetStepTimer(bool enabled) = 0;
    virtual void ShowPanel(const PanelValues& values) = 0;

    // Lay the window out for a level of fieldWidth x fieldHeight cells, at a cell size that suits
    // the screen, and centre it.
    virtual void LayOutForLevel(int fieldWidth, int fieldHeight) = 0;
    virtual void ClearPond() = 0;

    virtual void ShowTitle() = 0;  // title picture, zeros on the panel
    virtual void HideTitle() = 0;
    virtual void HideStartPicture() = 0;  // picUvod, hidden for good once a game started
};

// A front end that shows nothing: rules tests and headless players use it.
class NullFrontEnd : public GameFrontEnd {
public:
    void SetLabelVisible(HintLabel, bool) override {}
    void ShowMessage(FlowMessage) override {}
    void ShowBox(FlowBox) override {}
    void CloseBoxes() override {}
    void SetStepTimer(bool) override {}
    void ShowPanel(const PanelValues&) override {}
    void LayOutForLevel(int, int) override {}
    void ClearPond() override {}
    void ShowTitle() override {}
    void HideTitle() override {}
    void HideStartPicture() override {}
};
