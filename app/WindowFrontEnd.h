#pragma once
#include <QSize>
#include <QString>
#include <string>

#include "pond/GameFrontEnd.h"
#include "resources/ProgramFolder.h"

class GameScreen;
class LevelFlow;
class PlayerModality;
class QDialog;
class QMainWindow;
class QTimer;
class ServerCuePlayer;

// What the level flow asks of the window, done with the game screen, the window's size and
// place, the step timer, the message window and the game's boxes. Messages and boxes are shown
// and left to the player; the flow hears of each once it is closed or answered.
class WindowFrontEnd : public GameFrontEnd {
public:
    // flow: told when a message or a box closes; it may still be being made, as nothing is shown before it is.
    WindowFrontEnd(QMainWindow& window, GameScreen& screen, PlayerModality& boxes, LevelFlow& flow, QTimer& stepTimer,
                   ServerCuePlayer& cues, const ProgramFolder& folder);

    void SetLabelVisible(HintLabel label, bool visible) override;
    void ShowMessage(FlowMessage message) override;
    void ShowBox(FlowBox box) override;
    void CloseBoxes() override;
    void SetStepTimer(bool enabled) override;
    void ShowPanel(const PanelValues& values) override;
    void LayOutForLevel(int fieldWidth, int fieldHeight) override;
    void ClearPond() override;
    void ShowTitle() override;
    void HideTitle() override;
    void HideStartPicture() override;

private:
    void ShowInformation(const QString& title, const QString& text);
    void ShowCritical(const QString& text);
    void AskLevelNumber();
    void OpenWebAddress();
    void ShowGameInfo();
    // Tells the flow the box is answered once it closes; answer reads what the player typed.
    template <typename Answer>
    void AnswerWhenClosed(QDialog* box, Answer answer);
    // For a box that never came: told once this call is over, never from inside it.
    void AnswerSoon();
    // Sizes the window for a client area of clientSize and centres it on its screen.
    void FitWindow(QSize clientSize);

    QMainWindow& window_;
    GameScreen& screen_;
    PlayerModality& boxes_;
    LevelFlow& flow_;
    QTimer& stepTimer_;
    ServerCuePlayer& cues_;
    const ProgramFolder folder_;
};
