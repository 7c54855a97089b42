#include <QSlider>
#include <SDL.h>

#include "GameWindow.h"

// A virtual pad of SDL's, plugged into the game's SDL and pressed as a player presses a pad. Each
// change returns once SDL has read it, which it does only as the game reads its pads, and so once
// the game has been told.
class VirtualPad {
public:
    VirtualPad() {
        SDL_VirtualJoystickDesc pad{};
        pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        pad.naxes = SDL_CONTROLLER_AXIS_MAX;
        pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        joystick_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&pad));
        id_ = SDL_JoystickInstanceID(joystick_);
    }
    ~VirtualPad() {
        for (int n = 0; n < SDL_NumJoysticks(); ++n)
            if (SDL_JoystickGetDeviceInstanceID(n) == id_) SDL_JoystickDetachVirtual(n);
        SDL_JoystickClose(joystick_);
    }
    // Whether the game has the pad open.
    bool Open() const { return SDL_GameControllerFromInstanceID(id_) != nullptr; }
    void Hold(SDL_GameControllerButton button, bool down) const {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
        QVERIFY(WaitFor([&] { return SDL_JoystickGetButton(joystick_, button) == (down ? 1 : 0); }));
    }
    void Push(SDL_GameControllerButton button) const {
        Hold(button, true);
        Hold(button, false);
    }
    // The left stick pushed right by value.
    void Lean(Sint16 value) const {
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, value);
        QVERIFY(WaitFor([&] { return SDL_JoystickGetAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX) == value; }));
    }

private:
    SDL_Joystick* joystick_;
    SDL_JoystickID id_;
};

// The whole game played on a pad, with no key typed: the pad's buttons go to the window in front.
class GamepadTest : public QObject {
    Q_OBJECT

private:
    // The dialog in front, once one has come there.
    static QDialog* InFront() {
        WaitFor([] { return qobject_cast<QDialog*>(QApplication::activeWindow()) != nullptr; });
        return qobject_cast<QDialog*>(QApplication::activeWindow());
    }

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
            QDialog* message = InFront();
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
        pad->Push(SDL_CONTROLLER_BUTTON_START);
        QVERIFY(game.StepTimer()->isActive());

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
        QDialog* dialog = InFront();
        QVERIFY(dialog);
        pad->Push(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        QCOMPARE(dialog->findChild<QSlider*>()->value(), 1);
        answer(SDL_CONTROLLER_BUTTON_A);
        QCOMPARE(game.StepTimer()->interval(), 140);
        game.window->findChild<QAction*>(QStringLiteral("mnuHraInformace"))->trigger();
        QVERIFY(InFront());
        answer(SDL_CONTROLLER_BUTTON_B);
    }
};

QTEST_MAIN(GamepadTest)
#include "tst_Gamepad.moc"
