#include "app/HandlerGuard.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

HandlerGuard::Scope::Scope(HandlerGuard& guard, Kind kind) : guard_(guard), kind_(kind) {
    ++guard_.handlerDepth_;
    if (HoldsSteps()) ++guard_.holdDepth_;
}

HandlerGuard::Scope::~Scope() {
    if (HoldsSteps()) --guard_.holdDepth_;
    if (kind_ != Plain) guard_.boxClosed_ = true;
    if (--guard_.handlerDepth_ == 0) guard_.OutermostHandlerEnded();
}

bool HandlerGuard::PostponeClose() {
    closePending_ = handlerDepth_ > 0;
    if (closePending_)
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QDialog*>(widget); box && box->isVisible()) box->reject();
    return closePending_;
}

void HandlerGuard::OutermostHandlerEnded() {
    // Without a window manager nobody else would give the keyboard back to the window.
    if (boxClosed_ && window_.isVisible() && !window_.isMinimized()) window_.activateWindow();
    boxClosed_ = false;
    if (closePending_) QTimer::singleShot(0, &window_, &QWidget::close);
}
