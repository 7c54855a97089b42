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

    void theTwentyKeysHaveTheirCodesAndOtherKeysNone_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("vk");
        const struct {
            const char* name;
            int key;
            int modifiers;
            int vk;
        } keys[] = {{"ctrl", Qt::Key_Control, 0, 17},          {"page up", Qt::Key_PageUp, 0, 33},
                    {"page down", Qt::Key_PageDown, 0, 34},    {"end", Qt::Key_End, 0, 35},
                    {"home", Qt::Key_Home, 0, 36},             {"left", Qt::Key_Left, 0, 37},
                    {"up", Qt::Key_Up, 0, 38},                 {"right", Qt::Key_Right, 0, 39},
                    {"down", Qt::Key_Down, 0, 40},             {"keypad 1", Qt::Key_1, Qt::KeypadModifier, 97},
                    {"keypad 3", Qt::Key_3, Qt::KeypadModifier, 99}, {"keypad 7", Qt::Key_7, Qt::KeypadModifier, 103},
                    {"keypad 9", Qt::Key_9, Qt::KeypadModifier, 105}, {"a", Qt::Key_A, 0, 65},
                    {"d", Qt::Key_D, 0, 68},                   {"q", Qt::Key_Q, 0, 81},
                    {"s", Qt::Key_S, 0, 83},                   {"w", Qt::Key_W, 0, 87},
                    {"x", Qt::Key_X, 0, 88},                   {"z", Qt::Key_Z, 0, 90},
                    // and keys the snake does not watch
                    {"1", Qt::Key_1, 0, 0},                    {"space", Qt::Key_Space, 0, 0},
                    {"F2", Qt::Key_F2, 0, 0}};
        for (const auto& key : keys) QTest::newRow(key.name) << key.key << key.modifiers << key.vk;
    }

    void theTwentyKeysHaveTheirCodesAndOtherKeysNone() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, vk);
        QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(KeyTracker::VirtualKeyOf(event), vk);
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
