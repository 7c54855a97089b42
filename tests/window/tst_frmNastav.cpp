#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QtTest>
#include <memory>

#include "dialogs/frmNastav.h"

// The speed dialog works on the step timer it is given, at once: 150 - 10 * position ms.
class frmNastavTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTimer> timer_;  // the game's step timer, at its usual 80 ms unless a test says otherwise

    static QSlider* Slider(const frmNastav& dialog) {
        return dialog.findChild<QSlider*>(QStringLiteral("sldRychlost"));
    }
    static QPushButton* Button(const frmNastav& dialog, const char* name) {
        return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }

private slots:
    void init() {
        timer_ = std::make_unique<QTimer>();
        timer_->setInterval(80);
    }

    void opensAtTheTimersSpeed() {
        frmNastav dialog(*timer_);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Nastavení"));
        QCOMPARE(Slider(dialog)->value(), 7);
        QCOMPARE(Slider(dialog)->nextInFocusChain(), Button(dialog, "cmdOK"));
        QCOMPARE(Button(dialog, "cmdOK")->nextInFocusChain(), Button(dialog, "cmdStorno"));
        timer_->setInterval(120);
        QCOMPARE(Slider(frmNastav(*timer_))->value(), 3);
    }

    void theSliderSetsTheTimerAtOnce() {
        timer_->start();
        frmNastav dialog(*timer_);
        Slider(dialog)->setValue(10);
        QCOMPARE(timer_->interval(), 50);
        Slider(dialog)->setValue(0);
        QCOMPARE(timer_->interval(), 150);
        Slider(dialog)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(timer_->interval(), 140);
        QVERIFY(timer_->isActive());
    }

    void stornoRestoresAndEveryOtherWayKeeps() {
        frmNastav storno(*timer_);
        Slider(storno)->setValue(2);
        Button(storno, "cmdStorno")->click();
        QCOMPARE(timer_->interval(), 80);

        frmNastav ok(*timer_);
        Slider(ok)->setValue(9);
        Button(ok, "cmdOK")->click();
        QCOMPARE(timer_->interval(), 60);

        frmNastav closed(*timer_);
        closed.show();
        Slider(closed)->setValue(4);
        QTest::keyClick(&closed, Qt::Key_Escape);  // no cancel button, so Escape does nothing
        QVERIFY(closed.isVisible());
        QVERIFY(closed.close());
        QCOMPARE(timer_->interval(), 110);
    }

    void opensWithItsFrameInTheMiddleOfTheScreen() {
        frmNastav dialog(*timer_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.frameGeometry() != dialog.geometry());
        const QPoint off = dialog.frameGeometry().center() - dialog.screen()->geometry().center();
        QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1,
                 qPrintable(QStringLiteral("%1, %2").arg(off.x()).arg(off.y())));
    }
};

QTEST_MAIN(frmNastavTest)
#include "tst_frmNastav.moc"
