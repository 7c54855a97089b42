#include "app/frmRybnik.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <chrono>
#include <exception>

#include "app/MainMenu.h"
#include "app/PondSurface.h"
#include "app/StatusPanel.h"
#include "dialogs/GameFonts.h"
#include "dialogs/HelpViewer.h"
#include "dialogs/Pictures.h"
#include "dialogs/WebAddress.h"
#include "dialogs/WindowPlacement.h"
#include "dialogs/frmNastav.h"
#include "dialogs/frmZprava.h"
#include "pond/RegularFile.h"

namespace {
const QString Title = QStringLiteral("Zurk3");

std::uint32_t ClockSeed() {
    return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect place, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(font);
    QPalette yellow = label->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    label->setPalette(yellow);
    label->setWordWrap(true);
    label->hide();
    return label;
}
}  // namespace

// Marks one of our handlers as running. While one runs, steps are held, except under the speed
// dialog, where the game goes on at the speed being chosen. The outermost handler, when it ends,
// takes the keyboard back for the window if a box of ours was closed meanwhile (without a window
// manager nobody else would), and carries out a close that arrived while it ran.
class frmRybnik::HandlerScope {
public:
    enum Kind { Plain, ShowsBox, ShowsSpeedDialog };
    explicit HandlerScope(frmRybnik& window, Kind kind = Plain) : window_(window), kind_(kind) {
        ++window_.handlerDepth_;
        if (HoldsSteps()) ++window_.holdDepth_;
    }
    ~HandlerScope() {
        if (HoldsSteps()) --window_.holdDepth_;
        if (kind_ != Plain) window_.boxClosed_ = true;
        if (--window_.handlerDepth_ != 0) return;
        if (window_.boxClosed_ && window_.isVisible() && !window_.isMinimized()) window_.activateWindow();
        window_.boxClosed_ = false;
        if (window_.closePending_) QTimer::singleShot(0, &window_, &QWidget::close);
    }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

private:
    bool HoldsSteps() const { return kind_ != ShowsSpeedDialog; }

    frmRybnik& window_;
    Kind kind_;
};

frmRybnik::frmRybnik(const QString& folder, RandomSource* random)
    : folder_(folder),
      ownRandom_(random ? nullptr : std::make_unique<SeededRandom>(ClockSeed())),
      keys_(*this),
      cues_(folder, &QApplication::beep),
      pond_(new PondSurface(sprites_, nullptr)),
      world_(random ? *random : *ownRandom_, *pond_, cues_, *this),
      flow_(world_, CurrentGame, keys_) {
    setObjectName(QStringLiteral("frmRybnik"));
    setWindowTitle(Title);
    setWindowIcon(Pictures::WindowIcon());
    setFocusPolicy(Qt::StrongFocus);

    menu_ = std::make_unique<MainMenu>(*menuBar());
    connect(menu_->mnuHraStart, &QAction::triggered, this, &frmRybnik::mnuHraStart_Click);
    connect(menu_->mnuHraInformace, &QAction::triggered, this, &frmRybnik::mnuHraInformace_Click);
    connect(menu_->mnuKonec, &QAction::triggered, this, &QWidget::close);
    connect(menu_->mnuNastav, &QAction::triggered, this, &frmRybnik::mnuNastav_Click);
    connect(menu_->mnuWWW, &QAction::triggered, this, &frmRybnik::mnuWWW_Click);
    connect(menu_->mnuNapovedaObsah, &QAction::triggered, this, &frmRybnik::mnuNapovedaObsah_Click);

    BuildClientArea();

    tmrPohyb.setParent(this);
    tmrPohyb.setObjectName(QStringLiteral("tmrPohyb"));
    tmrPohyb.setTimerType(Qt::PreciseTimer);
    tmrPohyb.setInterval(80);
    connect(&tmrPohyb, &QTimer::timeout, this, &frmRybnik::tmrPohyb_Timer);

    // Sized for the title before it first shows, so the window does not jump.
    ShowTitle();
    Form_Load();
}

frmRybnik::~frmRybnik() = default;

void frmRybnik::BuildClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette black = client->palette();
    black.setColor(QPalette::Window, Qt::black);
    client->setPalette(black);
    setCentralWidget(client);

    pond_->setParent(client);
    pond_->setObjectName(QStringLiteral("pond"));

    picPodklad = new QWidget(client);
    picPodklad->setObjectName(QStringLiteral("picPodklad"));
    picPodklad->setAutoFillBackground(true);
    QPalette grey = picPodklad->palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    picPodklad->setPalette(grey);
    picPanel = new StatusPanel(picPodklad);

    lblPauza = MakeLabel(client, "lblPauza", QStringLiteral("Pauza"), {0, 0, 97, 33}, ArialPoints(26.25, true));
    lblPauza->setAlignment(Qt::AlignCenter);
    lblPauza->setWordWrap(false);
    lblPauza->setAutoFillBackground(true);
    QPalette pauza = lblPauza->palette();
    pauza.setColor(QPalette::Window, Qt::black);
    lblPauza->setPalette(pauza);
    lblUvod = MakeLabel(client, "lblUvod",
                        QStringLiteral("Z tohoto domečku po stisknutí jakékoliv kurzorové klávesy vyleze Zurk, "
                                       "jeho pohyb pak řídíte týmiž klávesami."),
                        {0, 0, 153, 57}, ArialPoints(8.25, false));
    lblUvodKonec = MakeLabel(client, "lblUvodKonec", QStringLiteral("Nyní se musíte vrátit zpět do domečku."),
                             {224, 72, 153, 25}, ArialPoints(8.25, false));

    picPozadi = new QLabel(client);
    picPozadi->setObjectName(QStringLiteral("picPozadi"));
    picPozadi->setGeometry(0, 0, 400, 300);
    picPozadi->setPixmap(Pictures::Title(devicePixelRatioF()));
    picUvod = new QLabel(picPozadi);
    picUvod->setObjectName(QStringLiteral("picUvod"));
    picUvod->setGeometry(144, 224, 150, 50);
    picUvod->setPixmap(Pictures::StartHint(devicePixelRatioF()));

    for (QWidget* child : client->findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);
}

void frmRybnik::Form_Load() {
    world_.GameState = StateNone;
    show();
    flow_.ShowTitle();
    setFocus();

    const QString gameFile = QDir(folder_).filePath(QStringLiteral("zaklad.zurk"));
    if (CurrentGame.NactiHru(gameFile.toStdString())) {
        EnableGameMenu();
    } else if (QFileInfo::exists(gameFile)) {
        ShowCriticalBox(QStringLiteral("Hru ze souboru %1 nelze načíst. %2")
                            .arg(QDir::toNativeSeparators(gameFile), QString::fromStdString(CurrentGame.LastError()))
                            .toStdString());
    }
    menu_->mnuWWW->setEnabled(QFileInfo::exists(QDir(folder_).filePath(QStringLiteral("WWW_Zurk.txt"))));
}

void frmRybnik::EnableGameMenu() {
    menu_->mnuHraStart->setEnabled(true);
    menu_->mnuHraInformace->setEnabled(true);
}

// --- What the rules ask of the window ---------------------------------------------------

QLabel* frmRybnik::Label(HintLabel label) const {
    switch (label) {
    case HintLabel::Uvod: return lblUvod;
    case HintLabel::UvodKonec: return lblUvodKonec;
    case HintLabel::Pauza: return lblPauza;
    case HintLabel::Bonus: return picPanel->Bonus();
    }
    return lblPauza;
}

void frmRybnik::SetLabelVisible(HintLabel label, bool visible) { Label(label)->setVisible(visible); }

void frmRybnik::MoveLabel(HintLabel label, int x, int y) { Label(label)->move(x, y); }

void frmRybnik::ShowCriticalBox(const std::string& text) {
    HandlerScope scope(*this, HandlerScope::ShowsBox);
    QMessageBox::critical(this, Title, QString::fromStdString(text));
}

void frmRybnik::ShowMessage(const std::string& text) {
    HandlerScope scope(*this, HandlerScope::ShowsBox);
    frmZprava message(QString::fromStdString(text), this);
    message.exec();
}

void frmRybnik::SetStepTimer(bool enabled) {
    if (!enabled)
        tmrPohyb.stop();
    else if (!tmrPohyb.isActive())
        tmrPohyb.start();
}

void frmRybnik::ShowPanel(const PanelValues& values) { picPanel->ShowValues(values); }

ScreenSize frmRybnik::ScreenPixels() const {
    const QSize size = QGuiApplication::primaryScreen()->size();
    return {size.width(), size.height()};
}

void frmRybnik::PlaceSidePanel(int pondWidth, int pondHeight) {
    pond_->setGeometry(0, 0, pondWidth, pondHeight);
    picPodklad->setGeometry(pondWidth, 0, SidePanelWidth, pondHeight);
    // Centred, and clipped at both ends when the pond is lower than the panel.
    picPanel->move(0, (pondHeight - picPanel->height()) / 2);
}

void frmRybnik::LayOutForLevel(int fieldWidth, int fieldHeight, int cellSize) {
    cues_.Prepare();
    const int pondWidth = fieldWidth * cellSize;
    const int pondHeight = fieldHeight * cellSize;
    SetClientSize(*this, pondWidth + SidePanelWidth, pondHeight);
    PlaceSidePanel(pondWidth, pondHeight);
    CenterForm(*this);
    // Its bottom edge one cell above the pond's bottom edge.
    lblPauza->move(cellSize, (fieldHeight - 1) * cellSize - lblPauza->height());
}

void frmRybnik::LetPendingEventsRun() {
    // Repaint in the new size, but no key or click may start or stop a level from in here.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmRybnik::ClearPond() { pond_->Clear(); }

void frmRybnik::ShowTitle() {
    picPozadi->move(0, 0);
    picPozadi->show();
    picPozadi->raise();
    picPanel->Reset();
    SetClientSize(*this, SidePanelWidth + picPozadi->width(), picPozadi->height());
    PlaceSidePanel(picPozadi->width(), picPozadi->height());
    CenterForm(*this);
}

void frmRybnik::HideTitle() { picPozadi->hide(); }

void frmRybnik::HideStartPicture() { picUvod->hide(); }

// --- The step and the window's keys ------------------------------------------------------

void frmRybnik::tmrPohyb_Timer() {
    // A tick that comes while one of our handlers runs (a box of ours is open, a level is
    // being laid out) is skipped: the game holds still and goes on with the next tick.
    if (holdDepth_ > 0) return;
    HandlerScope scope(*this);
    flow_.Step();
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
        HandlerScope scope(*this);
        flow_.TogglePause();
    } else if (event->key() == Qt::Key_U && (event->modifiers() & Qt::ControlModifier)) {
        AskForLevel();
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

void frmRybnik::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F3 && !event->isAutoRepeat()) {
        HandlerScope scope(*this);
        flow_.ReturnToTitle();
    } else {
        QMainWindow::keyReleaseEvent(event);
    }
}

void frmRybnik::ShowLevelInfo() {
    if (!flow_.CanShowLevelInfo()) return;
    HandlerScope scope(*this, HandlerScope::ShowsBox);
    QString text = QString::fromStdString(flow_.LevelInfoText());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox::information(this, QStringLiteral("Informace o úrovni"), text);
}

void frmRybnik::AskForLevel() {
    if (!flow_.CanChooseLevel()) return;
    HandlerScope scope(*this, HandlerScope::ShowsBox);
    const QString answer = QInputDialog::getText(this, Title, QStringLiteral("Zadejte číslo úrovně !"));
    flow_.ChooseLevel(answer.toStdString());
}

void frmRybnik::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) flow_.OnMinimised();
}

void frmRybnik::closeEvent(QCloseEvent* event) {
    if (!shutDown_ && handlerDepth_ > 0) {
        // Never pull the level away from under a handler that is still working on it; the close
        // is carried out as soon as the handler returns.
        closePending_ = true;
        event->ignore();
        return;
    }
    // A window that has already shut down accepts every later close at once, so that nothing
    // can cancel the program's quit once the player has asked for it.
    closePending_ = false;
    if (!shutDown_) {
        shutDown_ = true;
        flow_.Shutdown();
        if (help_) help_->close();
    }
    event->accept();
}

// --- Menu commands -----------------------------------------------------------------------

void frmRybnik::mnuHraStart_Click() {
    HandlerScope scope(*this);
    // A failure inside Start ends the command quietly; the program goes on.
    try {
        flow_.Start();
    } catch (const std::exception&) {}
}

void frmRybnik::mnuHraInformace_Click() {
    HandlerScope scope(*this, HandlerScope::ShowsBox);
    try {
        QString text = QString::fromStdString(flow_.GameInfoText());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QMessageBox::information(this, Title, text);
    } catch (const std::exception&) {}
}

void frmRybnik::mnuNastav_Click() {
    HandlerScope scope(*this, HandlerScope::ShowsSpeedDialog);
    frmNastav dialog(tmrPohyb, this);
    dialog.exec();
}

void frmRybnik::mnuWWW_Click() {
    HandlerScope scope(*this, HandlerScope::ShowsBox);
    const QString path = QDir(folder_).filePath(QStringLiteral("WWW_Zurk.txt"));
    // The address is one short line; a file far larger is no address file.
    constexpr std::size_t MaxAddressFileSize = 64u << 10;
    const FileRead file = ReadRegularFile(QFile::encodeName(path).toStdString(), MaxAddressFileSize);
    if (file.Status == FileReadStatus::Missing) {
        QMessageBox::critical(this, Title,
                              QStringLiteral("V domovské složce programu nelze najít soubor WWW_Zurk.txt, "
                                             "kde je uložena internetová adresa WWW Zurk !"));
        return;
    }
    if (file.Status != FileReadStatus::Read) {
        QMessageBox::critical(this, Title,
                              QStringLiteral("Soubor WWW_Zurk.txt v domovské složce programu nelze přečíst !"));
        return;
    }
    const std::string item = FirstItem({reinterpret_cast<const char*>(file.Bytes.data()), file.Bytes.size()});
    if (item.empty()) return;
    const QUrl address = WebAddress(QString::fromLocal8Bit(item.data(), static_cast<qsizetype>(item.size())));
    if (!address.isValid()) {
        QMessageBox::critical(this, Title,
                              QStringLiteral("Soubor WWW_Zurk.txt v domovské složce programu neobsahuje "
                                             "internetovou adresu WWW Zurk !"));
        return;
    }
    QDesktopServices::openUrl(address);
}

void frmRybnik::mnuNapovedaObsah_Click() {
    if (!help_) help_ = new HelpViewer(folder_, this);
    help_->ShowTopic(1000);
}
