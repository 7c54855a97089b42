#include <QKeyEvent>
#include <QLabel>
#include <QtTest>

#include "app/KeyTracker.h"

// The key state words the snake's keyboard reader sees.
class KeyTrackerTest : public QObject {
    Q_OBJECT

private:
    static void Send(QWidget& target, QEvent::Type type, int key, bool autoRepeat = false,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(&target, &event);
    }
    static bool Down(const KeyTracker& keys, int vk) { return keys.KeyState(vk) < 0; }
    static int Toggle(const KeyTracker& keys, int vk) { return keys.KeyState(vk) & 1; }

private slots:
    void aPressSetsTheTopBitAndFlipsTheLowBit() {
        QWidget target;
        KeyTracker keys(target);
        QCOMPARE(keys.KeyState(37), std::int16_t(0));
        Send(target, QEvent::KeyPress, Qt::Key_Left);
        QVERIFY(Down(keys, 37));
        QCOMPARE(Toggle(keys, 37), 1);
        Send(target, QEvent::KeyRelease, Qt::Key_Left);
        QCOMPARE(keys.KeyState(37), std::int16_t(1));
        Send(target, QEvent::KeyPress, Qt::Key_Left);
        QVERIFY(Down(keys, 37));
        QCOMPARE(Toggle(keys, 37), 0);
        Send(target, QEvent::KeyRelease, Qt::Key_Left);
        QCOMPARE(keys.KeyState(37), std::int16_t(0));
    }

    void autoRepeatIsNoNewPress() {
        QWidget target;
        KeyTracker keys(target);
        Send(target, QEvent::KeyPress, Qt::Key_Up);
        const std::int16_t held = keys.KeyState(38);
        for (int i = 0; i < 3; ++i) {
            Send(target, QEvent::KeyRelease, Qt::Key_Up, true);
            Send(target, QEvent::KeyPress, Qt::Key_Up, true);
            QCOMPARE(keys.KeyState(38), held);
        }
        Send(target, QEvent::KeyRelease, Qt::Key_Up);
        QCOMPARE(keys.KeyState(38), std::int16_t(held & 1));
    }

    void onlyKeysTheWatchedWindowReceivesCount() {
        QWidget window;
        KeyTracker keys(window);
        auto* child = new QLabel(&window);
        // A label ignores keys, so the press travels on to its window and counts once.
        Send(*child, QEvent::KeyPress, Qt::Key_Right);
        QCOMPARE(Toggle(keys, 39), 1);
        QVERIFY(Down(keys, 39));
        // Another window of the program keeps its keys, even one that belongs to the window.
        QWidget other;
        auto* dialog = new QWidget(&window, Qt::Window);
        Send(other, QEvent::KeyPress, Qt::Key_Left);
        Send(*dialog, QEvent::KeyPress, Qt::Key_Up);
        QCOMPARE(keys.KeyState(37), std::int16_t(0));
        QCOMPARE(keys.KeyState(38), std::int16_t(0));
    }

    void leavingTheWindowReleasesEveryKey() {
        QWidget target;
        KeyTracker keys(target);
        Send(target, QEvent::KeyPress, Qt::Key_Down);
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&target, &deactivate);
        QCOMPARE(keys.KeyState(40), std::int16_t(1));
    }
};

QTEST_MAIN(KeyTrackerTest)
#include "tst_KeyTracker.moc"
