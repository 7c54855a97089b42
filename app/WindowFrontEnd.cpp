#include "app/WindowFrontEnd.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <exception>

#include "app/GameScreen.h"
#include "app/GameWording.h"
#include "app/PlayerModality.h"
#include "app/PlayfieldCanvas.h"
#include "dialogs/GameBox.h"
#include "dialogs/OpenWebPage.h"
#include "dialogs/WindowPlacement.h"
#include "dialogs/frmZprava.h"
#include "game/LevelFlow.h"
#include "sound/ServerCuePlayer.h"

WindowFrontEnd::WindowFrontEnd(QMainWindow& window, GameScreen& screen, PlayerModality& boxes, LevelFlow& flow,
                               QTimer& stepTimer, ServerCuePlayer& cues, const ProgramFolder& folder)
    : window_(window),
      screen_(screen),
      boxes_(boxes),
      flow_(flow),
      stepTimer_(stepTimer),
      cues_(cues),
      folder_(folder) {}

void WindowFrontEnd::SetLabelVisible(HintLabel label, bool visible) { screen_.SetLabelVisible(label, visible); }

void WindowFrontEnd::ShowMessage(FlowMessage message) {
    auto* window = new frmZprava(GameWording::Message(message));
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &QDialog::finished, &window_, [this] { flow_.MessageClosed(); });
    window->show();
}

void WindowFrontEnd::ShowBox(FlowBox box) {
    switch (box) {
    case FlowBox::LevelNumber: AskLevelNumber(); return;
    case FlowBox::LevelInfo:
        ShowInformation(GameWording::LevelInfoTitle(), GameWording::LevelInfoText(flow_.CurrentLevelInfo()));
        return;
    case FlowBox::GameInfo: ShowGameInfo(); return;
    case FlowBox::WebAddress: OpenWebAddress(); return;
    case FlowBox::NoSnake: ShowCritical(GameWording::NoSnake()); return;
    case FlowBox::NoPlayableLevel: ShowCritical(GameWording::NoPlayableLevel()); return;
    }
}

void WindowFrontEnd::CloseBoxes() { boxes_.CloseAll(); }

template <typename Answer>
void WindowFrontEnd::AnswerWhenClosed(QDialog* box, Answer answer) {
    QObject::connect(box, &QDialog::finished, &window_, [this, box, answer](int) { flow_.BoxAnswered(answer(*box)); });
}

void WindowFrontEnd::AnswerSoon() {
    QTimer::singleShot(0, &window_, [this] { flow_.BoxAnswered(); });
}

void WindowFrontEnd::ShowInformation(const QString& title, const QString& text) {
    AnswerWhenClosed(ShowGameBox(&window_, QMessageBox::Information, title, text),
                     [](const QDialog&) { return std::string(); });
}

void WindowFrontEnd::ShowCritical(const QString& text) {
    AnswerWhenClosed(ShowGameBox(&window_, QMessageBox::Critical, window_.windowTitle(), text),
                     [](const QDialog&) { return std::string(); });
}

void WindowFrontEnd::ShowGameInfo() {
    // Gathering what Informace tells may run out of memory: the player is told instead, and the
    // flow goes on once that box is closed.
    try {
        ShowInformation(window_.windowTitle(), GameWording::GameInfoText(flow_.CurrentGameInfo()));
    } catch (const std::exception& failure) {
        ShowCritical(GameWording::GameInfoFault(failure));
    }
}

void WindowFrontEnd::AskLevelNumber() {
    auto* box = new QInputDialog(&window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(window_.windowTitle());
    box->setLabelText(GameWording::LevelNumberPrompt());
    // Cancel answers as an empty box does.
    AnswerWhenClosed(box, [](const QDialog& dialog) {
        const auto& input = static_cast<const QInputDialog&>(dialog);
        return input.result() == QDialog::Accepted ? input.textValue().toStdString() : std::string();
    });
    box->show();
}

void WindowFrontEnd::OpenWebAddress() {
    // A box comes only when the page cannot be opened; otherwise the page went to the browser and
    // there is nothing to wait for.
    if (QDialog* box = OpenWwwZurk(window_, folder_))
        AnswerWhenClosed(box, [](const QDialog&) { return std::string(); });
    else
        AnswerSoon();
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

void WindowFrontEnd::ClearPond() { screen_.Canvas().Clear(); }

void WindowFrontEnd::ShowTitle() { FitWindow(screen_.ShowTitle()); }

void WindowFrontEnd::HideTitle() { screen_.HideTitle(); }

void WindowFrontEnd::HideStartPicture() { screen_.HideStartPicture(); }
