#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QtTest>

#include "dialogs/frmNastav.h"
#include "dialogs/frmZprava.h"

// The speed dialog and the end-of-level message.
class DialogsTest : public QObject {
    Q_OBJECT

private:
    QTimer timer_;  // the game's step timer

    static QSlider* Slider(const frmNastav& dialog) {
        return dialog.findChild<QSlider*>(QStringLiteral("sldRychlost"));
    }
    static void Click(const frmNastav& dialog, const char* button) {
        dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }

private slots:
    void init() { timer_.setInterval(80); }

    // The speed dialog works on the step timer it is given, at once: 150 - 10 * position ms.
    void speedOpensAtTheTimersSpeedAndSetsItAtOnce() {
        frmNastav dialog(timer_);
        dialog.show();  // with its frame in the middle of the screen
        QVERIFY(QTest::qWaitForWindowExposed(&dialog) && dialog.frameGeometry() != dialog.geometry());
        const QPoint off = dialog.frameGeometry().center() - dialog.screen()->geometry().center();
        QVERIFY(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1);
        QCOMPARE(Slider(dialog)->value(), 7);
        for (auto [position, interval] : {std::pair{10, 50}, {0, 150}, {4, 110}}) {
            Slider(dialog)->setValue(position);
            QCOMPARE(timer_.interval(), interval);
        }
    }

    void speedStornoRestoresAndEveryOtherWayKeeps() {
        frmNastav storno(timer_);
        Slider(storno)->setValue(2);
        Click(storno, "cmdStorno");
        QCOMPARE(timer_.interval(), 80);
        frmNastav ok(timer_);
        Slider(ok)->setValue(9);
        Click(ok, "cmdOK");
        QCOMPARE(timer_.interval(), 60);
        frmNastav closed(timer_);
        closed.show();
        Slider(closed)->setValue(4);
        QTest::keyClick(&closed, Qt::Key_Escape);  // no cancel button, so Escape does nothing
        QVERIFY(closed.isVisible());
        QVERIFY(closed.close());
        QCOMPARE(timer_.interval(), 110);
    }

    // A window of its own in the middle of the screen, shown without blocking its caller.
    void messageClosesItselfTwoSecondsAfterItShows() {
        frmZprava message(QStringLiteral("Postup do další úrovně !"));
        QCOMPARE(message.parentWidget(), nullptr);
        auto* timer = message.findChild<QTimer*>(QStringLiteral("tmrPryc"));
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(!timer->isActive());
        QSignalSpy closed(&message, &QDialog::finished);
        message.show();
        QVERIFY(timer->isActive() && closed.isEmpty());
        const QPoint off = message.frameGeometry().center() - message.screen()->geometry().center();
        QVERIFY(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1);
        QTimerEvent due(timer->timerId());
        QCoreApplication::sendEvent(timer, &due);
        QCOMPARE(closed.size(), 1);
        QVERIFY(!message.isVisible());
    }

    // Keys that type a character close the message at once; arrows, F-keys and modifiers alone do
    // not, so a player who keeps an arrow pressed sees the message for its full time.
    void messageClosesOnlyOnACharacterKey() {
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, bool> keys[] = {
            {Qt::Key_A, Qt::NoModifier, true},      {Qt::Key_Space, Qt::NoModifier, true},
            {Qt::Key_Escape, Qt::NoModifier, true}, {Qt::Key_U, Qt::ControlModifier, true},
            {Qt::Key_Right, Qt::NoModifier, false}, {Qt::Key_F3, Qt::NoModifier, false},
            {Qt::Key_Shift, Qt::NoModifier, false}};
        for (const auto& [key, modifiers, closes] : keys) {
            frmZprava message(QStringLiteral("Úroveň se zopakuje !"));
            message.show();
            QTest::keyClick(&message, key, modifiers);
            QVERIFY2(message.isVisible() != closes, qPrintable(QKeySequence(key | modifiers).toString()));
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_Dialogs.moc"
