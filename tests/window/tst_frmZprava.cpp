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
        auto* label = message.findChild<QLabel*>(QStringLiteral("lblZprava"));
        QCOMPARE(label->text(), QStringLiteral("Totální prohra ..."));
        QCOMPARE(label->font().family(), QStringLiteral("Arial"));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    }

    void closesItselfTwoSecondsAfterItShows() {
        frmZprava message(QStringLiteral("Postup do další úrovně !"));
        QTimer* timer = ClosingTimer(message);
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(!timer->isActive());
        QTimer::singleShot(0, &message, [&] {
            QVERIFY(timer->isActive());
            QTimerEvent due(timer->timerId());
            QCoreApplication::sendEvent(timer, &due);
        });
        QCOMPARE(message.exec(), int(QDialog::Accepted));
    }

    // Keys that type a character close it at once; arrows, F-keys and modifiers alone do not, so a
    // player who keeps an arrow pressed sees the message for its full time.
    void onlyACharacterKeyClosesIt_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        for (auto [name, key] : {std::pair{"letter", Qt::Key_A},
                                 {"space", Qt::Key_Space},
                                 {"enter", Qt::Key_Return},
                                 {"escape", Qt::Key_Escape},
                                 {"tab", Qt::Key_Tab}})
            QTest::newRow(name) << int(key) << int(Qt::NoModifier) << true;
        QTest::newRow("ctrl+letter") << int(Qt::Key_U) << int(Qt::ControlModifier) << true;
        for (auto [name, key] : {std::pair{"arrow", Qt::Key_Right}, {"F3", Qt::Key_F3}, {"shift", Qt::Key_Shift}})
            QTest::newRow(name) << int(key) << int(Qt::NoModifier) << false;
    }

    void onlyACharacterKeyClosesIt() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        frmZprava message(QStringLiteral("Úroveň se zopakuje !"));
        message.show();
        QTest::keyClick(&message, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(message.isVisible(), !closes);
    }
};

QTEST_MAIN(frmZpravaTest)
#include "tst_frmZprava.moc"
