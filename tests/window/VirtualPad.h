#pragma once
#include <SDL.h>

#include "WaitFor.h"

// A virtual pad of SDL's, plugged into the game's SDL and pressed as a player presses a pad. Each
// change returns once SDL has read it, which it does only as the game reads its pads, and so once
// the game has been told.
class VirtualPad {
public:
    VirtualPad();
    ~VirtualPad();

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
