#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QtTest>
#include <memory>

#include "dialogs/frmNastav.h"

// The speed dialog works on the step timer it is given.
class frmNastavTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTimer> timer_;  // the game's step timer, at its usual 80 ms unless a test says otherwise

private slots:
    void init() {
        timer_ = std::make_unique<QTimer>();
        timer_->setInterval(80);
    }

    void opensAtTheTimersSpeed() {
        frmNastav dialog(*timer_);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Nastavení"));
        QCOMPARE(dialog.size(), QSize(200, 138));
        QCOMPARE(dialog.Slider()->minimum(), 0);
        QCOMPARE(dialog.Slider()->maximum(), 10);
        QCOMPARE(dialog.Slider()->value(), 7);
        QCOMPARE(timer_->interval(), 80);
        QCOMPARE(dialog.Slider()->geometry(), QRect(16, 56, 169, 33));
        QCOMPARE(dialog.OkButton()->text(), QStringLiteral("&OK"));
        QCOMPARE(dialog.OkButton()->geometry(), QRect(104, 104, 89, 25));
        QCOMPARE(dialog.StornoButton()->text(), QStringLiteral("&Storno"));
        QCOMPARE(dialog.StornoButton()->geometry(), QRect(8, 104, 89, 25));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblRychle"))->alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
        QCOMPARE(dialog.Slider()->nextInFocusChain(), dialog.OkButton());
        QCOMPARE(dialog.OkButton()->nextInFocusChain(), dialog.StornoButton());
        QVERIFY(!dialog.OkButton()->isDefault() && !dialog.StornoButton()->isDefault());
    }

    void opensWhereItWasLeft() {
        timer_->setInterval(120);
        frmNastav dialog(*timer_);
        QCOMPARE(dialog.Slider()->value(), 3);
    }

    void theEndsGiveFiftyAndAHundredAndFifty() {
        frmNastav dialog(*timer_);
        dialog.Slider()->setValue(10);
        QCOMPARE(timer_->interval(), 50);
        dialog.Slider()->setValue(0);
        QCOMPARE(timer_->interval(), 150);
        dialog.Slider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(timer_->interval(), 140);
    }

    void stornoRestores() {
        frmNastav dialog(*timer_);
        dialog.Slider()->setValue(2);
        QCOMPARE(timer_->interval(), 130);
        dialog.StornoButton()->click();
        QCOMPARE(timer_->interval(), 80);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void okKeeps() {
        frmNastav dialog(*timer_);
        dialog.Slider()->setValue(9);
        dialog.OkButton()->click();
        QCOMPARE(timer_->interval(), 60);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void escapeDoesNotCloseItAndClosingTheWindowKeeps() {
        frmNastav dialog(*timer_);
        dialog.show();
        dialog.Slider()->setValue(4);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.close());
        QCOMPARE(timer_->interval(), 110);
    }

    void opensWithItsFrameInTheMiddleOfTheScreen() {
        frmNastav dialog(*timer_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.frameGeometry() != dialog.geometry());
        const QPoint off = dialog.frameGeometry().center() - dialog.screen()->geometry().center();
        QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1, qPrintable(QStringLiteral("%1, %2").arg(off.x()).arg(off.y())));
    }

    void aRunningTimerTakesTheNewSpeed() {
        timer_->start();
        frmNastav dialog(*timer_);
        dialog.Slider()->setValue(10);
        QVERIFY(timer_->isActive());
        QCOMPARE(timer_->interval(), 50);
    }
};

QTEST_MAIN(frmNastavTest)
#include "tst_frmNastav.moc"
