#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTextBrowser>
#include <new>

#include "GameWindow.h"
#include "ModalBoxes.h"
#include "app/GameScreen.h"
#include "app/KeyTracker.h"
#include "dialogs/frmNastav.h"
#include "pond/GameFileFormat.h"

// Playing through the window: its keys, its menus, its step timer, its boxes and what it paints.
// The step timer runs, but every tick here is one the test gives.
class GameFlowTest : public QObject {
    Q_OBJECT

private:
    // Three levels: 1 and 2 alike, 3 a little larger. The snake starts at (3, 4) with room to move
    // every way; on level 1 its house opens at length 3.
    static GameFileBytes ThreeLevels() {
        GameFileBytes file(3, 3);
        file.Level(10, 8, 0, 3).House(3, 4, 4);
        file.Level(10, 8, 0, 3).House(3, 4, 4);
        file.Level(12, 9, 0, 5).House(3, 4, 2);
        return file;
    }
    // time: the platform's, in milliseconds; events that no platform delivered carry none (0).
    static void Send(QWidget& target, QEvent::Type type, int key, bool autoRepeat = false, quint64 time = 0) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        event.setTimestamp(time);
        QApplication::sendEvent(&target, &event);
    }
    // A close as the window manager or the compositor asks it, or the close button of the frame Qt
    // draws on Wayland: to the window, not through QWindow::close(), so the widget hears the platform's.
    static void AskToClose(QWidget& window) {
        QCloseEvent close;
        QCoreApplication::sendEvent(window.windowHandle(), &close);
    }
    // Runs out of memory on its first draw, as a level's set-up may, then draws as a real game does.
    class OutOfMemoryOnce : public RandomSource {
    public:
        double Rnd() override {
            if (!failed_) {
                failed_ = true;
                throw std::bad_alloc();
            }
            return random_.Rnd();
        }

    private:
        bool failed_ = false;
        SeededRandom random_{1};
    };
    static std::unique_ptr<GameWindow> Started(const GameFileBytes& file = ThreeLevels()) {
        auto game = std::make_unique<GameWindow>(file);
        game->Tap(Qt::Key_F2);
        return game;
    }

private slots:
    void f2LaysLevelOneOutAndTheHouseOpensAtItsLength() {
        auto game = Started();
        frmRybnik& window = *game->window;
        QCOMPARE(window.centralWidget()->size(), QSize(10 * 20 + 89, 8 * 20));
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("picPanel"))->mapTo(&window, QPoint()).y() -
                     window.centralWidget()->y(),
                 (160 - 200) / 2);
        QVERIFY(game->Label("picPozadi")->isHidden() && game->Label("picUvod")->isHidden());
        QVERIFY(!game->Label("lblUvod")->isHidden());
        const QPoint off = window.frameGeometry().center() - window.screen()->geometry().center();
        QVERIFY(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1);

        game->Play({"Right", "tick", "Down", "tick"});  // length 3: the house opens
        QCOMPARE(game->SpriteAt(3, 4), HouseOpenSprite);
        QVERIFY(!game->Label("lblUvodKonec")->isHidden());
    }

    // A start that fails half-way through the level's set-up is told, the title comes back, and the
    // next start plays.
    void aStartThatRunsOutOfMemoryIsToldAndTheNextOnePlays() {
        OutOfMemoryOnce chance;
        GameFileBytes scattered(1, 3);
        scattered.Level(10, 8, 0, 3).House(3, 4, 4).Count(CodeRandomBalls, 2);
        ModalBoxes boxes;
        GameWindow game(scattered, &chance);
        game.Tap(Qt::Key_F2);
        QCOMPARE(
            boxes.Texts(QStringLiteral("critical")),
            QStringList{QStringLiteral("Hru nelze spustit: nedostává se paměti. Hra se vrací na úvodní obrazovku.")});
        QVERIFY(!game.Label("picPozadi")->isHidden());  // the title, as F3 shows it
        QVERIFY(!game.StepTimer()->isActive());

        game.Tap(Qt::Key_F2);
        QCOMPARE(boxes.seen.size(), std::size_t{1});
        QVERIFY(game.Label("picPozadi")->isHidden());
        game.Tick();
        QCOMPARE(game.Panel(), (QStringList{"0", "1", "3", "3", "1"}));
    }

    // The key state words the snake's keyboard reader sees: top bit while down, low bit flipping on
    // every real press, only for keys the watched window receives, its children's among them.
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
        auto* child = new QLabel(&window);
        // A label ignores keys, so the press travels on to its window and counts once.
        Send(*child, QEvent::KeyPress, Qt::Key_Right);
        QCOMPARE(keys.KeyState(39), std::int16_t(-32767));
    }

    // A held arrow repeats as a release and a press of one time, to the window that has the focus:
    // on Wayland flagged as auto-repeat, on X11 flagged or not as Qt happens to notice. Held from
    // before a level's restart it never steers; pressed again it does.
    void aHeldArrowSteersOnlyOncePressedAgain() {
        auto game = Started();
        quint64 now = 1000;
        const auto repeat = [&now](QWidget& target, bool flagged) {
            Send(target, QEvent::KeyRelease, Qt::Key_Right, flagged, now += 33);
            Send(target, QEvent::KeyPress, Qt::Key_Right, flagged, now);
        };
        ModalBoxes boxes;
        boxes.whileOpen = [&] {  // the crash's message: Right goes down there
            Send(*boxes.current, QEvent::KeyPress, Qt::Key_Right, false, now);
            repeat(*boxes.current, false);
        };
        game->Play(
            {"Left", "tick", "tick", "tick"});  // into the wall: the level starts again once the message has gone
        QVERIFY(WaitFor([&] {
            return QApplication::focusWidget() && QApplication::focusWidget()->window() == game->window.get();
        }));
        QWidget& focus = *QApplication::focusWidget();
        for (const bool flagged : {false, true, false}) {
            repeat(focus, flagged);
            game->Tick();
        }
        QCOMPARE(game->SpriteAt(3, 4), HouseClosedSprite);
        Send(focus, QEvent::KeyRelease, Qt::Key_Right, false, now += 150);
        Send(focus, QEvent::KeyPress, Qt::Key_Right, false, now += 150);
        game->Tick();
        QCOMPARE(game->SpriteAt(4, 4), 11);
        // Down while Right is still held; then a repeat of Right whose press comes a turn of the
        // event loop after its release, with a step between.
        game->Steer(Qt::Key_Down);
        Send(focus, QEvent::KeyRelease, Qt::Key_Right, false, now += 33);
        game->Tick();
        Send(focus, QEvent::KeyPress, Qt::Key_Right, false, now);
        game->Tick();
        QCOMPARE(game->SpriteAt(4, 7), 12);
    }

    void twoArrowsInOneTickAreTakenInTwoTicks() {
        auto game = Started();
        game->Play({"Right", "Up", "tick"});
        QCOMPARE(game->SpriteAt(3, 3), 10);
        game->Tick();
        QCOMPARE(game->SpriteAt(3, 3), 15);
        QCOMPARE(game->SpriteAt(4, 3), 11);
    }

    // Space and minimising pause; Tab and Ctrl+I tell of the level; F3 goes back to the title.
    void theWindowsOwnKeys() {
        auto game = Started();
        QTimer* timer = game->StepTimer();
        game->Tap(Qt::Key_Space);  // no pause before the snake moves: the step's tick comes
        game->Steer(Qt::Key_Right);
        game->Tap(Qt::Key_Space);
        QVERIFY(!timer->isActive() && game->Label("lblPauza")->isVisible());
        game->Tap(Qt::Key_Space);
        QVERIFY(timer->isActive());
        game->window->showMinimized();  // minimising pauses as well
        QVERIFY(!timer->isActive() && !game->Label("lblPauza")->isHidden());
        game->Tap(Qt::Key_Space);
        QVERIFY(timer->isActive());

        ModalBoxes boxes;
        game->Play({"Tab", "Ctrl+I"});  // Ctrl+I is the same character as Tab
        QCOMPARE(boxes.Texts(QStringLiteral("information")).size(), 2);
        QVERIFY(boxes.seen[1].text.startsWith(QStringLiteral("Velikost:10x8\n")));

        QTest::keyPress(game->window.get(), Qt::Key_F3);
        QVERIFY(game->Label("picPozadi")->isHidden());  // F3 acts when it is released
        QTest::keyRelease(game->window.get(), Qt::Key_F3);
        QVERIFY(!game->Label("picPozadi")->isHidden() && !timer->isActive());
    }

    // The large cells when the level with its panel fits 95 % of the screen's width and 90 % of its
    // height, at 15 twips a pixel: exactly at either edge and one unit off.
    void theCellSizeFollowsTheScreensEdges() {
        struct Case {
            int width, height;
            QSize screen;
            int set;
        };
        for (const Case& c : {Case{6, 9, {220, 200}, 1}, Case{6, 9, {219, 200}, 0}, Case{6, 9, {220, 199}, 0},
                              Case{7, 9, {220, 200}, 0}, Case{6, 10, {220, 200}, 0}, Case{44, 34, {1024, 768}, 1},
                              Case{33, 27, {800, 600}, 1}, Case{34, 27, {800, 600}, 0}})
            QVERIFY2(ChooseSpriteSet(c.width, c.height, c.screen) == c.set,
                     qPrintable(QStringLiteral("%1 x %2").arg(c.width).arg(c.height)));
    }

    void theGameRunsOnUnderTheSpeedDialogAtTheChosenSpeed() {
        auto game = Started();
        game->Steer(Qt::Key_Right);
        ModalBoxes boxes;
        int spriteWhileOpen = 0;
        boxes.whileOpen = [&] {
            auto* slider = boxes.current->findChild<QSlider*>(QStringLiteral("sldRychlost"));
            // Arrows on the slider change the speed, and never steer the snake.
            QTest::keyClick(slider, Qt::Key_Up);
            QTest::keyClick(slider, Qt::Key_Up);
            game->TickUnderABox();
            spriteWhileOpen = game->SpriteAt(5, 4);
        };
        game->Choose("mnuNastav");
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Nastavení"));
        QCOMPARE(game->StepTimer()->interval(), 130);  // from the test's hour a step the slider opened at 0
        QCOMPARE(spriteWhileOpen, 11);
    }

    // A level that ends under the speed dialog: its message comes in front, with no owner, and a
    // key closes it; meanwhile neither the dialog nor the main window takes a click, a close or a
    // command, and once it has closed every one counts: Ctrl+U answered with 3 starts level 3.
    void aMessageOverTheSpeedDialogComesInFrontAndNoCommandIsLost() {
        auto game = Started();
        frmRybnik& window = *game->window;
        game->Steer(Qt::Key_Left);
        window.findChild<QAction*>(QStringLiteral("mnuNastav"))->trigger();
        auto* dialog = window.findChild<frmNastav*>();
        QVERIFY(WaitFor([&] { return QApplication::activeWindow() == dialog; }));
        for (int tick = 0; tick < 2; ++tick) game->TickUnderABox();  // into the wall, under the dialog
        QPointer<frmZprava> message;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* shown = qobject_cast<frmZprava*>(top); shown && shown->isVisible()) message = shown;
        QVERIFY(message);
        QCOMPARE(message->parentWidget(), nullptr);
        // Its own two seconds are held, so that a slow machine cannot close it under the test.
        message->findChild<QTimer*>(QStringLiteral("tmrPryc"))->stop();
        QVERIFY(WaitFor([&] { return QApplication::activeWindow() == message.data(); }));

        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        AskToClose(*dialog);
        QTest::keyClick(&window, Qt::Key_U, Qt::ControlModifier);
        QVERIFY(dialog->isVisible() && message->isVisible() && !window.findChild<QInputDialog*>());
        QTest::keyClick(message, Qt::Key_A);
        // Level 1 again, once the message has closed.
        QVERIFY(WaitFor([&] { return game->StepTimer()->isActive(); }));
        QVERIFY(WaitFor([&] { return QApplication::activeWindow() == dialog; }));
        AskToClose(*dialog);
        QVERIFY(!dialog->isVisible());

        ModalBoxes boxes;
        boxes.answer = QStringLiteral("3");
        game->Tap(Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(boxes.Texts(QStringLiteral("input")).size(), 1);
        game->Tick();
        QCOMPARE(game->Shown("lblUroven"), QStringLiteral("3"));
    }

    void arrowsTypedIntoOtherWindowsNeverSteer() {
        auto game = Started();
        game->Choose("mnuNapovedaObsah");
        auto* help = game->window->findChild<QWidget*>(QStringLiteral("HelpViewer"));
        QVERIFY(help && help->isVisible());
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up})
            QTest::keyClick(help->findChild<QTextBrowser*>(), key);
        help->close();
        game->window->activateWindow();
        game->Tick();
        QCOMPARE(game->Shown("lblBody"), QStringLiteral("0"));

        game->Steer(Qt::Key_Right);
        ModalBoxes boxes;
        boxes.cancelInput = true;
        boxes.whileOpen = [&] { QTest::keyClick(boxes.current, Qt::Key_Up); };
        game->Play({"Ctrl+U", "tick"});
        QCOMPARE(game->SpriteAt(5, 4), 11);
    }

    // Under every box and message of the game: a stray tick moves nothing, the main window takes no
    // key, and the window's close, as a window manager or a compositor asks it, or Ctrl+X typed into
    // the box, ends the game at once with every box gone. In a text field Ctrl+X cuts.
    void underEachBoxAStrayTickAndAKeyDoNothingAndACloseQuits() {
        struct Case {
            const char* box;
            GameFileBytes file;
            QStringList way;  // keys, menu items and ticks that bring the box up
            std::size_t nth;  // which of the boxes on the way it is
        };
        GameFileBytes twoLives = ThreeLevels(), lastLife(1, 1), noHouseNext(2, 3), noHouse(1, 3), oneLevel(1, 3);
        lastLife.Level(10, 8, 0, 3).House(3, 4, 4);
        noHouseNext.Level(10, 8, 0, 3).House(3, 4, 4).Level(10, 8, 0, 3);
        noHouse.Level(10, 8, 0, 3);
        oneLevel.Level(10, 8, 0, 3).House(3, 4, 4);
        // Into the wall two cells to the left; round a corner and home once the house has opened.
        const QStringList crash = {"F2", "Left", "tick", "Left", "tick", "tick"};
        const QStringList win = {"F2", "Right", "tick", "Down", "tick", "Left", "tick", "Up", "tick", "tick"};
        const Case cases[] = {
            {"level info", twoLives, {"F2", "Tab"}, 1},
            {"level number", twoLives, {"F2", "Ctrl+U"}, 1},
            {"game info", twoLives, {"mnuHraInformace"}, 1},
            {"speed", twoLives, {"mnuNastav"}, 1},
            {"level repeats", twoLives, crash, 1},
            {"game lost", lastLife, crash, 1},
            {"next level", twoLives, win, 1},
            {"victory", oneLevel, win, 1},
            {"no house", noHouseNext, win, 2},
            {"no playable level", noHouse, {"F2"}, 1},
        };
        for (const Case& c : cases) {
            GameWindow game(c.file);
            frmRybnik& window = *game.window;
            ModalBoxes boxes;
            boxes.answer = QStringLiteral("2");
            bool closedAtOnce = false;
            boxes.whileOpen = [&] {
                if (boxes.seen.size() != c.nth) return;
                const QStringList panel = game.Panel();
                const bool titleShown = game.Label("picPozadi")->isVisible();
                game.StrayTick();
                for (const char* keys : {"Space", "Ctrl+U", "F2", "F3"})
                    QTest::keySequence(&window, QKeySequence(keys));
                QVERIFY2(game.Panel() == panel && game.Label("picPozadi")->isVisible() == titleShown, c.box);
                QVERIFY2(boxes.seen.size() == c.nth, c.box);
                // Qt would drop the close request of a window that a modal window of Qt's blocks.
                QVERIFY2(!QGuiApplication::modalWindow(), c.box);
                auto* field = boxes.current->findChild<QLineEdit*>();
                if (field) {
                    QTest::keyClicks(field, QStringLiteral("12"));
                    field->selectAll();
                    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
                    QVERIFY2(window.isVisible() && field->text().isEmpty(), c.box);
                }
                if (field || (&c - cases) % 2 == 0)
                    AskToClose(window);
                else
                    QTest::keyClick(boxes.current, Qt::Key_X, Qt::ControlModifier);
                // At once: no box waits, nothing is postponed to a later turn of the event loop.
                closedAtOnce = !window.isVisible() && !ModalBoxes::AnyOpen() && !game.StepTimer()->isActive();
            };
            game.Play(c.way);
            QVERIFY2(closedAtOnce, c.box);
        }
    }
};

QTEST_MAIN(GameFlowTest)
#include "tst_GameFlow.moc"
