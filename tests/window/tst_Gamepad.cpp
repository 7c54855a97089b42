#include <QSlider>

#include "GameWindow.h"
#include "VirtualPad.h"

// The whole game played on a pad, with no key typed: the pad's buttons go to the window in front.
class GamepadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The test's pad is virtual; SDL's HIDAPI drivers would open the machine's own devices.
        SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    }

    // Level 1 is won by way of a ball; level 2 is lost into the wall, the pad unplugged on the way
    // while it holds Up, and another one plugged in.
    void aWholeGameOnAPad() {
        GameFileBytes file(2, 1);
        file.Level(7, 5, 0, 3).House(3, 3, 2).Cell(CellBall, 4, 3, 1);
        file.Level(12, 6, 0, 20).House(3, 3, 2);
        GameWindow game(file);
        QVERIFY(WaitFor([] { return SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0; }));
        auto pad = std::make_unique<VirtualPad>();
        QVERIFY(WaitFor([&] { return pad->Open(); }));
        const auto steer = [&](SDL_GameControllerButton way) {
            pad->Push(way);
            game.Tick();
        };
        // Answers the dialog in front, and waits for the main window to be back in front.
        const auto answer = [&](SDL_GameControllerButton button) {
            pad->Push(button);
            QVERIFY(WaitFor([&] { return QApplication::activeWindow() == game.window.get(); }));
        };
        const auto closeMessage = [&] {
            QDialog* message = GameWindow::DialogInFront();
            QVERIFY(qobject_cast<frmZprava*>(message));
            message->findChild<QTimer*>(QStringLiteral("tmrPryc"))->stop();  // A alone may close it
            answer(SDL_CONTROLLER_BUTTON_A);
        };

        pad->Push(SDL_CONTROLLER_BUTTON_START);
        QVERIFY(game.Label("picPozadi")->isHidden());
        steer(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        QCOMPARE(game.Panel(), (QStringList{"99", "1", "1", "3", "2"}));  // the ball
        for (auto way :
             {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_UP})
            steer(way);
        game.TickUnderABox();
        closeMessage();
        QCOMPARE(game.Shown("lblUroven"), QStringLiteral("2"));

        // The stick presses once half way out and not again until it has been back at rest.
        game.Tick();
        const QStringList inTheHouse = game.Panel();
        pad->Lean(12000);
        game.Tick();
        QCOMPARE(game.Panel(), inTheHouse);
        pad->Lean(30000);
        game.Tick();
        pad->Lean(9000);
        steer(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        pad->Lean(30000);
        game.Tick();
        QCOMPARE(game.SpriteAt(4, 5), 12);
        pad->Lean(0);
        pad->Lean(-30000);
        game.Tick();
        QCOMPARE(game.SpriteAt(3, 5), 13);

        pad->Push(SDL_CONTROLLER_BUTTON_START);
        QVERIFY(!game.StepTimer()->isActive() && game.Label("lblPauza")->isVisible());
        pad->Push(SDL_CONTROLLER_BUTTON_START);  // on again: the next tick comes

        pad->Hold(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
        pad.reset();
        pad = std::make_unique<VirtualPad>();
        QVERIFY(WaitFor([&] { return pad->Open(); }));
        game.Tick();
        steer(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        steer(SDL_CONTROLLER_BUTTON_DPAD_UP);  // Up was let go with the pad that held it
        QCOMPARE(game.SpriteAt(4, 3), 10);
        for (int step = 0; step < 3 && game.StepTimer()->isActive(); ++step) game.TickUnderABox();
        closeMessage();  // the game is lost
        pad->Push(SDL_CONTROLLER_BUTTON_START);
        game.Tick();
        QCOMPARE(game.Panel(), (QStringList{"0", "1", "1", "3", "1"}));
        pad->Push(SDL_CONTROLLER_BUTTON_BACK);
        QVERIFY(!game.Label("picPozadi")->isHidden());

        // The speed dialog takes the arrows on its slider, and A for OK; B cancels a box.
        game.window->findChild<QAction*>(QStringLiteral("mnuNastav"))->trigger();
        QDialog* dialog = GameWindow::DialogInFront();
        QVERIFY(dialog);
        pad->Push(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        QCOMPARE(dialog->findChild<QSlider*>()->value(), 1);
        answer(SDL_CONTROLLER_BUTTON_A);
        QCOMPARE(game.StepTimer()->interval(), 140);
        game.window->findChild<QAction*>(QStringLiteral("mnuHraInformace"))->trigger();
        QVERIFY(GameWindow::DialogInFront());
        answer(SDL_CONTROLLER_BUTTON_B);
    }
};

QTEST_MAIN(GamepadTest)
#include "tst_Gamepad.moc"
