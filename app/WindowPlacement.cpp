#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

void SetClientSize(QMainWindow& frm, int w, int h) {
    const QPoint topLeft = frm.pos();
    QMenuBar* menu = frm.menuBar();
    // A narrow window wraps its menu bar onto more lines, so ask for the height at this width.
    const int menuHeight = menu->isNativeMenuBar() ? 0 : menu->heightForWidth(w);
    frm.centralWidget()->setFixedSize(w, h);
    frm.setFixedSize(w, h + menuHeight);
    frm.move(topLeft);
}

void CenterForm(QWidget& frm) {
    const QScreen* screen = frm.screen() ? frm.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize outer = frm.frameGeometry().size();
    frm.move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}
