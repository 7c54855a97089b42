#include "app/frmRybnik.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <exception>

#include "app/CloseRequests.h"
#include "app/GameScreen.h"
#include "app/GameWording.h"
#include "app/MainMenu.h"
#include "dialogs/GameBox.h"
#include "dialogs/HelpViewer.h"
#include "dialogs/Pictures.h"
#include "dialogs/WebAddress.h"
#include "dialogs/frmNastav.h"

frmRybnik::frmRybnik(const ProgramFolder& folder, RandomSource* random)
    : folder_(folder),
      guard_(*this),
      menu_(std::make_unique<MainMenu>(*menuBar())),
      screen_(new GameScreen(this)),
      session_(*this, *screen_, guard_, folder, random) {
    setObjectName(QStringLiteral("frmRybnik"));
    setWindowTitle(QStringLiteral("Zurk3"));
    setWindowIcon(Pictures::WindowIcon());
    setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(screen_);

    connect(menu_->mnuHraStart, &QAction::triggered, this, &frmRybnik::mnuHraStart_Click);
    connect(menu_->mnuHraInformace, &QAction::triggered, this, &frmRybnik::mnuHraInformace_Click);
    connect(menu_->mnuKonec, &QAction::triggered, this, &QWidget::close);
    connect(menu_->mnuNastav, &QAction::triggered, this, &frmRybnik::mnuNastav_Click);
    connect(menu_->mnuWWW, &QAction::triggered, this, &frmRybnik::mnuWWW_Click);
    connect(menu_->mnuNapovedaObsah, &QAction::triggered, this, &frmRybnik::mnuNapovedaObsah_Click);
    connect(&session_.StepTimer(), &QTimer::timeout, this, &frmRybnik::tmrPohyb_Timer);
    new CloseRequests(*this);

    // Sized for the title before it first shows, so the window does not jump.
    session_.Flow().ShowTitle();
}

frmRybnik::~frmRybnik() = default;

void frmRybnik::Form_Load() {
    show();
    // Centred once more now that it is shown: only then does a window manager frame it.
    session_.Flow().ShowTitle();
    setFocus();
    const GameSession::Loading game = session_.LoadGameFile();
    menu_->mnuHraStart->setEnabled(game.Loaded);
    menu_->mnuHraInformace->setEnabled(game.Loaded);
    menu_->mnuWWW->setEnabled(HasWwwZurkFile(folder_));
    // Without its folder the game reads no file at all, and says so once.
    const QString problem = folder_.Found() ? game.Problem
                                            : tr("Domovskou složku programu nelze najít, a tak hra nenačte žádný "
                                                 "soubor: ani hru, ani zvuky, ani nápovědu !");
    if (!problem.isEmpty()) {
        HandlerGuard::Scope scope(guard_, HandlerGuard::ShowsBox);
        ShowGameBox(this, QMessageBox::Critical, windowTitle(), problem);
    }
}

// --- The step and the window's keys ------------------------------------------------------

void frmRybnik::tmrPohyb_Timer() {
    // A tick that comes while one of our handlers runs (a box of ours is open, a level is
    // being laid out) is skipped: the game holds still and goes on with the next tick.
    if (guard_.StepsHeld()) return;
    HandlerGuard::Scope scope(guard_);
    session_.Flow().Step();
}

bool frmRybnik::event(QEvent* event) {
    // Keys typed just before the window closed may still arrive; a closed game takes none.
    if (shutDown_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) return true;
    // Tab belongs to the game, not to focus navigation, so it is taken before QWidget sees it.
    // Ctrl+I types the same character as Tab.
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        const bool ctrlI = key == Qt::Key_I && keyEvent->modifiers().testFlag(Qt::ControlModifier);
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || ctrlI) {
            ShowLevelInfo();
            return true;
        }
    }
    return QMainWindow::event(event);
}

void frmRybnik::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        HandlerGuard::Scope scope(guard_);
        session_.Flow().TogglePause();
    } else if (event->key() == Qt::Key_U && (event->modifiers() & Qt::ControlModifier)) {
        AskForLevel();
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

void frmRybnik::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F3 && !event->isAutoRepeat()) {
        HandlerGuard::Scope scope(guard_);
        session_.Flow().ReturnToTitle();
    } else {
        QMainWindow::keyReleaseEvent(event);
    }
}

void frmRybnik::ShowLevelInfo() {
    if (!session_.Flow().CanShowLevelInfo()) return;
    HandlerGuard::Scope scope(guard_, HandlerGuard::ShowsBox);
    ShowGameBox(this, QMessageBox::Information, tr("Informace o úrovni"),
                GameWording::LevelInfoText(session_.Flow().CurrentLevelInfo()));
}

void frmRybnik::AskForLevel() {
    if (!session_.Flow().CanChooseLevel()) return;
    HandlerGuard::Scope scope(guard_, HandlerGuard::ShowsBox);
    const QString answer = QInputDialog::getText(this, windowTitle(), tr("Zadejte číslo úrovně !"));
    session_.Flow().ChooseLevel(answer.toStdString());
}

void frmRybnik::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) session_.Flow().OnMinimised();
}

void frmRybnik::closeEvent(QCloseEvent* event) {
    // Never pull the level away from under a handler that is still working on it; the close is
    // carried out as soon as the handler returns. A window that has already shut down accepts
    // every later close at once, so that nothing can cancel the program's quit.
    if (!shutDown_ && guard_.PostponeClose()) {
        event->ignore();
        return;
    }
    if (!shutDown_) {
        shutDown_ = true;
        session_.Flow().Shutdown();
        if (help_) help_->close();
    }
    event->accept();
}

// --- Menu commands -----------------------------------------------------------------------

void frmRybnik::mnuHraStart_Click() {
    HandlerGuard::Scope scope(guard_);
    // A failure inside Start ends the command quietly; the program goes on.
    try {
        session_.Flow().Start();
    } catch (const std::exception&) {}
}

void frmRybnik::mnuHraInformace_Click() {
    HandlerGuard::Scope scope(guard_, HandlerGuard::ShowsBox);
    try {
        ShowGameBox(this, QMessageBox::Information, windowTitle(),
                    GameWording::GameInfoText(session_.Flow().CurrentGameInfo()));
    } catch (const std::exception&) {}
}

void frmRybnik::mnuNastav_Click() {
    HandlerGuard::Scope scope(guard_, HandlerGuard::ShowsSpeedDialog);
    frmNastav dialog(session_.StepTimer(), this);
    dialog.exec();
}

void frmRybnik::mnuWWW_Click() {
    HandlerGuard::Scope scope(guard_, HandlerGuard::ShowsBox);
    OpenWwwZurk(*this, folder_);
}

void frmRybnik::mnuNapovedaObsah_Click() {
    if (!help_) help_ = new HelpViewer(folder_, this);
    help_->ShowTopic(1000);
}
