#include "app/GameScreen.h"

#include <QLabel>

#include "app/PlayfieldCanvas.h"
#include "app/StatusPanel.h"
#include "resources/GameFonts.h"
#include "resources/Pictures.h"

namespace {
// The screen's size and the level's are compared in twips, at a fixed 15 to a pixel.
constexpr int TwipsPerPixel = 15;

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

void SetBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}
}  // namespace

int ChooseSpriteSet(int fieldWidth, int fieldHeight, QSize screen) {
    const int large = SpriteLists::CellSize(1);
    const double width = (fieldWidth * large + SidePanelWidth) * TwipsPerPixel;
    const double height = fieldHeight * large * TwipsPerPixel;
    const bool tooWide = 0.95 * (screen.width() * TwipsPerPixel) < width;
    const bool tooHigh = 0.9 * (screen.height() * TwipsPerPixel) < height;
    return tooWide || tooHigh ? 0 : 1;
}

GameScreen::GameScreen(QWidget* parent) : QWidget(parent), canvas_(new PlayfieldCanvas(sprites_, this)) {
    setObjectName(QStringLiteral("client"));
    SetBackground(this, Qt::black);
    canvas_->setObjectName(QStringLiteral("canvas"));

    picPodklad = new QWidget(this);
    picPodklad->setObjectName(QStringLiteral("picPodklad"));
    SetBackground(picPodklad, QColor(0x80, 0x80, 0x80));
    picPanel = new StatusPanel(picPodklad);

    lblPauza = MakeLabel(this, "lblPauza", tr("Pauza"), {0, 0, 97, 33}, ArialPoints(26.25, true));
    lblPauza->setAlignment(Qt::AlignCenter);
    lblPauza->setWordWrap(false);
    SetBackground(lblPauza, Qt::black);
    // Both hints stand beside the house of the first level.
    lblUvod = MakeLabel(this, "lblUvod",
                        tr("Z tohoto domečku po stisknutí jakékoliv kurzorové klávesy vyleze Zurk, "
                           "jeho pohyb pak řídíte týmiž klávesami."),
                        {210, 162, 153, 57}, ArialPoints(8.25, false));
    lblUvodKonec = MakeLabel(this, "lblUvodKonec", tr("Nyní se musíte vrátit zpět do domečku."), {210, 175, 153, 25},
                             ArialPoints(8.25, false));

    picPozadi = new QLabel(this);
    picPozadi->setObjectName(QStringLiteral("picPozadi"));
    picPozadi->setGeometry(0, 0, 400, 300);
    picPozadi->setPixmap(Pictures::Title(devicePixelRatioF()));
    picUvod = new QLabel(picPozadi);
    picUvod->setObjectName(QStringLiteral("picUvod"));
    picUvod->setGeometry(144, 224, 150, 50);
    picUvod->setPixmap(Pictures::StartHint(devicePixelRatioF()));

    for (QWidget* child : findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);
}

QLabel* GameScreen::Label(HintLabel label) const {
    switch (label) {
    case HintLabel::Uvod: return lblUvod;
    case HintLabel::UvodKonec: return lblUvodKonec;
    case HintLabel::Pauza: return lblPauza;
    case HintLabel::Bonus: return picPanel->Bonus();
    }
    return lblPauza;
}

void GameScreen::SetLabelVisible(HintLabel label, bool visible) { Label(label)->setVisible(visible); }

void GameScreen::ShowPanel(const PanelValues& values) { picPanel->ShowValues(values); }

void GameScreen::PlaceSidePanel(int canvasWidth, int canvasHeight) {
    canvas_->setGeometry(0, 0, canvasWidth, canvasHeight);
    picPodklad->setGeometry(canvasWidth, 0, SidePanelWidth, canvasHeight);
    // Centred, and clipped at both ends when the canvas is lower than the panel.
    picPanel->move(0, (canvasHeight - picPanel->height()) / 2);
}

QSize GameScreen::LayOutForLevel(int fieldWidth, int fieldHeight, int spriteSet) {
    const int cellSize = SpriteLists::CellSize(spriteSet);
    canvas_->UseSpriteSet(spriteSet);
    const int canvasWidth = fieldWidth * cellSize;
    const int canvasHeight = fieldHeight * cellSize;
    PlaceSidePanel(canvasWidth, canvasHeight);
    // Its bottom edge one cell above the canvas's bottom edge.
    lblPauza->move(cellSize, (fieldHeight - 1) * cellSize - lblPauza->height());
    return {canvasWidth + SidePanelWidth, canvasHeight};
}

QSize GameScreen::ShowTitle() {
    picPozadi->move(0, 0);
    picPozadi->show();
    picPozadi->raise();
    picPanel->Reset();
    PlaceSidePanel(picPozadi->width(), picPozadi->height());
    return {SidePanelWidth + picPozadi->width(), picPozadi->height()};
}

void GameScreen::HideTitle() { picPozadi->hide(); }

void GameScreen::HideStartPicture() { picUvod->hide(); }
