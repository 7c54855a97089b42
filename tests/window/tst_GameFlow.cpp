#include <QKeyEvent>
#include <QSlider>
#include <QTextBrowser>

#include "ModalBoxes.h"
#include "PondWindow.h"
#include "app/KeyTracker.h"

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
    static void Send(QWidget& target, QEvent::Type type, int key, bool autoRepeat = false) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(&target, &event);
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
        QVERIFY(pond->Label("picPozadi")->isHidden() && pond->Label("picUvod")->isHidden());
        QVERIFY(!pond->Label("lblUvod")->isHidden());
        const QPoint off = window.frameGeometry().center() - window.screen()->geometry().center();
        QVERIFY(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1);

        for (int i = 0; i < 3; ++i) pond->Tick();
        QCOMPARE(pond->SpriteAt(3, 4), HouseClosedSprite);
        QCOMPARE(pond->Panel(), (QStringList{"0", "1", "3", "3", "1"}));

        pond->Steer(Qt::Key_Right);
        QCOMPARE(pond->SpriteAt(4, 4), 11);
        QCOMPARE(pond->Panel(), (QStringList{"-1", "1", "3", "3", "2"}));
        QCOMPARE(pond->Label("lblDelka")->palette().color(QPalette::Window), QColor(0, 192, 192));
        pond->Steer(Qt::Key_Down);  // length 3: the house opens
        QCOMPARE(pond->SpriteAt(3, 4), HouseOpenSprite);
        QCOMPARE(pond->Label("lblDelka")->palette().color(QPalette::Window), QColor(0, 255, 0));
        QVERIFY(!pond->Label("lblUvodKonec")->isHidden());
    }

    // The key state words the snake's keyboard reader sees: top bit while down, low bit flipping on
    // every real press, only for keys the watched window receives.
    void keyWordsFollowPressesAndReleases() {
        QWidget window;
        KeyTracker keys(window);
        const std::pair<QEvent::Type, bool> events[] = {{QEvent::KeyPress, false},   {QEvent::KeyRelease, true},
                                                        {QEvent::KeyPress, true},    {QEvent::KeyRelease, false},
                                                        {QEvent::KeyRelease, false}, {QEvent::KeyPress, false}};
        const std::int16_t words[] = {-32767, -32767, -32767, 1, 1, -32768};  // auto-repeat is no new press
        for (std::size_t i = 0; i < std::size(events); ++i) {
            Send(window, events[i].first, Qt::Key_Left, events[i].second);
            QCOMPARE(keys.KeyState(37), words[i]);
        }
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&window, &deactivate);
        QCOMPARE(keys.KeyState(37), std::int16_t(0));  // leaving the window releases every key
    }

    void onlyKeysTheWatchedWindowReceivesCount() {
        QWidget window;
        KeyTracker keys(window);
        auto* child = new QLabel(&window);
        // A label ignores keys, so the press travels on to its window and counts once.
        Send(*child, QEvent::KeyPress, Qt::Key_Right);
        QCOMPARE(keys.KeyState(39), std::int16_t(-32767));
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
        pond->Tap(Qt::Key_Space);  // no pause before the snake moves
        QVERIFY(timer->isActive());
        pond->Steer(Qt::Key_Right);
        pond->Tap(Qt::Key_Space);
        QVERIFY(!timer->isActive() && pond->Label("lblPauza")->isVisible());
        pond->Tap(Qt::Key_Space);
        QVERIFY(timer->isActive());

        ModalBoxes boxes;
        pond->Tap(Qt::Key_Tab);
        pond->Tap(Qt::Key_I, Qt::ControlModifier);  // the same character as Tab
        QCOMPARE(boxes.Texts(QStringLiteral("information")),
                 QStringList(2, QStringLiteral("Velikost:10x8\nNáhodné kuličky:0\nNáhodné mušky:0\n"
                                               "Náhodné balvany:0\nVýskyt zlaté kuličky:0 %\nPočet zmijí:0")));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Informace o úrovni"));

        QTest::keyPress(pond->window.get(), Qt::Key_F3);
        QVERIFY(pond->Label("picPozadi")->isHidden());  // F3 acts when it is released
        QTest::keyRelease(pond->window.get(), Qt::Key_F3);
        QVERIFY(!pond->Label("picPozadi")->isHidden() && !timer->isActive());
        QCOMPARE(pond->window->centralWidget()->size(), QSize(489, 300));
    }

    void ctrlUChoosesALevelOrCancels() {
        for (const bool cancel : {false, true}) {
            auto pond = Started();
            pond->Steer(Qt::Key_Right);
            ModalBoxes boxes;
            boxes.answer = QStringLiteral("3");
            boxes.cancelInput = cancel;
            pond->Tap(Qt::Key_U, Qt::ControlModifier);
            QCOMPARE(boxes.Texts(QStringLiteral("input")), QStringList{QStringLiteral("Zadejte číslo úrovně !")});
            QCOMPARE(boxes.seen[0].title, QStringLiteral("Zurk3"));
            pond->Tick();
            QCOMPARE(pond->Panel().mid(0, 2), (cancel ? QStringList{"-2", "1"} : QStringList{"0", "3"}));
            QCOMPARE(pond->window->centralWidget()->width(), (cancel ? 10 : 12) * 20 + 89);
        }
    }

    void aSkippedLevelIsSaidInABoxAndTheEndInTheMessage() {
        GameFileBytes game(2, 3);
        game.Level(10, 8, 0, 0);
        game.Level(10, 8, 0, 2).House(3, 4, 2);
        PondWindow pond(game);
        ModalBoxes boxes;
        pond.Tap(Qt::Key_F2);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down}) pond.Steer(key);
        pond.Tick();
        QCOMPARE(boxes.Texts(QStringLiteral("critical")),
                 QStringList{QStringLiteral("Úroveň neobsahuje zurka, bude tedy přeskočena !")});
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Zurk3"));
        QCOMPARE(boxes.Texts(QStringLiteral("message")), (QStringList{QStringLiteral("Postup do další úrovně !"),
                                                                      QStringLiteral("Fantastické vítězství !!!")}));
        QVERIFY(!pond.StepTimer()->isActive());
    }

    void minimisingPauses() {
        auto pond = Started();
        pond->Steer(Qt::Key_Right);
        pond->window->showMinimized();
        QVERIFY(!pond->StepTimer()->isActive());
        QVERIFY(!pond->Label("lblPauza")->isHidden());
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
        pond->Tap(Qt::Key_U, Qt::ControlModifier);
        pond->Tick();
        QCOMPARE(pond->SpriteAt(5, 4), 11);
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
        pond->Tap(Qt::Key_Tab);
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QVERIFY(!closedUnderTheBox);
        QTRY_VERIFY(!pond->window->isVisible());
        QVERIFY(!pond->StepTimer()->isActive());
        QCOMPARE(pond->SpriteAt(4, 4), 1);
    }
};

QTEST_MAIN(GameFlowTest)
#include "tst_GameFlow.moc"
