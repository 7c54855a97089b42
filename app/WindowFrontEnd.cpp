#include "app/WindowFrontEnd.h"

#include <QApplication>
#include <QEventLoop>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>

#include "app/GameScreen.h"
#include "app/GameWording.h"
#include "app/HandlerGuard.h"
#include "app/PlayfieldCanvas.h"
#include "app/QtCuePlayer.h"
#include "dialogs/GameBox.h"
#include "dialogs/WindowPlacement.h"
#include "dialogs/frmZprava.h"

WindowFrontEnd::WindowFrontEnd(QMainWindow& window, GameScreen& screen, HandlerGuard& guard, QTimer& stepTimer,
                               QtCuePlayer& cues)
    : window_(window), screen_(screen), guard_(guard), stepTimer_(stepTimer), cues_(cues) {}

void WindowFrontEnd::SetLabelVisible(HintLabel label, bool visible) { screen_.SetLabelVisible(label, visible); }

void WindowFrontEnd::ShowNoSnakeBox() { ShowCriticalBox(GameWording::NoSnake()); }

void WindowFrontEnd::ShowNoPlayableLevelBox() { ShowCriticalBox(GameWording::NoPlayableLevel()); }

void WindowFrontEnd::ShowCriticalBox(const QString& text) {
    // Once the player has asked to quit, no box comes any more, and no level is laid out.
    if (guard_.ClosePending()) return;
    HandlerGuard::Scope scope(guard_, HandlerGuard::ShowsBox);
    ShowGameBox(&window_, QMessageBox::Critical, window_.windowTitle(), text);
}

void WindowFrontEnd::ShowMessage(FlowMessage message) {
    if (guard_.ClosePending()) return;
    HandlerGuard::Scope scope(guard_, HandlerGuard::ShowsBox);
    frmZprava box(GameWording::Message(message), &window_);
    if (!QApplication::activeModalWidget()) {
        box.exec();
        return;
    }
    // Over the speed dialog, under which the game goes on, the message does not block the dialog
    // (a click on OK or Storno would be lost); the dialog still holds the main window.
    box.setWindowModality(Qt::NonModal);
    QEventLoop untilClosed;
    QObject::connect(&box, &QDialog::finished, &untilClosed, &QEventLoop::quit);
    box.show();
    untilClosed.exec();
}

void WindowFrontEnd::SetStepTimer(bool enabled) {
    if (!enabled)
        stepTimer_.stop();
    else if (!stepTimer_.isActive())
        stepTimer_.start();
}

void WindowFrontEnd::ShowPanel(const PanelValues& values) { screen_.ShowPanel(values); }

void WindowFrontEnd::FitWindow(QSize clientSize) {
    SetClientSize(window_, clientSize.width(), clientSize.height());
    CenterForm(window_);
}

void WindowFrontEnd::LayOutForLevel(int fieldWidth, int fieldHeight) {
    if (guard_.ClosePending()) return;
    cues_.Prepare();
    const QSize screen = QGuiApplication::primaryScreen()->size();
    FitWindow(screen_.LayOutForLevel(fieldWidth, fieldHeight, ChooseSpriteSet(fieldWidth, fieldHeight, screen)));
}

void WindowFrontEnd::LetPendingEventsRun() {
    if (guard_.ClosePending()) return;
    // Repaint in the new size, but no key or click may start or stop a level from in here.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WindowFrontEnd::ClearPond() { screen_.Canvas().Clear(); }

void WindowFrontEnd::ShowTitle() { FitWindow(screen_.ShowTitle()); }

void WindowFrontEnd::HideTitle() { screen_.HideTitle(); }

void WindowFrontEnd::HideStartPicture() { screen_.HideStartPicture(); }
