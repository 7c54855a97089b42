#include "VirtualPad.h"

#include "WaitFor.h"

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

void VirtualPad::Hold(SDL_GameControllerButton button, bool down) const {
    SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
    QVERIFY(WaitFor([&] { return SDL_JoystickGetButton(joystick_, button) == (down ? 1 : 0); }));
}

void VirtualPad::Lean(Sint16 value) const {
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, value);
    QVERIFY(WaitFor([&] { return SDL_JoystickGetAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX) == value; }));
}
