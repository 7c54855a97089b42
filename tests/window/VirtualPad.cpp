#include "VirtualPad.h"

VirtualPad::VirtualPad() {
    SDL_VirtualJoystickDesc pad{};
    pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    pad.naxes = SDL_CONTROLLER_AXIS_MAX;
    pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    joystick_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&pad));
    id_ = SDL_JoystickInstanceID(joystick_);
}

VirtualPad::~VirtualPad() {
    for (int n = 0; n < SDL_NumJoysticks(); ++n)
        if (SDL_JoystickGetDeviceInstanceID(n) == id_) SDL_JoystickDetachVirtual(n);
    SDL_JoystickClose(joystick_);
}
