#include "app/frmRybnik.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <exception>

#include "app/CloseRequests.h"
#include "app/GameScreen.h"
#include "app/GameWording.h"
#include "app/MainMenu.h"
#include "dialogs/GameBox.h"
#include "dialogs/HelpViewer.h"
#include "dialogs/frmNastav.h"
#include "resources/Pictures.h"
#include "resources/WebAddress.h"

frmRybnik::frmRybnik(const ProgramFolder& folder, RandomSource* random)
    : folder_(folder),
      menu_(std::make_unique<MainMenu>(*this)),
      screen_(new GameScreen(this)),
      session_(*this, *screen_, folder, random),
      // Start begins a game where none is in play, as F2 does, and pauses one that is, as Space does.
      pads_([&flow = session_.Flow()] {
          const FlowState state = flow.State();
          return state == FlowState::Title || state == FlowState::GameOver ? Qt::Key_F2 : Qt::Key_Space;
      }) {
    setObjectName(QStringLiteral("frmRybnik"));
    setWindowTitle(QStringLiteral("Zurk3"));
    setWindowIcon(Pictures::WindowIcon());
    setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(screen_);

    LevelFlow& flow = session_.Flow();
    connect(menu_->mnuHraStart, &QAction::triggered, this, &frmRybnik::mnuHraStart_Click);
    connect(menu_->mnuHraInformace, &QAction::triggered, this, &frmRybnik::mnuHraInformace_Click);
    connect(menu_->mnuKonec, &QAction::triggered, this, &QWidget::close);
    connect(menu_->mnuNastav, &QAction::triggered, this, &frmRybnik::mnuNastav_Click);
    connect(menu_->mnuWWW, &QAction::triggered, this, [&flow] { flow.OpenWwwZurk(); });
    connect(menu_->mnuNapovedaObsah, &QAction::triggered, this, &frmRybnik::mnuNapovedaObsah_Click);
    connect(&session_.StepTimer(), &QTimer::timeout, this, [&flow] { flow.Step(); });
    // After the session's modality of the dialogs, so that Ctrl+X is heard before a window behind
    // a dialog refuses it.
    new CloseRequests(*this);

    // Sized for the title before it first shows, so the window does not jump.
    flow.ShowTitle();
}

frmRybnik::~frmRybnik() = default;

void frmRybnik::Form_Load() {
    show();
    // Centred once more now that it is shown: only then does a window manager frame it.
    session_.Flow().ShowTitle();
    pads_.StartOnceShown(*windowHandle());
    setFocus();
    const GameSession::Loading game = session_.LoadGameFile();
    menu_->mnuHraStart->setEnabled(game.Loaded);
    menu_->mnuHraInformace->setEnabled(game.Loaded);
    menu_->mnuWWW->setEnabled(HasWwwZurkFile(folder_));
    // Without its folder the game reads no file at all, and says so once.
    const QString problem = folder_.Found() ? game.Problem
                                            : tr("Domovskou složku programu nelze najít, a tak hra nenačte žádný "
                                                 "soubor: ani hru, ani zvuky, ani nápovědu !");
    if (!problem.isEmpty()) ShowGameBox(this, QMessageBox::Critical, windowTitle(), problem);
}

// --- The window's keys ---------------------------------------------------------------------

bool frmRybnik::event(QEvent* event) {
    // Tab belongs to the game, not to focus navigation, so it is taken before QWidget sees it.
    // Ctrl+I types the same character as Tab.
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        const bool ctrlI = key == Qt::Key_I && keyEvent->modifiers().testFlag(Qt::ControlModifier);
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || ctrlI) {
            session_.Flow().ShowLevelInfo();
            return true;
        }
    }
    return QMainWindow::event(event);
}

void frmRybnik::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space)
        session_.Flow().TogglePause();
    else if (event->key() == Qt::Key_U && (event->modifiers() & Qt::ControlModifier))
        session_.Flow().AskForLevel();
    else
        QMainWindow::keyPressEvent(event);
}

void frmRybnik::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F3 && !event->isAutoRepeat())
        session_.Flow().ReturnToTitle();
    else
        QMainWindow::keyReleaseEvent(event);
}

void frmRybnik::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) session_.Flow().OnMinimised();
}

void frmRybnik::closeEvent(QCloseEvent* event) {
    // Nothing of ours ever waits, so a close is carried out at once, whatever is open; once closed,
    // the window accepts every later close, so that nothing can cancel the program's quit.
    if (session_.Flow().State() != FlowState::Closed) {
        session_.Flow().CloseRequested();
        if (help_) help_->close();
    }
    event->accept();
}

// --- Menu commands -----------------------------------------------------------------------

void frmRybnik::mnuHraStart_Click() {
    // Setting up a level may run out of memory. Qt must not see the failure, and the level is
    // half laid out, so the player is told and the game goes back to its title, where the player
    // may start again.
    try {
        session_.Flow().Start();
    } catch (const std::exception& failure) {
        session_.Flow().ReturnToTitle();
        ShowGameBox(this, QMessageBox::Critical, windowTitle(), GameWording::StartFault(failure));
    }
}

void frmRybnik::mnuHraInformace_Click() { session_.Flow().ShowGameInfo(); }

void frmRybnik::mnuNastav_Click() {
    // The game runs on under the speed dialog at the speed being chosen, so the flow is not told of it.
    auto* dialog = new frmNastav(session_.StepTimer(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void frmRybnik::mnuNapovedaObsah_Click() {
    if (!help_) help_ = new HelpViewer(folder_, this);
    help_->ShowTopic(1000);
}
