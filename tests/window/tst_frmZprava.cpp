#include <QLabel>
#include <QtTest>

#include "dialogs/frmZprava.h"

// The end-of-level message: its look, and how it goes away.
class frmZpravaTest : public QObject {
    Q_OBJECT

private:
    static QTimer* ClosingTimer(const frmZprava& message) {
        return message.findChild<QTimer*>(QStringLiteral("tmrPryc"));
    }

private slots:
    void looksAsDesigned() {
        frmZprava message(QStringLiteral("Totální prohra ..."));
        QCOMPARE(message.size(), QSize(613, 93));
        QVERIFY(message.windowFlags() & Qt::FramelessWindowHint);
        auto* label = message.findChild<QLabel*>(QStringLiteral("lblZprava"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Totální prohra ..."));
        QCOMPARE(label->geometry(), QRect(0, 18, 609, 73));
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().family(), QStringLiteral("Arial"));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        QVERIFY(!label->autoFillBackground());
    }

    void itsTwoSecondsStartWhenItShows() {
        frmZprava message(QStringLiteral("Postup do další úrovně !"));
        QTimer* timer = ClosingTimer(message);
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(timer->isSingleShot());
        QVERIFY(!timer->isActive());
        message.show();
        QVERIFY(timer->isActive());
    }

    void closesItselfWhenItsTimeIsUp() {
        frmZprava message(QStringLiteral("Postup do další úrovně !"), 50);
        QTimer::singleShot(0, &message, [&] { QVERIFY(message.isVisible()); });
        QCOMPARE(message.exec(), int(QDialog::Accepted));
        QVERIFY(!message.isVisible());
    }

    void aCharacterKeyClosesItAtOnce_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier);
        QTest::newRow("digit") << int(Qt::Key_7) << int(Qt::NoModifier);
        QTest::newRow("space") << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::newRow("enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier);
        QTest::newRow("tab") << int(Qt::Key_Tab) << int(Qt::NoModifier);
        QTest::newRow("ctrl+letter") << int(Qt::Key_U) << int(Qt::ControlModifier);
    }

    void aCharacterKeyClosesItAtOnce() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        frmZprava message(QStringLiteral("Úroveň se zopakuje !"), 60000);
        message.show();
        QTest::keyClick(&message, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(!message.isVisible());
    }

    void keysWithoutACharacterLeaveItUp_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("right arrow") << int(Qt::Key_Right);
        QTest::newRow("up arrow") << int(Qt::Key_Up);
        QTest::newRow("F3") << int(Qt::Key_F3);
        QTest::newRow("shift") << int(Qt::Key_Shift);
        QTest::newRow("control") << int(Qt::Key_Control);
    }

    void keysWithoutACharacterLeaveItUp() {
        QFETCH(int, key);
        frmZprava message(QStringLiteral("Úroveň se zopakuje !"), 60000);
        message.show();
        QTest::keyClick(&message, Qt::Key(key));
        QVERIFY(message.isVisible());
        QVERIFY(ClosingTimer(message)->isActive());
    }
};

QTEST_MAIN(frmZpravaTest)
#include "tst_frmZprava.moc"
