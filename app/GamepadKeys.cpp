#include "app/GamepadKeys.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

namespace {
// Where a key typed now goes: to what has the focus in the window in front, as Qt gives the
// keyboard's keys; nowhere while the player is in another program.
QWidget* KeyReceiver() {
    QWidget* window = QApplication::activePopupWidget();
    if (!window) window = QApplication::activeWindow();
    if (!window) return nullptr;
    QWidget* focus = window->focusWidget();
    return focus ? focus : window;
}

// Why: Qt's shortcut map hears only the keys that come from the window system, whose way in is no
// public API, so a key the game sends itself never reaches a menu's shortcut.
// Can go when: Qt lets a program send a key through its shortcut map; then every key goes as a key.
// Triggers the enabled action of window that has key for its shortcut, as the key would; whether
// there is one.
bool TriggerShortcut(QWidget& window, Qt::Key key) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->isEnabled() && action->shortcuts().contains(QKeySequence(key))) {
            action->trigger();
            return true;
        }
    return false;
}

// The character a key types, as the keyboard gives it: the message window closes on any.
QString TextOf(Qt::Key key) {
    switch (key) {
    case Qt::Key_Space: return QStringLiteral(" ");
    case Qt::Key_Return: return QStringLiteral("\r");
    case Qt::Key_Escape: return QStringLiteral("\x1b");
    default: return {};
    }
}
}  // namespace

GamepadKeys::GamepadKeys(std::function<Qt::Key()> startKey)
    : startKey_(std::move(startKey)), reader_([this](PadButton button, bool down) { Tell(button, down); }) {}

void GamepadKeys::Tell(PadButton button, bool down) {
    if (button == PadButton::A && down) {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeWindow())) {
            dialog->accept();
            return;
        }
    }
    QWidget* receiver = KeyReceiver();
    if (!receiver) return;
    const Qt::Key key = KeyOf(button, down);
    if (down && TriggerShortcut(*receiver->window(), key)) return;
    QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, TextOf(key));
    QCoreApplication::sendEvent(receiver, &event);
}

Qt::Key GamepadKeys::KeyOf(PadButton button, bool down) {
    switch (button) {
    case PadButton::Up: return Qt::Key_Up;
    case PadButton::Right: return Qt::Key_Right;
    case PadButton::Down: return Qt::Key_Down;
    case PadButton::Left: return Qt::Key_Left;
    case PadButton::Start:
        // Released as the key it was pressed as, whatever the game has come to meanwhile.
        if (down) startHeld_ = startKey_();
        return startHeld_;
    case PadButton::Back: return Qt::Key_F3;
    case PadButton::A: return Qt::Key_Return;
    case PadButton::B: return Qt::Key_Escape;
    }
    return Qt::Key_unknown;
}
