#pragma once
#include <SDL.h>

// A virtual pad of SDL's, plugged into the game's SDL and pressed as a player presses a pad. Each
// change returns once SDL has read it, which it does only as the game reads its pads, and so once
// the game has been told.
class VirtualPad {
public:
    VirtualPad();
    ~VirtualPad();

    // Whether the game has the pad open.
    bool Open() const { return SDL_GameControllerFromInstanceID(id_) != nullptr; }
    void Hold(SDL_GameControllerButton button, bool down) const;
    void Push(SDL_GameControllerButton button) const {
        Hold(button, true);
        Hold(button, false);
    }
    // The left stick pushed right by value.
    void Lean(Sint16 value) const;

private:
    SDL_Joystick* joystick_;
    SDL_JoystickID id_;
};
