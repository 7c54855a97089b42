#pragma once
#include <QSize>
#include <QString>

#include "pond/GameFrontEnd.h"

class GameScreen;
class HandlerGuard;
class QMainWindow;
class QTimer;
class QtCuePlayer;

// What the level flow asks of the window, done with the game screen, the window's size and
// place, the step timer and the game's boxes.
class WindowFrontEnd : public GameFrontEnd {
public:
    WindowFrontEnd(QMainWindow& window, GameScreen& screen, HandlerGuard& guard, QTimer& stepTimer, QtCuePlayer& cues);

    void SetLabelVisible(HintLabel label, bool visible) override;
    void ShowNoSnakeBox() override;
    void ShowNoPlayableLevelBox() override;
    void ShowMessage(FlowMessage message) override;
    void SetStepTimer(bool enabled) override;
    void ShowPanel(const PanelValues& values) override;
    void LayOutForLevel(int fieldWidth, int fieldHeight) override;
    void LetPendingEventsRun() override;
    void ClearPond() override;
    void ShowTitle() override;
    void HideTitle() override;
    void HideStartPicture() override;

private:
    void ShowCriticalBox(const QString& text);
    // Sizes the window for a client area of clientSize and centres it on its screen.
    void FitWindow(QSize clientSize);

    QMainWindow& window_;
    GameScreen& screen_;
    HandlerGuard& guard_;
    QTimer& stepTimer_;
    QtCuePlayer& cues_;
};
