#include "ModalBoxes.h"
#include "PondWindow.h"
#include "dialogs/WholeTitles.h"

// Every box of the game is as wide as its whole title needs under a title bar, at both cell
// sizes. The suite runs this offscreen at device pixel ratios 1 and 2, and on Xvfb under openbox.
class BoxTitlesTest : public QObject {
    Q_OBJECT

private:
    ModalBoxes boxes_;
    QStringList narrow_;  // the boxes too narrow, with their widths

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        new WholeTitles(*qApp);
        boxes_.answer = QStringLiteral("2");
        boxes_.whileOpen = [this] {
            // The least width the box asks of the window manager: on a real X server its geometry
            // may still be on its way from the window manager.
            const QWidget* box = QApplication::activeModalWidget();
            const int need = WholeTitles::TitleWidth(*box);
            if (need == 0 || box->minimumWidth() < need)
                narrow_ << QStringLiteral("%1: %2 < %3").arg(box->windowTitle()).arg(box->minimumWidth()).arg(need);
        };
    }

    void everyBoxHoldsItsWholeTitle() {
        QTemporaryDir damaged;  // the critical box of a game file that cannot be read
        QVERIFY(QDir(damaged.path()).mkdir(QStringLiteral("zaklad.zurk")));
        frmRybnik unreadable(damaged.path());
        PondWindow pond(GameFileBytes(2, 3).Level(10, 8, 0, 9).House(2, 2, 1).Level(50, 40, 0, 9).House(2, 2, 1));
        pond.Tap(Qt::Key_F2);
        for (const int pondWidth : {10 * 20, 50 * 12}) {
            QCOMPARE(pond.window->findChild<QWidget*>(QStringLiteral("pond"))->width(), pondWidth);
            pond.Tap(Qt::Key_Tab);
            pond.Choose("mnuHraInformace");
            pond.Choose("mnuNastav");
            pond.Tap(Qt::Key_U, Qt::ControlModifier);  // on to level 2, at 12 pixels a cell
        }
        QCOMPARE(boxes_.seen.size(), 9u);
        QVERIFY2(narrow_.isEmpty(), qPrintable(narrow_.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(BoxTitlesTest)
#include "tst_BoxTitles.moc"
