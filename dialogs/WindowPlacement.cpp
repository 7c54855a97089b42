#include "dialogs/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

namespace {
// A window manager frames a new window only after it is shown; until then its frame is unknown.
bool FrameKnown(const QWidget& frm) { return frm.frameGeometry() != frm.geometry(); }

void MoveFrameToTheMiddle(QWidget& frm) {
    const QScreen* screen = frm.screen() ? frm.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize outer = frm.frameGeometry().size();
    frm.move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

// Centres a window once more as soon as its frame is known, so a window centred before it was
// first shown does not end up lower by half its title bar.
class CentreWhenFramed : public QObject {
public:
    explicit CentreWhenFramed(QWidget& frm) : QObject(&frm) {
        setObjectName(QStringLiteral("CentreWhenFramed"));
        frm.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize) return false;
        auto& frm = static_cast<QWidget&>(*watched);
        if (!FrameKnown(frm)) return false;
        frm.removeEventFilter(this);
        deleteLater();
        MoveFrameToTheMiddle(frm);
        return false;
    }
};
}  // namespace

void SetClientSize(QMainWindow& frm, int w, int h) {
    const QPoint topLeft = frm.pos();
    // The menu bar wraps onto more lines in a narrow window, so its height is asked at this width.
    const QWidget* menu = frm.menuWidget();
    const int menuHeight = menu ? menu->heightForWidth(w) : 0;
    frm.centralWidget()->setFixedSize(w, h);
    frm.setFixedSize(w, h + menuHeight);
    frm.move(topLeft);
}

void CenterForm(QWidget& frm) {
    // Only the latest centring counts.
    delete frm.findChild<QObject*>(QStringLiteral("CentreWhenFramed"), Qt::FindDirectChildrenOnly);
    MoveFrameToTheMiddle(frm);
    if (!FrameKnown(frm) && !frm.windowFlags().testFlag(Qt::FramelessWindowHint)) new CentreWhenFramed(frm);
}
