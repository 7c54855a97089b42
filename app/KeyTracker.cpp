#include "app/KeyTracker.h"

#include <QKeyEvent>
#include <QWidget>

KeyTracker::KeyTracker(QWidget& window) { window.installEventFilter(this); }

std::int16_t KeyTracker::KeyState(int virtualKey) const {
    if (virtualKey < 0 || virtualKey >= static_cast<int>(words_.size())) return 0;
    return static_cast<std::int16_t>(words_[static_cast<std::size_t>(virtualKey)]);
}

int KeyTracker::VirtualKeyOf(const QKeyEvent& event) {
    if (event.modifiers() & Qt::KeypadModifier) {
        switch (event.key()) {
        case Qt::Key_1: return 97;
        case Qt::Key_3: return 99;
        case Qt::Key_7: return 103;
        case Qt::Key_9: return 105;
        default: break;
        }
    }
    switch (event.key()) {
    case Qt::Key_Control: return 17;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_A: return 65;
    case Qt::Key_D: return 68;
    case Qt::Key_Q: return 81;
    case Qt::Key_S: return 83;
    case Qt::Key_W: return 87;
    case Qt::Key_X: return 88;
    case Qt::Key_Z: return 90;
    default: return 0;
    }
}

bool KeyTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int vk = VirtualKeyOf(*key);
        if (vk != 0 && !key->isAutoRepeat()) {
            if (event->type() == QEvent::KeyPress)
                Pressed(vk);
            else
                Released(vk);
        }
        break;
    }
    case QEvent::WindowDeactivate:
        // Releases made in another window never reach us; no key may stay down for ever.
        ReleaseAll();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void KeyTracker::Pressed(int virtualKey) {
    std::uint16_t& word = words_[static_cast<std::size_t>(virtualKey)];
    if (word & DownBit) return;
    word = static_cast<std::uint16_t>((word ^ ToggleBit) | DownBit);
}

void KeyTracker::Released(int virtualKey) {
    std::uint16_t& word = words_[static_cast<std::size_t>(virtualKey)];
    word = static_cast<std::uint16_t>(word & ToggleBit);
}

void KeyTracker::ReleaseAll() {
    for (std::uint16_t& word : words_) word = static_cast<std::uint16_t>(word & ToggleBit);
}
