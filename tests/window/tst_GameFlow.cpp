#include <QLabel>
#include <QSlider>
#include <QTextBrowser>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "GameFileBuilder.h"
#include "ModalBoxes.h"
#include "TestRandom.h"
#include "app/MainMenu.h"
#include "app/PondSurface.h"
#include "app/StatusPanel.h"
#include "app/SpriteLists.h"
#include "app/frmRybnik.h"
#include "snake/clsZurk.h"

// Playing through the window: its keys, its menus, its step timer and its boxes, on small
// game files written by the tests. The step timer is slowed to an hour, so every step here is
// one the test takes by calling the timer's handler.
class GameFlowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    SteadyRandom random_;

    // Three levels: 1 and 2 alike, 3 a little larger. The snake starts at (3, 4) with room
    // to move in every direction; on level 1 its house opens at length 3.
    static GameFileBuilder ThreeLevels() {
        GameFileBuilder game(3);
        game.Level(10, 8, 0, 3).House(3, 4, 4);
        game.Level(10, 8, 0, 3).House(3, 4, 4);
        game.Level(12, 9, 0, 5).House(3, 4, 2);
        return game;
    }

    std::unique_ptr<frmRybnik> OpenWindow(const GameFileBuilder& game) {
        game.WriteTo(dir_->filePath(QStringLiteral("zaklad.zurk")));
        auto window = std::make_unique<frmRybnik>(dir_->path(), &random_);
        window->SetMessageShowTime(150);
        window->StepTimer().setInterval(3600 * 1000);
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
        return window;
    }

    // The three levels opened and F2 pressed; the snake still waits in its house.
    std::unique_ptr<frmRybnik> StartLevelOne() {
        auto window = OpenWindow(ThreeLevels());
        QTest::keyClick(window.get(), Qt::Key_F2);
        return window;
    }
    // The same, with the snake one step out of its house to the right, at (4, 4).
    std::unique_ptr<frmRybnik> StartAndStepOut() {
        auto window = StartLevelOne();
        Steer(*window, Qt::Key_Right);
        return window;
    }

    static void Tap(frmRybnik& window, Qt::Key key) {
        QTest::keyPress(&window, key);
        QTest::keyRelease(&window, key);
    }
    static void Steer(frmRybnik& window, Qt::Key key) {
        Tap(window, key);
        window.tmrPohyb_Timer();
    }
    static CellPos Head(frmRybnik& window) {
        const clsZurk& snake = window.World().Snake();
        return {snake.HeadX(), snake.HeadY()};
    }
    // A tick of the step timer as the timer itself would fire it: only while it runs.
    static void TimerTick(frmRybnik& window) {
        auto* timer = window.findChild<QTimer*>(QStringLiteral("tmrPohyb"));
        QVERIFY(timer && timer->isActive());
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
    }
    static QLabel* Child(const frmRybnik& window, const char* name) {
        return window.findChild<QLabel*>(QString::fromLatin1(name));
    }
    static QString Shown(const frmRybnik& window, const char* name) { return Child(window, name)->text(); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    void f2StartsLevelOneAndLaysTheWindowOut() {
        auto window = OpenWindow(ThreeLevels());
        QTest::keyClick(window.get(), Qt::Key_F2);

        QCOMPARE(window->World().LevelNo, 1);
        QCOMPARE(window->World().GameState, StateRunning);
        QVERIFY(window->StepTimer().isActive());
        QCOMPARE(window->centralWidget()->size(), QSize(10 * 20 + 89, 8 * 20));
        QCOMPARE(window->findChild<QWidget*>(QStringLiteral("picPodklad"))->geometry(), QRect(200, 0, 89, 160));
        QCOMPARE(window->Panel().y(), (160 - 200) / 2);
        QCOMPARE(Child(*window, "lblPauza")->pos(), QPoint(20, 7 * 20 - 33));
        QVERIFY(Child(*window, "picPozadi")->isHidden());
        QVERIFY(Child(*window, "picUvod")->isHidden());
        QVERIFY(!Child(*window, "lblUvod")->isHidden());
        QCOMPARE(Child(*window, "lblUvod")->pos(), QPoint(210, 162));
        window->tmrPohyb_Timer();  // the panel shows the level from the first step on
        QCOMPARE(Shown(*window, "lblUroven"), QStringLiteral("1"));
        QCOMPARE(Shown(*window, "lblZivoty"), QStringLiteral("3"));
        QCOMPARE(Shown(*window, "lblNutnaDelka"), QStringLiteral("3"));

        const QPoint centre = window->frameGeometry().center();
        const QPoint screenCentre = window->screen()->geometry().center();
        QVERIFY(qAbs(centre.x() - screenCentre.x()) <= 1 && qAbs(centre.y() - screenCentre.y()) <= 1);

        // The house (closed, sprite 24) is painted on the pond at cell (3, 4).
        const QImage& pond = window->Pond().RetainedImage();
        const qreal dpr = pond.devicePixelRatio();
        const QImage house = SpriteLists().Sprite(1, 24, dpr).toImage();
        for (int y = 0; y < house.height(); y += 3)
            for (int x = 0; x < house.width(); x += 3)
                QCOMPARE(pond.pixelColor(int(40 * dpr) + x, int(60 * dpr) + y).rgb(), house.pixelColor(x, y).rgb());
    }

    void nothingMovesBeforeTheFirstCursorKey() {
        auto window = StartLevelOne();
        for (int i = 0; i < 3; ++i) window->tmrPohyb_Timer();
        QVERIFY(!window->World().Snake().UzJede());
        QCOMPARE(Head(*window), (CellPos{3, 4}));

        Steer(*window, Qt::Key_Right);
        QVERIFY(window->World().Snake().UzJede());
        QCOMPARE(Head(*window), (CellPos{4, 4}));
        QVERIFY(Child(*window, "lblUvod")->isHidden());
        QCOMPARE(Shown(*window, "lblBody"), QStringLiteral("-1"));
        QCOMPARE(Shown(*window, "lblDelka"), QStringLiteral("2"));
    }

    void twoArrowsInOneStepAreTakenInTwoSteps() {
        auto window = StartLevelOne();
        Tap(*window, Qt::Key_Right);
        Tap(*window, Qt::Key_Up);
        window->tmrPohyb_Timer();
        QCOMPARE(Head(*window), (CellPos{3, 3}));
        window->tmrPohyb_Timer();
        QCOMPARE(Head(*window), (CellPos{4, 3}));
    }

    void spacePausesOnlyOnceTheSnakeIsOut() {
        auto window = StartLevelOne();
        QLabel* pauza = Child(*window, "lblPauza");

        QTest::keyClick(window.get(), Qt::Key_Space);
        QVERIFY(window->StepTimer().isActive());
        QVERIFY(pauza->isHidden());

        Steer(*window, Qt::Key_Right);
        QTest::keyClick(window.get(), Qt::Key_Space);
        QVERIFY(!window->StepTimer().isActive());
        QVERIFY(!pauza->isHidden());
        QCOMPARE(pauza->text(), QStringLiteral("Pauza"));

        QTest::keyClick(window.get(), Qt::Key_Space);
        QVERIFY(window->StepTimer().isActive());
        QVERIFY(pauza->isHidden());
    }

    void tabShowsTheLevelAndHoldsTheSteps() {
        auto window = OpenWindow(ThreeLevels());
        ModalBoxes boxes;
        QWidget* focusBefore = QApplication::focusWidget();
        QVERIFY(focusBefore);
        QTest::keyClick(window.get(), Qt::Key_Tab);
        QVERIFY(boxes.seen.empty());
        QCOMPARE(QApplication::focusWidget(), focusBefore);

        QTest::keyClick(window.get(), Qt::Key_F2);
        Steer(*window, Qt::Key_Right);
        CellPos headWhileOpen;
        boxes.whileOpen = [&] {
            window->tmrPohyb_Timer();
            headWhileOpen = Head(*window);
        };
        QTest::keyClick(window.get(), Qt::Key_Tab);

        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen[0].kind, QStringLiteral("information"));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Informace o úrovni"));
        QCOMPARE(boxes.seen[0].text, QStringLiteral("Velikost:10x8\nNáhodné kuličky:0\nNáhodné mušky:0\n"
                                                    "Náhodné balvany:0\nVýskyt zlaté kuličky:0 %\nPočet zmijí:0"));
        QCOMPARE(headWhileOpen, (CellPos{4, 4}));
        window->tmrPohyb_Timer();
        QCOMPARE(Head(*window), (CellPos{5, 4}));
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
        auto window = StartAndStepOut();

        ModalBoxes boxes;
        boxes.answer = answer;
        boxes.cancelInput = cancel;
        QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier);

        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen[0].kind, QStringLiteral("input"));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Zurk3"));
        QCOMPARE(boxes.seen[0].text, QStringLiteral("Zadejte číslo úrovně !"));
        QCOMPARE(window->World().LevelNo, level);
        if (level == 3) {
            QCOMPARE(window->World().Score, 0);
            QCOMPARE(Head(*window), (CellPos{3, 4}));
            QCOMPARE(window->centralWidget()->size(), QSize(12 * 20 + 89, 9 * 20));
            window->tmrPohyb_Timer();
            QCOMPARE(Shown(*window, "lblUroven"), QStringLiteral("3"));
            QCOMPARE(Shown(*window, "lblBody"), QStringLiteral("0"));
        } else {
            QCOMPARE(window->World().Score, -1);
            QCOMPARE(Head(*window), (CellPos{4, 4}));
            QVERIFY(window->StepTimer().isActive());
        }
    }

    void f3ReturnsToTheTitleWithZeros() {
        auto window = StartAndStepOut();
        QTest::keyPress(window.get(), Qt::Key_F3);
        QCOMPARE(window->World().LevelNo, 1);  // F3 acts when it is released
        QTest::keyRelease(window.get(), Qt::Key_F3);

        QCOMPARE(window->World().LevelNo, 0);
        QVERIFY(!window->StepTimer().isActive());
        QVERIFY(!Child(*window, "picPozadi")->isHidden());
        QVERIFY(Child(*window, "picUvod")->isHidden());
        QCOMPARE(window->centralWidget()->size(), QSize(489, 300));
        QCOMPARE(Shown(*window, "lblBody"), QStringLiteral("0"));
        QCOMPARE(Shown(*window, "lblDelka"), QStringLiteral("0"));

        QTest::keyClick(window.get(), Qt::Key_F2);
        QCOMPARE(window->World().LevelNo, 1);
        QCOMPARE(window->World().Score, 0);
        QCOMPARE(Head(*window), (CellPos{3, 4}));
    }

    void theLengthBoxTurnsGreenWhenTheHouseOpens() {
        auto window = StartLevelOne();
        QLabel* length = Child(*window, "lblDelka");
        Steer(*window, Qt::Key_Right);
        QCOMPARE(length->palette().color(QPalette::Window), QColor(0, 192, 192));
        QVERIFY(Child(*window, "lblUvodKonec")->isHidden());
        Steer(*window, Qt::Key_Down);
        QCOMPARE(length->text(), QStringLiteral("3"));
        QCOMPARE(length->palette().color(QPalette::Window), QColor(0, 255, 0));
        QVERIFY(!Child(*window, "lblUvodKonec")->isHidden());
        QCOMPARE(Child(*window, "lblUvodKonec")->pos(), QPoint(210, 175));
    }

    void aCrashRepeatsTheLevelAfterItsMessage() {
        auto window = StartLevelOne();
        ModalBoxes boxes;
        Steer(*window, Qt::Key_Up);
        window->tmrPohyb_Timer();
        window->tmrPohyb_Timer();  // into the wall at (3, 1)
        QVERIFY(!window->World().Snake().Zije());
        window->tmrPohyb_Timer();  // the next tick ends the level

        QCOMPARE(boxes.Texts(QStringLiteral("message")), QStringList{QStringLiteral("Úroveň se zopakuje !")});
        QCOMPARE(Shown(*window, "lblZivoty"), QStringLiteral("2"));
        QCOMPARE(window->World().LevelNo, 1);
        QCOMPARE(window->World().GameState, StateRunning);
        QVERIFY(window->StepTimer().isActive());
        QCOMPARE(Head(*window), (CellPos{3, 4}));
    }

    void winningTheLastLevelEndsTheGame() {
        GameFileBuilder game(3);
        game.Level(10, 8, 0, 2).House(3, 4, 2);
        auto window = OpenWindow(game);
        ModalBoxes boxes;
        QTest::keyClick(window.get(), Qt::Key_F2);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down}) Steer(*window, key);
        window->tmrPohyb_Timer();

        QCOMPARE(boxes.Texts(QStringLiteral("message")), QStringList{QStringLiteral("Fantastické vítězství !!!")});
        QCOMPARE(Shown(*window, "lblBody"), QString::number(-4 + 2000 + 3 * 5000));
        QCOMPARE(Shown(*window, "lblUroven"), QStringLiteral("1"));
        QVERIFY(!window->StepTimer().isActive());
    }

    void aLevelWithoutAHouseIsAnnouncedAndSkipped() {
        GameFileBuilder game(3);
        game.Level(10, 8);
        game.Level(10, 8, 0, 3).House(3, 4, 4);
        auto window = OpenWindow(game);
        ModalBoxes boxes;
        QTest::keyClick(window.get(), Qt::Key_F2);

        QCOMPARE(boxes.seen.size(), std::size_t(2));
        QCOMPARE(boxes.seen[0].kind, QStringLiteral("critical"));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Zurk3"));
        QCOMPARE(boxes.seen[0].text, QStringLiteral("Úroveň neobsahuje zurka, bude tedy přeskočena !"));
        QCOMPARE(boxes.seen[1].text, QStringLiteral("Postup do další úrovně !"));
        QCOMPARE(window->World().LevelNo, 2);
        QCOMPARE(window->World().GameState, StateRunning);
    }

    void minimisingPausesOnlyOnceTheSnakeIsOut() {
        auto window = StartLevelOne();
        window->showMinimized();
        QVERIFY(window->StepTimer().isActive());
        window->showNormal();

        Steer(*window, Qt::Key_Right);
        window->showMinimized();
        QVERIFY(!window->StepTimer().isActive());
        QVERIFY(!Child(*window, "lblPauza")->isHidden());
        window->showNormal();
        QVERIFY(!window->StepTimer().isActive());  // restoring does not release the pause
        QTest::keyClick(window.get(), Qt::Key_Space);
        QVERIFY(window->StepTimer().isActive());
    }

    void theGameRunsOnUnderTheSpeedDialogAtTheChosenSpeed() {
        auto window = StartAndStepOut();
        ModalBoxes boxes;
        CellPos headWhileOpen;
        int intervalWhileOpen = 0;
        boxes.whileOpen = [&] {
            auto* slider = QApplication::activeModalWidget()->findChild<QSlider*>(QStringLiteral("sldRychlost"));
            // Arrows on the slider change the speed, and never steer the snake.
            QTest::keyClick(slider, Qt::Key_Up);
            QTest::keyClick(slider, Qt::Key_Up);
            intervalWhileOpen = window->findChild<QTimer*>(QStringLiteral("tmrPohyb"))->interval();
            TimerTick(*window);
            headWhileOpen = Head(*window);
        };
        window->Menu().mnuNastav->trigger();
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Nastavení"));
        QCOMPARE(intervalWhileOpen, 130);  // from the test's hour-long steps the slider opened at 0
        QCOMPARE(headWhileOpen, (CellPos{5, 4}));
        TimerTick(*window);
        QCOMPARE(Head(*window), (CellPos{6, 4}));
    }

    void arrowsTypedIntoOtherWindowsNeverSteer() {
        auto window = StartLevelOne();
        window->Menu().mnuNapovedaObsah->trigger();
        auto* help = window->findChild<QWidget*>(QStringLiteral("HelpViewer"));
        QVERIFY(help && help->isVisible());
        auto* browser = help->findChild<QTextBrowser*>();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up}) QTest::keyClick(browser, key);
        help->close();
        window->activateWindow();
        TimerTick(*window);
        TimerTick(*window);
        QCOMPARE(Head(*window), (CellPos{3, 4}));
        QVERIFY(!window->World().Snake().UzJede());

        Steer(*window, Qt::Key_Right);
        ModalBoxes boxes;
        boxes.cancelInput = true;
        boxes.whileOpen = [&] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Up); };
        QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        TimerTick(*window);
        QCOMPARE(Head(*window), (CellPos{5, 4}));
    }

    void ctrlITypesTabAndShowsTheLevel() {
        auto window = StartLevelOne();
        ModalBoxes boxes;
        QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Informace o úrovni"));
    }

    void aLevelTheFileDoesNotHoldIsSkippedAndTheWindowKeepsItsSize() {
        GameFileBuilder game(3);
        game.Level(10, 8, 0, 2).House(3, 4, 2);
        game.LevelCount(2);
        auto window = OpenWindow(game);
        QVERIFY(window->Menu().mnuHraStart->isEnabled());
        ModalBoxes boxes;
        QTest::keyClick(window.get(), Qt::Key_F2);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down}) Steer(*window, key);
        window->tmrPohyb_Timer();

        QCOMPARE(boxes.Texts(QStringLiteral("critical")),
                 QStringList{QStringLiteral("Úroveň neobsahuje zurka, bude tedy přeskočena !")});
        QCOMPARE(boxes.Texts(QStringLiteral("message")),
                 (QStringList{QStringLiteral("Postup do další úrovně !"), QStringLiteral("Fantastické vítězství !!!")}));
        QCOMPARE(window->centralWidget()->size(), QSize(10 * 20 + 89, 8 * 20));
    }

    void noCommandRunsInsideALevelStart() {
        auto window = OpenWindow(ThreeLevels());
        // The level start lets the window repaint once; a timer due then presses F3 and Ctrl+U,
        // as a player might in that moment. Neither may stop or restart the level being built.
        bool pressedDuringStart = false;
        ModalBoxes boxes;
        boxes.answer = QStringLiteral("3");
        QTimer::singleShot(0, window.get(), [&] {
            pressedDuringStart = window->World().GameState != StateRunning;
            QTest::keyClick(window.get(), Qt::Key_F3);
            QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier);
        });
        window->Menu().mnuHraStart->trigger();

        QVERIFY(pressedDuringStart);
        QCOMPARE(window->World().LevelNo, 1);
        QCOMPARE(window->World().GameState, StateRunning);
        QVERIFY(Child(*window, "picPozadi")->isHidden());
        QCOMPARE(window->centralWidget()->size(), QSize(10 * 20 + 89, 8 * 20));
        QCOMPARE(Head(*window), (CellPos{3, 4}));
    }

    void aCloseWhileABoxIsOpenWaitsForTheBox() {
        auto window = StartAndStepOut();
        ModalBoxes boxes;
        bool closedUnderTheBox = false;
        boxes.whileOpen = [&] {
            window->close();
            closedUnderTheBox = !window->isVisible() || !window->World().HasSnake();
        };
        QTest::keyClick(window.get(), Qt::Key_Tab);
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QVERIFY(!closedUnderTheBox);
        QTRY_VERIFY(!window->isVisible());
        QVERIFY(!window->World().HasSnake());
    }

    void closingStopsTheLevel() {
        auto window = StartAndStepOut();
        QVERIFY(window->close());
        QVERIFY(!window->World().HasSnake());
        QVERIFY(!window->StepTimer().isActive());
    }
};

QTEST_MAIN(GameFlowTest)
#include "tst_GameFlow.moc"
