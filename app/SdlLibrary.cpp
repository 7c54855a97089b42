#include "app/SdlLibrary.h"

namespace {
template <typename Function>
bool Resolve(QLibrary& library, const char* name, Function*& call) {
    call = reinterpret_cast<Function*>(library.resolve(name));
    return call != nullptr;
}
}  // namespace

// SDL 2 keeps the name of its library for as long as it is SDL 2.
SdlLibrary::SdlLibrary() : library_(QStringLiteral("SDL2-2.0"), 0) {
    loaded_ = library_.load() && Resolve(library_, "SDL_SetHintWithPriority", SetHintWithPriority) &&
              Resolve(library_, "SDL_InitSubSystem", InitSubSystem) &&
              Resolve(library_, "SDL_QuitSubSystem", QuitSubSystem) &&
              Resolve(library_, "SDL_PumpEvents", PumpEvents) && Resolve(library_, "SDL_PeepEvents", PeepEvents) &&
              Resolve(library_, "SDL_GameControllerOpen", GameControllerOpen) &&
              Resolve(library_, "SDL_GameControllerClose", GameControllerClose) &&
              Resolve(library_, "SDL_GameControllerGetJoystick", GameControllerGetJoystick) &&
              Resolve(library_, "SDL_GameControllerFromInstanceID", GameControllerFromInstanceID) &&
              Resolve(library_, "SDL_JoystickInstanceID", JoystickInstanceID);
}
