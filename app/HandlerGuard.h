#pragma once

class QWidget;

// Keeps count of the main window's own handlers while they run, so that no game step and no
// close pulls the level away from under one. Steps are held while a handler runs (a box it shows
// counts as running), except under the speed dialog, where the game goes on at the speed being
// chosen. A close that arrives meanwhile is carried out when the outermost handler returns.
class HandlerGuard {
public:
    enum Kind { Plain, ShowsBox, ShowsSpeedDialog };

    explicit HandlerGuard(QWidget& window) : window_(window) {}

    // Marks one handler as running for as long as it lives.
    class Scope {
    public:
        explicit Scope(HandlerGuard& guard, Kind kind = Plain);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        bool HoldsSteps() const { return kind_ != ShowsSpeedDialog; }

        HandlerGuard& guard_;
        Kind kind_;
    };

    bool StepsHeld() const { return holdDepth_ > 0; }
    // Asked to close while a handler runs: true when the close must wait for it. The boxes still
    // open are closed, and none comes any more (ClosePending), so the handler soon returns.
    bool PostponeClose();
    bool ClosePending() const { return closePending_; }

private:
    void OutermostHandlerEnded();

    QWidget& window_;
    int handlerDepth_ = 0;
    int holdDepth_ = 0;  // those of them that hold the steps
    bool boxClosed_ = false;
    bool closePending_ = false;
};
