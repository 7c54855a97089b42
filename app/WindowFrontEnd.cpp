#include "app/WindowFrontEnd.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "app/GameScreen.h"
#include "app/GameWording.h"
#include "app/HandlerGuard.h"
#include "app/PlayfieldCanvas.h"
#include "app/QtCuePlayer.h"
#include "dialogs/WindowPlacement.h"
#include "dialogs/frmZprava.h"

WindowFrontEnd::WindowFrontEnd(QMainWindow& window, GameScreen& screen, HandlerGuard& guard, QTimer& stepTimer,
                               QtCuePlayer& cues)
    : window_(window), screen_(screen), guard_(guard), stepTimer_(stepTimer), cues_(cues) {}

void WindowFrontEnd::SetLabelVisible(HintLabel label, bool visible) { screen_.SetLabelVisible(label, visible); }

void WindowFrontEnd::ShowNoSnakeBox() {
    HandlerGuard::Scope scope(guard_, HandlerGuard::ShowsBox);
    QMessageBox::critical(&window_, window_.windowTitle(), GameWording::NoSnake());
}

void WindowFrontEnd::ShowMessage(FlowMessage message) {
    HandlerGuard::Scope scope(guard_, HandlerGuard::ShowsBox);
    frmZprava box(GameWording::Message(message), &window_);
    box.exec();
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
    cues_.Prepare();
    const QSize screen = QGuiApplication::primaryScreen()->size();
    FitWindow(screen_.LayOutForLevel(fieldWidth, fieldHeight, ChooseSpriteSet(fieldWidth, fieldHeight, screen)));
}

void WindowFrontEnd::LetPendingEventsRun() {
    // Repaint in the new size, but no key or click may start or stop a level from in here.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WindowFrontEnd::ClearPond() { screen_.Canvas().Clear(); }

void WindowFrontEnd::ShowTitle() { FitWindow(screen_.ShowTitle()); }

void WindowFrontEnd::HideTitle() { screen_.HideTitle(); }

void WindowFrontEnd::HideStartPicture() { screen_.HideStartPicture(); }
