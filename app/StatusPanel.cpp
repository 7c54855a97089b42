#include "app/StatusPanel.h"

#include <QLabel>

#include "resources/GameFonts.h"

namespace {
const QColor ShortColour(0, 192, 192);
const QColor LongEnoughColour(0, 255, 0);
}  // namespace

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picPanel"));
    setFixedSize(SidePanelWidth, 200);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(grey);

    AddCaption("lblTxtBody", tr("Celkem bodů"), {8, 0, 73, 17}, Qt::AlignHCenter);
    lblBody = AddValueBox("lblBody", {8, 16, 73, 25});
    AddCaption("lblTxtUroven", tr("Úroveň"), {4, 42, 41, 17}, Qt::AlignHCenter);
    lblUroven = AddValueBox("lblUroven", {8, 56, 33, 25});
    AddCaption("lblTxtZivoty", tr("Životy"), {48, 42, 41, 17}, Qt::AlignLeft);
    lblZivoty = AddValueBox("lblZivoty", {48, 56, 33, 25});
    AddCaption("lblTxtNutnaUroven", tr("Nutná délka"), {8, 90, 73, 17}, Qt::AlignHCenter);
    lblNutnaDelka = AddValueBox("lblNutnaDelka", {8, 104, 73, 25});
    AddCaption("lblTxtDelka", tr("Délka zurka"), {8, 130, 73, 17}, Qt::AlignHCenter);
    lblDelka = AddValueBox("lblDelka", {8, 144, 73, 25});

    lblBonus = new QLabel(tr("Bonus"), this);
    lblBonus->setObjectName(QStringLiteral("lblBonus"));
    lblBonus->setGeometry(8, 168, 73, 33);
    lblBonus->setFont(ArialPoints(18, true));
    lblBonus->setAlignment(Qt::AlignCenter);
    lblBonus->hide();
    Reset();
}

QLabel* StatusPanel::AddCaption(const char* name, const QString& text, QRect place, Qt::Alignment alignment) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(ArialPoints(8.25, false));
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QLabel* StatusPanel::AddValueBox(const char* name, QRect place) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(ArialPoints(14.25, true));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    SetBackground(label, ShortColour);
    return label;
}

void StatusPanel::SetBackground(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

void StatusPanel::ShowValues(const PanelValues& values) {
    lblBody->setText(QString::number(values.Score));
    lblZivoty->setText(QString::number(values.LivesLeft));
    lblUroven->setText(QString::number(values.LevelNo));
    lblNutnaDelka->setText(QString::number(values.RequiredLength));
    SetBackground(lblDelka, values.LongEnough ? LongEnoughColour : ShortColour);
    lblDelka->setText(QString::number(values.SnakeLength));
}

void StatusPanel::Reset() {
    ShowValues(PanelValues{});
    // Zero against zero would read as long enough; the title screen shows the plain colour.
    SetBackground(lblDelka, ShortColour);
    lblBonus->hide();
}
