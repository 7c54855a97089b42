#include "dialogs/frmZprava.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "dialogs/WindowPlacement.h"
#include "resources/GameFonts.h"
#include "resources/Pictures.h"

namespace {
constexpr int ShowTimeMs = 2000;
}  // namespace

frmZprava::frmZprava(const QString& text) : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint), tmrPryc(this) {
    setObjectName(QStringLiteral("frmZprava"));
    setFixedSize(613, 93);
    background_ = Pictures::Message(devicePixelRatioF());

    lblZprava = new QLabel(text, this);
    lblZprava->setObjectName(QStringLiteral("lblZprava"));
    lblZprava->setTextFormat(Qt::PlainText);
    lblZprava->setGeometry(0, 18, 609, 73);
    lblZprava->setFont(ArialPoints(36, true));
    lblZprava->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette yellow = lblZprava->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    lblZprava->setPalette(yellow);

    tmrPryc.setObjectName(QStringLiteral("tmrPryc"));
    tmrPryc.setTimerType(Qt::PreciseTimer);
    tmrPryc.setSingleShot(true);
    tmrPryc.setInterval(ShowTimeMs);
    connect(&tmrPryc, &QTimer::timeout, this, &QDialog::accept);

    CenterForm(*this);
}

void frmZprava::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    tmrPryc.start();
}

bool frmZprava::event(QEvent* event) {
    // Caught before QDialog and QWidget see it, so Tab, Enter and Escape close the window
    // like every other character instead of moving focus or pressing buttons.
    if (event->type() == QEvent::KeyPress) {
        if (!static_cast<QKeyEvent*>(event)->text().isEmpty()) accept();
        return true;
    }
    return QDialog::event(event);
}

void frmZprava::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}
