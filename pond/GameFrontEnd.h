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

// Everything the rules ask of the window. The window implements it; tests record it.
class GameFrontEnd {
public:
    virtual ~GameFrontEnd() = default;

    virtual void SetLabelVisible(HintLabel label, bool visible) = 0;

    // A critical box telling that the level has no snake and is skipped; returns when the player
    // closed it.
    virtual void ShowNoSnakeBox() = 0;
    // A critical box telling that no level of the game has a snake, so the game cannot be played;
    // returns when the player closed it.
    virtual void ShowNoPlayableLevelBox() = 0;
    // The message window: returns once it has closed itself or a key closed it.
    virtual void ShowMessage(FlowMessage message) = 0;

    virtual void SetStepTimer(bool enabled) = 0;
    virtual void ShowPanel(const PanelValues& values) = 0;

    // Lay the window out for a level of fieldWidth x fieldHeight cells, at a cell size that suits
    // the screen, and centre it.
    virtual void LayOutForLevel(int fieldWidth, int fieldHeight) = 0;
    // Let the window repaint in its new size; no user input may be handled here.
    virtual void LetPendingEventsRun() = 0;
    virtual void ClearPond() = 0;

    virtual void ShowTitle() = 0;  // title picture, zeros on the panel
    virtual void HideTitle() = 0;
    virtual void HideStartPicture() = 0;  // picUvod, hidden for good once a game started
};

// A front end that shows nothing: rules tests and headless players use it.
class NullFrontEnd : public GameFrontEnd {
public:
    void SetLabelVisible(HintLabel, bool) override {}
    void ShowNoSnakeBox() override {}
    void ShowNoPlayableLevelBox() override {}
    void ShowMessage(FlowMessage) override {}
    void SetStepTimer(bool) override {}
    void ShowPanel(const PanelValues&) override {}
    void LayOutForLevel(int, int) override {}
    void LetPendingEventsRun() override {}
    void ClearPond() override {}
    void ShowTitle() override {}
    void HideTitle() override {}
    void HideStartPicture() override {}
};
