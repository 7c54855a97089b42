#include "app/KeyTracker.h"

#include <QKeyEvent>
#include <QWidget>
#include <optional>

#include "snake/clsKB.h"

namespace {
// Which of the keyboard reader's keys a Qt key event is, if any.
std::optional<clsKB::Key> ReaderKey(const QKeyEvent& event) {
    using Key = clsKB::Key;
    if (event.modifiers() & Qt::KeypadModifier) {
        switch (event.key()) {
        case Qt::Key_1: return Key::NUMPAD1;
        case Qt::Key_3: return Key::NUMPAD3;
        case Qt::Key_7: return Key::NUMPAD7;
        case Qt::Key_9: return Key::NUMPAD9;
        default: break;
        }
    }
    switch (event.key()) {
    case Qt::Key_Control: return Key::CONTROL;
    case Qt::Key_PageUp: return Key::PRIOR;
    case Qt::Key_PageDown: return Key::NEXT;
    case Qt::Key_End: return Key::END;
    case Qt::Key_Home: return Key::HOME;
    case Qt::Key_Left: return Key::LEFT;
    case Qt::Key_Up: return Key::UP;
    case Qt::Key_Right: return Key::RIGHT;
    case Qt::Key_Down: return Key::DOWN;
    case Qt::Key_A: return Key::A;
    case Qt::Key_D: return Key::D;
    case Qt::Key_Q: return Key::Q;
    case Qt::Key_S: return Key::S;
    case Qt::Key_W: return Key::W;
    case Qt::Key_X: return Key::X;
    case Qt::Key_Z: return Key::Z;
    default: return std::nullopt;
    }
}
}  // namespace

KeyTracker::KeyTracker(QWidget& window) { window.installEventFilter(this); }

std::int16_t KeyTracker::KeyState(int virtualKey) const { return words_.KeyState(virtualKey); }

bool KeyTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto readerKey = ReaderKey(*key);
        if (readerKey && !IsRepeat(*key, *readerKey)) {
            const int vk = clsKB::VirtualKey(*readerKey);
            if (event->type() == QEvent::KeyPress)
                words_.Press(vk);
            else
                words_.Release(vk);
        }
        break;
    }
    case QEvent::WindowDeactivate:
        // Releases made in another window never reach us; no key may stay down for ever.
        words_.ReleaseAll();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

bool KeyTracker::IsRepeat(const QKeyEvent& event, clsKB::Key key) {
    if (event.isAutoRepeat()) return true;
    quint64& releasedAt = releasedAt_[static_cast<std::size_t>(key)];
    if (event.type() == QEvent::KeyRelease) {
        releasedAt = event.timestamp();
        return false;
    }
    // Why: X11 repeats a held key as a release and a press of one time, and Qt flags the pair only
    // when the press is already in as it reads the release; most pairs come unflagged.
    // Can go when: Qt's X11 platform flags every repeat, on every Qt the game builds with.
    // Such a press changes nothing, and the key reads as released until it is pressed again: the
    // pair may come in two turns of the event loop, and a step between must not see a release and
    // then a press. No hand lets go of a key and presses it again within a millisecond; events
    // that no platform delivered carry no time.
    return event.timestamp() != 0 && event.timestamp() == releasedAt;
}
