#include "GameWindow.h"
#include "ModalBoxes.h"

// Quitting ends the program, whatever the player types right after it.
class QuitTest : public QObject {
    Q_OBJECT

    // Runs the program until it quits; -1 when it has not quit within ten seconds.
    static int RunUntilQuit() {
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        limit.start(10000);
        return QApplication::exec();
    }

private slots:
    void ctrlXThenAtOnceCtrlUStillQuits() {
        QTemporaryDir dir;
        GameFileBytes game(1, 3);
        game.Level(10, 8, 0, 3).House(3, 4, 4);
        WriteGameFile(dir.path(), game);
        auto* window = new frmRybnik(dir.path());
        window->Form_Load();
        window->setAttribute(Qt::WA_DeleteOnClose);
        QVERIFY(QTest::qWaitForWindowActive(window));
        ModalBoxes boxes;
        boxes.answer = QStringLiteral("1");

        // Both keys are typed before the program has handled either, as by a quick player.
        QTimer::singleShot(0, window, [window] {
            QTest::keyClick(window, Qt::Key_X, Qt::ControlModifier);
            QTest::keyClick(window, Qt::Key_U, Qt::ControlModifier);
        });
        QCOMPARE(RunUntilQuit(), 0);
    }
};

QTEST_MAIN(QuitTest)
#include "tst_Quit.moc"
