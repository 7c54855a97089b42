#pragma once
#include <QMainWindow>
#include <memory>

#include "app/GameSession.h"
#include "app/GamepadKeys.h"
#include "resources/ProgramFolder.h"

class GameScreen;
class HelpViewer;
class MainMenu;

// The main window: shows the game's screen under its menu bar, and turns key presses, menu
// commands, timer ticks and close requests into calls on the running game.
class frmRybnik : public QMainWindow {
    Q_OBJECT
public:
    // folder: where the game file, the cues, the help and the web address file lie.
    // random: the game's source of chance; the session seeds its own from the clock when none is given.
    explicit frmRybnik(const ProgramFolder& folder, RandomSource* random = nullptr);
    ~frmRybnik() override;

    // Start-up: shows the window with the title, and loads the game file, telling in a box when
    // it cannot be read. Returns at once, the box still up.
    void Form_Load();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void mnuHraStart_Click();
    void mnuHraInformace_Click();
    void mnuNastav_Click();
    void mnuNapovedaObsah_Click();

    const ProgramFolder folder_;
    std::unique_ptr<MainMenu> menu_;
    GameScreen* screen_;  // the client area, owned by the window as its central widget
    GameSession session_;
    HelpViewer* help_ = nullptr;
    GamepadKeys pads_;
};
