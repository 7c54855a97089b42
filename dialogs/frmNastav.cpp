#include "dialogs/frmNastav.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <algorithm>

#include "dialogs/WholeTitles.h"
#include "dialogs/WindowPlacement.h"

frmNastav::frmNastav(QTimer& tmrPohyb, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), tmrPohyb_(tmrPohyb) {
    setObjectName(QStringLiteral("frmNastav"));
    setWindowTitle(tr("Nastavení"));
    // The controls keep their designed places on a panel of the designed size, in the middle
    // of a window wide enough for its title.
    auto* panel = new QWidget(this);
    panel->setFixedSize(200, 138);
    setFixedSize(std::max(panel->width(), WholeTitles::TitleWidth(*this)), panel->height());
    panel->move((width() - panel->width()) / 2, 0);

    auto* lblRychlost = new QLabel(tr("Rychlost pohybu Zurka"), panel);
    lblRychlost->setObjectName(QStringLiteral("lblRychlost"));
    lblRychlost->setGeometry(0, 8, 201, 17);
    lblRychlost->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* lblPomalu = new QLabel(tr("Pomalu"), panel);
    lblPomalu->setObjectName(QStringLiteral("lblPomalu"));
    lblPomalu->setGeometry(16, 32, 65, 17);
    lblPomalu->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* lblRychle = new QLabel(tr("Rychle"), panel);
    lblRychle->setObjectName(QStringLiteral("lblRychle"));
    lblRychle->setGeometry(120, 32, 65, 17);
    lblRychle->setAlignment(Qt::AlignRight | Qt::AlignTop);

    sldRychlost = new QSlider(Qt::Horizontal, panel);
    sldRychlost->setObjectName(QStringLiteral("sldRychlost"));
    sldRychlost->setGeometry(16, 56, 169, 33);
    sldRychlost->setRange(0, 10);
    sldRychlost->setSingleStep(1);
    sldRychlost->setPageStep(1);
    sldRychlost->setTickPosition(QSlider::TicksBelow);
    sldRychlost->setTickInterval(1);

    cmdOK = new QPushButton(tr("&OK"), panel);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(104, 104, 89, 25);
    cmdStorno = new QPushButton(tr("&Storno"), panel);
    cmdStorno->setObjectName(QStringLiteral("cmdStorno"));
    cmdStorno->setGeometry(8, 104, 89, 25);
    // Neither button answers Enter or Escape on its own.
    for (QPushButton* button : {cmdOK, cmdStorno}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    setTabOrder(sldRychlost, cmdOK);
    setTabOrder(cmdOK, cmdStorno);

    CenterForm(*this);
    SavedInterval = tmrPohyb_.interval();
    sldRychlost->setValue((150 - SavedInterval) / 10);
    sldRychlost->setFocus();

    // Dragging changes the value continuously too, so one signal serves both slider events.
    connect(sldRychlost, &QSlider::valueChanged, this, &frmNastav::sldRychlost_Change);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdStorno, &QPushButton::clicked, this, &frmNastav::cmdStorno_Click);
}

void frmNastav::keyPressEvent(QKeyEvent* event) {
    // The dialog has no cancel button: only Storno puts the speed back, and Escape does nothing.
    if (event->matches(QKeySequence::Cancel)) return;
    QDialog::keyPressEvent(event);
}

void frmNastav::sldRychlost_Change(int position) { tmrPohyb_.setInterval(150 - 10 * position); }

void frmNastav::cmdStorno_Click() {
    tmrPohyb_.setInterval(SavedInterval);
    reject();
}
