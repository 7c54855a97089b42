#include "dialogs/WholeTitles.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>

namespace {
// Title bars set the title in a bold font, often a size larger than the one of the window's text.
constexpr double TitleFontScale = 1.25;
// Either side of a centred title keeps room for the window's icon or its buttons: up to three
// buttons, together some four lines of the title's font wide.
constexpr int SideRoomInLines = 4;
}  // namespace

WholeTitles::WholeTitles(QApplication& application) : QObject(&application) { application.installEventFilter(this); }

int WholeTitles::TitleWidth(const QWidget& window) {
    const QString title = window.windowTitle();
    if (title.isEmpty() || window.windowFlags().testFlag(Qt::FramelessWindowHint)) return 0;
    QFont font = window.font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * TitleFontScale);
    else
        font.setPixelSize(qRound(font.pixelSize() * TitleFontScale));
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 2 * SideRoomInLines * metrics.height();
}

bool WholeTitles::eventFilter(QObject* watched, QEvent* event) {
    // Caught before the box's own show handling, which sizes and places it from its layout.
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* box = qobject_cast<QDialog*>(watched);
    if (!box || !box->isWindow() || !box->layout()) return false;
    auto* buttons = box->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
    if (!buttons) return false;
    // The button box spans the box's whole width, so the layout makes the box as wide as it.
    const QMargins margins = box->layout()->contentsMargins();
    const int width = TitleWidth(*box) - margins.left() - margins.right();
    if (width > buttons->minimumWidth()) {
        buttons->setMinimumWidth(width);
        box->layout()->activate();
    }
    return false;
}
