#pragma once
// Why: linking SDL would load it, and the twenty libraries that Debian's SDL links for its video
// and sound, as the program starts, which made the start-up a tenth slower (measure/startup.sh
// beside a build without SDL); loaded once the window is on screen, it costs the start-up nothing.
// Can go when: the SDL the game builds with links no more than its game controllers need; then
// the game links SDL and calls it directly.
#include <QLibrary>
#include <SDL.h>

// SDL 2's library, loaded at run time, with the calls the game makes of it. Without the library,
// or one that lacks a call, it is not Loaded and the game has no pads.
class SdlLibrary {
public:
    SdlLibrary();

    bool Loaded() const { return loaded_; }

    decltype(&SDL_SetHintWithPriority) SetHintWithPriority = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_PumpEvents) PumpEvents = nullptr;
    decltype(&SDL_PeepEvents) PeepEvents = nullptr;
    decltype(&SDL_GameControllerOpen) GameControllerOpen = nullptr;
    decltype(&SDL_GameControllerClose) GameControllerClose = nullptr;
    decltype(&SDL_GameControllerGetJoystick) GameControllerGetJoystick = nullptr;
    decltype(&SDL_GameControllerFromInstanceID) GameControllerFromInstanceID = nullptr;
    decltype(&SDL_JoystickInstanceID) JoystickInstanceID = nullptr;

private:
    QLibrary library_;
    bool loaded_ = false;
};
