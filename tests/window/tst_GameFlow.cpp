#include <QSlider>
#include <QTextBrowser>

#include "ModalBoxes.h"
#include "PondWindow.h"

// Playing through the window: its keys, its menus, its step timer, its boxes and what it paints.
// The step timer runs, but every tick here is one the test gives.
class GameFlowTest : public QObject {
    Q_OBJECT

private:
    // Three levels: 1 and 2 alike, 3 a little larger. The snake starts at (3, 4) with room to move
    // every way; on level 1 its house opens at length 3.
    static GameFileBytes ThreeLevels() {
        GameFileBytes game(3, 3);
        game.Level(10, 8, 0, 3).House(3, 4, 4);
        game.Level(10, 8, 0, 3).House(3, 4, 4);
        game.Level(12, 9, 0, 5).House(3, 4, 2);
        return game;
    }
    static std::unique_ptr<PondWindow> Started(const GameFileBytes& game = ThreeLevels()) {
        auto pond = std::make_unique<PondWindow>(game);
        pond->Tap(Qt::Key_F2);
        return pond;
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void f2LaysLevelOneOutAndNothingMovesBeforeAnArrow() {
        auto pond = Started();
        frmRybnik& window = *pond->window;
        QCOMPARE(window.centralWidget()->size(), QSize(10 * 20 + 89, 8 * 20));
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("picPodklad"))->geometry(), QRect(200, 0, 89, 160));
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("picPanel"))->y(), (160 - 200) / 2);
        QCOMPARE(pond->Label("lblPauza")->pos(), QPoint(20, 7 * 20 - 33));
        QVERIFY(pond->Label("picPozadi")->isHidden());
        QVERIFY(pond->Label("picUvod")->isHidden());
        QVERIFY(!pond->Label("lblUvod")->isHidden());
        QCOMPARE(pond->Label("lblUvod")->pos(), QPoint(210, 162));
        const QPoint off = window.frameGeometry().center() - window.screen()->geometry().center();
        QVERIFY(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1);

        for (int i = 0; i < 3; ++i) pond->Tick();
        QCOMPARE(pond->SpriteAt(3, 4), HouseClosedSprite);
        QCOMPARE(pond->SpriteAt(3, 3), 1);
        for (auto [label, text] : {std::pair{"lblBody", "0"},
                                   {"lblUroven", "1"},
                                   {"lblZivoty", "3"},
                                   {"lblNutnaDelka", "3"},
                                   {"lblDelka", "1"}})
            QCOMPARE(pond->Shown(label), QString::fromLatin1(text));

        pond->Steer(Qt::Key_Right);
        QCOMPARE(pond->SpriteAt(4, 4), 11);
        QVERIFY(pond->Label("lblUvod")->isHidden());
        QCOMPARE(pond->Shown("lblBody"), QStringLiteral("-1"));
        QCOMPARE(pond->Shown("lblDelka"), QStringLiteral("2"));
    }

    void twoArrowsInOneTickAreTakenInTwoTicks() {
        auto pond = Started();
        pond->Tap(Qt::Key_Right);
        pond->Tap(Qt::Key_Up);
        pond->Tick();
        QCOMPARE(pond->SpriteAt(3, 3), 10);
        pond->Tick();
        QCOMPARE(pond->SpriteAt(3, 3), 15);
        QCOMPARE(pond->SpriteAt(4, 3), 11);
    }

    void theWindowsOwnKeys() {
        auto pond = Started();
        QTimer* timer = pond->StepTimer();
        pond->Tap(Qt::Key_Space);
        QVERIFY(timer->isActive());
        QVERIFY(pond->Label("lblPauza")->isHidden());
        pond->Steer(Qt::Key_Right);
        pond->Tap(Qt::Key_Space);
        QVERIFY(!timer->isActive());
        QCOMPARE(pond->Label("lblPauza")->isVisible(), true);
        pond->Tap(Qt::Key_Space);
        QVERIFY(timer->isActive());

        ModalBoxes boxes;
        QTest::keyClick(pond->window.get(), Qt::Key_Tab);
        QTest::keyClick(pond->window.get(), Qt::Key_I, Qt::ControlModifier);  // the same character as Tab
        QCOMPARE(boxes.Texts(QStringLiteral("information")),
                 QStringList(2, QStringLiteral("Velikost:10x8\nNáhodné kuličky:0\nNáhodné mušky:0\n"
                                               "Náhodné balvany:0\nVýskyt zlaté kuličky:0 %\nPočet zmijí:0")));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Informace o úrovni"));

        QTest::keyPress(pond->window.get(), Qt::Key_F3);
        QVERIFY(pond->Label("picPozadi")->isHidden());  // F3 acts when it is released
        QTest::keyRelease(pond->window.get(), Qt::Key_F3);
        QVERIFY(!pond->Label("picPozadi")->isHidden());
        QVERIFY(!timer->isActive());
        QCOMPARE(pond->window->centralWidget()->size(), QSize(489, 300));
        QCOMPARE(pond->Shown("lblBody"), QStringLiteral("0"));
    }

    void ctrlUChoosesALevel_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("level");
        QTest::newRow("3") << QStringLiteral("3") << false << 3;
        QTest::newRow("12") << QStringLiteral("12") << false << 1;
        QTest::newRow("letters") << QStringLiteral("abc") << false << 1;
        QTest::newRow("cancel") << QStringLiteral("3") << true << 1;
    }

    void ctrlUChoosesALevel() {
        QFETCH(QString, answer);
        QFETCH(bool, cancel);
        QFETCH(int, level);
        auto pond = Started();
        pond->Steer(Qt::Key_Right);
        ModalBoxes boxes;
        boxes.answer = answer;
        boxes.cancelInput = cancel;
        QTest::keyClick(pond->window.get(), Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Zurk3"));
        QCOMPARE(boxes.seen[0].text, QStringLiteral("Zadejte číslo úrovně !"));
        pond->Tick();
        QCOMPARE(pond->Shown("lblUroven"), QString::number(level));
        QCOMPARE(pond->Shown("lblBody"), level == 3 ? QStringLiteral("0") : QStringLiteral("-2"));
        QCOMPARE(pond->window->centralWidget()->width(), (level == 3 ? 12 : 10) * 20 + 89);
    }

    void theHouseOpensOnScreenAndTheLengthBoxTurnsGreen() {
        auto pond = Started();
        QLabel* length = pond->Label("lblDelka");
        pond->Steer(Qt::Key_Right);
        QCOMPARE(length->palette().color(QPalette::Window), QColor(0, 192, 192));
        QVERIFY(pond->Label("lblUvodKonec")->isHidden());
        pond->Steer(Qt::Key_Down);
        QCOMPARE(length->text(), QStringLiteral("3"));
        QCOMPARE(length->palette().color(QPalette::Window), QColor(0, 255, 0));
        QCOMPARE(pond->SpriteAt(3, 4), HouseOpenSprite);
        QVERIFY(!pond->Label("lblUvodKonec")->isHidden());
        QCOMPARE(pond->Label("lblUvodKonec")->pos(), QPoint(210, 175));
    }

    void aCrashRepeatsTheLevelAfterItsMessage() {
        auto pond = Started();
        ModalBoxes boxes;
        pond->Steer(Qt::Key_Up);
        pond->Tick();
        pond->Tick();  // into the wall at (3, 1)
        QCOMPARE(pond->SpriteAt(3, 2), CrashedSnakeHead);
        pond->Tick();  // the next tick ends the level
        QCOMPARE(boxes.Texts(QStringLiteral("message")), QStringList{QStringLiteral("Úroveň se zopakuje !")});
        QCOMPARE(pond->Shown("lblZivoty"), QStringLiteral("2"));
        QVERIFY(pond->StepTimer()->isActive());
        QCOMPARE(pond->SpriteAt(3, 2), 1);
        QCOMPARE(pond->SpriteAt(3, 4), HouseClosedSprite);
    }

    void winningTheLastLevelEndsTheGame() {
        GameFileBytes game(1, 3);
        game.Level(10, 8, 0, 2).House(3, 4, 2);
        auto pond = Started(game);
        ModalBoxes boxes;
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down}) pond->Steer(key);
        pond->Tick();
        QCOMPARE(boxes.Texts(QStringLiteral("message")), QStringList{QStringLiteral("Fantastické vítězství !!!")});
        QCOMPARE(pond->Shown("lblBody"), QString::number(-4 + 2000 + 3 * 5000));
        QCOMPARE(pond->Shown("lblUroven"), QStringLiteral("1"));
        QVERIFY(!pond->StepTimer()->isActive());
    }

    void levelsWithoutAHouseOrNotInTheFileAreSkipped() {
        GameFileBytes game(3, 3);  // announces a third level the file does not hold
        game.Level(10, 8, 0, 0);
        game.Level(10, 8, 0, 2).House(3, 4, 2);
        PondWindow window(game);
        ModalBoxes boxes;
        window.Tap(Qt::Key_F2);
        QCOMPARE(boxes.seen.size(), std::size_t(2));
        auto* pond = &window;
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down}) pond->Steer(key);
        pond->Tick();
        const QString skipped = QStringLiteral("Úroveň neobsahuje zurka, bude tedy přeskočena !");
        QCOMPARE(boxes.Texts(QStringLiteral("critical")), QStringList(2, skipped));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Zurk3"));
        QCOMPARE(boxes.Texts(QStringLiteral("message")),
                 (QStringList{QStringLiteral("Postup do další úrovně !"), QStringLiteral("Postup do další úrovně !"),
                              QStringLiteral("Fantastické vítězství !!!")}));
        QCOMPARE(pond->window->centralWidget()->size(), QSize(10 * 20 + 89, 8 * 20));
    }

    void minimisingPausesOnlyOnceTheSnakeIsOut() {
        auto pond = Started();
        pond->window->showMinimized();
        QVERIFY(pond->StepTimer()->isActive());
        pond->window->showNormal();
        pond->Steer(Qt::Key_Right);
        pond->window->showMinimized();
        QVERIFY(!pond->StepTimer()->isActive());
        QVERIFY(!pond->Label("lblPauza")->isHidden());
        pond->window->showNormal();
        QVERIFY(!pond->StepTimer()->isActive());  // restoring does not release the pause
    }

    void theGameRunsOnUnderTheSpeedDialogAtTheChosenSpeed() {
        auto pond = Started();
        pond->Steer(Qt::Key_Right);
        ModalBoxes boxes;
        int spriteWhileOpen = 0;
        boxes.whileOpen = [&] {
            auto* slider = QApplication::activeModalWidget()->findChild<QSlider*>(QStringLiteral("sldRychlost"));
            // Arrows on the slider change the speed, and never steer the snake.
            QTest::keyClick(slider, Qt::Key_Up);
            QTest::keyClick(slider, Qt::Key_Up);
            pond->Tick();
            spriteWhileOpen = pond->SpriteAt(5, 4);
        };
        pond->Choose("mnuNastav");
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Nastavení"));
        QCOMPARE(pond->StepTimer()->interval(), 130);  // from the test's hour a step the slider opened at 0
        QCOMPARE(spriteWhileOpen, 11);
    }

    void arrowsTypedIntoOtherWindowsNeverSteer() {
        auto pond = Started();
        pond->Choose("mnuNapovedaObsah");
        auto* help = pond->window->findChild<QWidget*>(QStringLiteral("HelpViewer"));
        QVERIFY(help && help->isVisible());
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up})
            QTest::keyClick(help->findChild<QTextBrowser*>(), key);
        help->close();
        pond->window->activateWindow();
        pond->Tick();
        QCOMPARE(pond->Shown("lblBody"), QStringLiteral("0"));

        pond->Steer(Qt::Key_Right);
        ModalBoxes boxes;
        boxes.cancelInput = true;
        boxes.whileOpen = [&] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Up); };
        QTest::keyClick(pond->window.get(), Qt::Key_U, Qt::ControlModifier);
        pond->Tick();
        QCOMPARE(pond->SpriteAt(5, 4), 11);
    }

    void noCommandRunsInsideALevelStart() {
        PondWindow pond(ThreeLevels());
        // The level start lets the window repaint once; a timer due then presses F3 and Ctrl+U, as
        // a player might in that moment. Neither may stop or restart the level being built.
        bool pressedDuringStart = false;
        ModalBoxes boxes;
        boxes.answer = QStringLiteral("3");
        QTimer::singleShot(0, pond.window.get(), [&] {
            pressedDuringStart = !pond.StepTimer()->isActive();
            QTest::keyClick(pond.window.get(), Qt::Key_F3);
            QTest::keyClick(pond.window.get(), Qt::Key_U, Qt::ControlModifier);
        });
        pond.Choose("mnuHraStart");
        QVERIFY(pressedDuringStart);
        QVERIFY(pond.StepTimer()->isActive());
        QVERIFY(pond.Label("picPozadi")->isHidden());
        QCOMPARE(pond.window->centralWidget()->size(), QSize(10 * 20 + 89, 8 * 20));
        QCOMPARE(pond.SpriteAt(3, 4), HouseClosedSprite);
    }

    void aCloseWhileABoxIsOpenWaitsForTheBoxThenStopsTheLevel() {
        auto pond = Started();
        pond->Steer(Qt::Key_Right);
        ModalBoxes boxes;
        bool closedUnderTheBox = false;
        boxes.whileOpen = [&] {
            pond->window->close();
            closedUnderTheBox = !pond->window->isVisible() || !pond->StepTimer()->isActive();
        };
        QTest::keyClick(pond->window.get(), Qt::Key_Tab);
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QVERIFY(!closedUnderTheBox);
        QTRY_VERIFY(!pond->window->isVisible());
        QVERIFY(!pond->StepTimer()->isActive());
        QCOMPARE(pond->SpriteAt(4, 4), 1);
    }
};

QTEST_MAIN(GameFlowTest)
#include "tst_GameFlow.moc"
