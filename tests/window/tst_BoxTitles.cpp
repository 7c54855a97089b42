#include "GameWindow.h"
#include "ModalBoxes.h"

// Every box of the game, at both cell sizes, each checked by ModalBoxes for room for its whole
// title. The suite runs this offscreen at pixel ratios 1 and 2, and on Xvfb under openbox.
class BoxTitlesTest : public QObject {
    Q_OBJECT

private slots:
    void everyBoxAtBothCellSizes() {
        ModalBoxes boxes;
        boxes.answer = QStringLiteral("2");
        GameWindow game(GameFileBytes(2, 3).Level(10, 8, 0, 9).House(2, 2, 1).Level(50, 40, 0, 9).House(2, 2, 1));
        game.Tap(Qt::Key_F2);
        for (const int canvasWidth : {10 * 20, 50 * 12}) {
            QCOMPARE(game.window->findChild<QWidget*>(QStringLiteral("canvas"))->width(), canvasWidth);
            game.Play({"Tab", "mnuHraInformace", "mnuNastav", "Ctrl+U"});  // on to level 2, at 12 pixels a cell
        }
        QCOMPARE(boxes.seen.size(), 8u);
    }
};

QTEST_MAIN(BoxTitlesTest)
#include "tst_BoxTitles.moc"
