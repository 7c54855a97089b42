#pragma once
#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "app/KeyTracker.h"
#include "app/QtCuePlayer.h"
#include "app/SpriteLists.h"
#include "game/LevelFlow.h"
#include "game/modZurk3.h"
#include "pond/GameFrontEnd.h"
#include "pond/RandomSource.h"
#include "pond/clsHraZurk3.h"

class HelpViewer;
class MainMenu;
class PondSurface;
class QLabel;
class StatusPanel;

// The pond window: the program's one main window. It turns key presses, menu commands and
// timer ticks into calls on the level flow, and the rules' requests into pixels, labels,
// boxes and sounds.
class frmRybnik : public QMainWindow, public GameFrontEnd {
    Q_OBJECT
public:
    // folder: where the game file, the cues, the help and the web address file lie.
    // random: the game's source of chance; the window seeds its own from the clock when none is given.
    explicit frmRybnik(const QString& folder, RandomSource* random = nullptr);
    ~frmRybnik() override;

    void SetLabelVisible(HintLabel label, bool visible) override;
    void MoveLabel(HintLabel label, int x, int y) override;
    void ShowCriticalBox(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void SetStepTimer(bool enabled) override;
    void ShowPanel(const PanelValues& values) override;
    ScreenSize ScreenPixels() const override;
    void LayOutForLevel(int fieldWidth, int fieldHeight, int cellSize) override;
    void LetPendingEventsRun() override;
    void ClearPond() override;
    void ShowTitle() override;
    void HideTitle() override;
    void HideStartPicture() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class HandlerScope;

    // One tick of tmrPohyb: one game step, unless one of our handlers is still running.
    void tmrPohyb_Timer();

    void BuildClientArea();
    void Form_Load();
    void EnableGameMenu();
    void PlaceSidePanel(int pondWidth, int pondHeight);
    QLabel* Label(HintLabel label) const;

    void ShowLevelInfo();
    void AskForLevel();
    void mnuHraStart_Click();
    void mnuHraInformace_Click();
    void mnuNastav_Click();
    void mnuWWW_Click();
    void mnuNapovedaObsah_Click();

    const QString folder_;
    std::unique_ptr<RandomSource> ownRandom_;
    KeyTracker keys_;
    QtCuePlayer cues_;
    SpriteLists sprites_;
    PondSurface* pond_;  // made first, as the world paints on it; laid into the window later
    clsHraZurk3 CurrentGame;
    modZurk3 world_;
    LevelFlow flow_;
    QTimer tmrPohyb;

    // Handlers of ours now running; a box they show counts as running.
    int handlerDepth_ = 0;
    // Those of them that hold the steps: all but the speed dialog.
    int holdDepth_ = 0;
    bool boxClosed_ = false;
    bool closePending_ = false;
    bool shutDown_ = false;  // the window has closed and the level has stopped

    std::unique_ptr<MainMenu> menu_;
    QWidget* picPodklad = nullptr;
    StatusPanel* picPanel = nullptr;
    QLabel* picPozadi = nullptr;
    QLabel* picUvod = nullptr;
    QLabel* lblPauza = nullptr;
    QLabel* lblUvod = nullptr;
    QLabel* lblUvodKonec = nullptr;
    HelpViewer* help_ = nullptr;
};
