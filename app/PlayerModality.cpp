#include "app/PlayerModality.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <algorithm>

namespace {
bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TabletPress: return true;
    default: return false;
    }
}

QDialog* AsDialogWindow(QObject* object) {
    auto* dialog = qobject_cast<QDialog*>(object);
    return dialog && dialog->isWindow() ? dialog : nullptr;
}
}  // namespace

PlayerModality::PlayerModality(QWidget& window) : window_(window) { qApp->installEventFilter(this); }

QDialog* PlayerModality::Newest() const {
    for (auto dialog = open_.rbegin(); dialog != open_.rend(); ++dialog)
        if (*dialog) return *dialog;
    return nullptr;
}

void PlayerModality::CloseAll() {
    const std::vector<QPointer<QDialog>> open = open_;  // each close takes its dialog off the list
    for (auto dialog = open.rbegin(); dialog != open.rend(); ++dialog)
        if (*dialog) (*dialog)->reject();
}

bool PlayerModality::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Show) {
        if (QDialog* dialog = AsDialogWindow(watched)) Opened(dialog);
    } else if (type == QEvent::Hide) {
        if (QDialog* dialog = AsDialogWindow(watched)) Closed(dialog);
    } else if (type == QEvent::WindowActivate) {
        // A click on a window behind, as on a window a modal dialog blocks, brings the dialog back.
        auto* window = qobject_cast<QWidget*>(watched);
        if (window && window->isWindow() && Behind(window))
            QTimer::singleShot(0, Newest(), [dialog = Newest()] { BringToFront(dialog); });
    } else if (IsInput(type) && Behind(watched)) {
        event->accept();  // an accepted shortcut override lets no menu shortcut of the window fire
        return true;
    } else if (type == QEvent::Close && event->spontaneous() && watched != &window_ && Behind(watched)) {
        // The window manager's or the compositor's close, or the close button of a frame Qt draws:
        // the platform's closes reach the widget as spontaneous events, the game's own never do.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void PlayerModality::Opened(QDialog* dialog) {
    if (std::find(open_.begin(), open_.end(), dialog) != open_.end()) return;
    open_.emplace_back(dialog);
    // An open menu would keep the keyboard from the dialog.
    for (QWidget* popup = QApplication::activePopupWidget(); popup;) {
        popup->close();
        QWidget* next = QApplication::activePopupWidget();
        popup = next != popup ? next : nullptr;
    }
    // Activated once it is on screen: a window not yet mapped cannot take the keyboard.
    QTimer::singleShot(0, dialog, [dialog] { BringToFront(dialog); });
}

void PlayerModality::Closed(QDialog* dialog) {
    if (std::erase_if(open_, [dialog](const QPointer<QDialog>& open) { return !open || open == dialog; }) == 0) return;
    if (QDialog* newest = Newest()) BringToFront(newest);
    // Without a window manager nobody else would give the keyboard back to the window.
    else if (window_.isVisible() && !window_.isMinimized())
        window_.activateWindow();
}

bool PlayerModality::Behind(QObject* watched) const {
    QDialog* newest = Newest();
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!newest || !widget) return false;
    const QWidget* window = widget->window();
    // The newest dialog's own menus and tips are in front with it.
    const Qt::WindowType kind = window->windowType();
    return window != newest && kind != Qt::Popup && kind != Qt::ToolTip;
}

void PlayerModality::BringToFront(QWidget* window) {
    window->raise();
    window->activateWindow();
}
