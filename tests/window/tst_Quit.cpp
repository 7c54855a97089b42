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
        QApplication::setQuitOnLastWindowClosed(true);  // as in the game: its window's close ends it
        const GameWindow game(GameFileBytes(1, 3).Level(10, 8, 0, 3).House(3, 4, 4));
        ModalBoxes boxes;
        boxes.answer = QStringLiteral("1");

        // Both keys are typed before the program has handled either, as by a quick player.
        QTimer::singleShot(0, game.window.get(), [window = game.window.get()] {
            QTest::keyClick(window, Qt::Key_X, Qt::ControlModifier);
            QTest::keyClick(window, Qt::Key_U, Qt::ControlModifier);
        });
        QCOMPARE(RunUntilQuit(), 0);
    }
};

QTEST_MAIN(QuitTest)
#include "tst_Quit.moc"
