#include "app/GamepadReader.h"

#include <QEvent>
#include <QWindow>

#include "app/SdlLibrary.h"

namespace {
// How far out the left stick leans, of SDL's 32767: half way out presses a way, and the way is let
// go once the stick is back within the dead zone, where a stick at rest seldom reads 0 exactly.
constexpr int PushedOut = 16384;
constexpr int DeadZone = 8000;
// Well within the game's shortest step (50 ms), so a press is never a step late.
constexpr int ReadPadsMs = 10;
// With no pad there, soon enough to find one plugged in, rarely enough to let an idle machine sleep.
constexpr int LookForPadsMs = 500;
constexpr int PadButtons = static_cast<int>(PadButton::B) + 1;

constexpr unsigned Bit(PadButton button) { return 1U << static_cast<unsigned>(button); }

std::optional<PadButton> Meaning(std::uint8_t button) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return PadButton::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return PadButton::Right;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return PadButton::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return PadButton::Left;
    case SDL_CONTROLLER_BUTTON_START: return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_BACK: return PadButton::Back;
    case SDL_CONTROLLER_BUTTON_A: return PadButton::A;
    case SDL_CONTROLLER_BUTTON_B: return PadButton::B;
    default: return std::nullopt;
    }
}

// How far a stick at (x, y) leans towards a way; SDL's y grows downwards.
int Lean(PadButton way, int x, int y) {
    switch (way) {
    case PadButton::Up: return -y;
    case PadButton::Down: return y;
    case PadButton::Left: return -x;
    default: return x;
    }
}

// The way a stick at (x, y) leans, given the way it leaned before.
std::optional<PadButton> StickWay(int x, int y, std::optional<PadButton> before) {
    PadButton most = PadButton::Up;
    for (PadButton way : {PadButton::Right, PadButton::Down, PadButton::Left})
        if (Lean(way, x, y) > Lean(most, x, y)) most = way;
    // A stick that leans on keeps its way, unless it turned well past the diagonal to another one:
    // held on the diagonal, it must not wobble between the two.
    if (before && Lean(*before, x, y) > DeadZone && Lean(most, x, y) < Lean(*before, x, y) + (PushedOut - DeadZone))
        return before;
    if (Lean(most, x, y) >= PushedOut) return most;
    return std::nullopt;
}
}  // namespace

GamepadReader::Holds GamepadReader::Pad::Held() const { return buttons | (stick ? Bit(*stick) : 0); }

GamepadReader::GamepadReader(Listener listener) : listener_(std::move(listener)) {
    connect(&timer_, &QTimer::timeout, this, &GamepadReader::Read);
}

GamepadReader::~GamepadReader() {
    if (!started_) return;
    for (const auto& [id, pad] : pads_) sdl_->GameControllerClose(sdl_->GameControllerFromInstanceID(id));
    sdl_->QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void GamepadReader::StartOnceShown(QWindow& window) { window.installEventFilter(this); }

bool GamepadReader::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        // Once the window has painted what this expose is on its way to show.
        QTimer::singleShot(0, this, &GamepadReader::Start);
    }
    return QObject::eventFilter(watched, event);
}

void GamepadReader::Start() {
    sdl_ = std::make_unique<SdlLibrary>();
    if (!sdl_->Loaded()) return;
    // SDL would take SIGINT and SIGTERM for a quit event of its own, which nothing here reads, and
    // the game would no longer end on them.
    sdl_->SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
    if (sdl_->InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
    started_ = true;
    timer_.start(LookForPadsMs);
    Read();  // the pads plugged in already
}

void GamepadReader::Read() {
    sdl_->PumpEvents();
    SDL_Event event;
    // Only what is queued now: a pad that never rests cannot keep the window's thread here.
    while (sdl_->PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED: Open(event.cdevice.which); break;
        case SDL_CONTROLLERDEVICEREMOVED: Close(event.cdevice.which); break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            Button(event.cbutton.which, event.cbutton.button, event.cbutton.state == SDL_PRESSED);
            break;
        case SDL_CONTROLLERAXISMOTION: Axis(event.caxis.which, event.caxis.axis, event.caxis.value); break;
        default: break;
        }
    }
    timer_.setInterval(pads_.empty() ? LookForPadsMs : ReadPadsMs);
}

void GamepadReader::Open(int deviceIndex) {
    SDL_GameController* controller = sdl_->GameControllerOpen(deviceIndex);
    if (!controller) return;  // gone again already
    // SDL tells a pad plugged in by its place among the devices, which may since have come to be
    // that of a pad open already; each is opened once.
    if (!pads_.try_emplace(sdl_->JoystickInstanceID(sdl_->GameControllerGetJoystick(controller))).second)
        sdl_->GameControllerClose(controller);
}

void GamepadReader::Close(std::int32_t pad) {
    if (pads_.erase(pad) == 0) return;
    sdl_->GameControllerClose(sdl_->GameControllerFromInstanceID(pad));
    TellChanges();  // whatever it held is let go
}

void GamepadReader::Button(std::int32_t pad, std::uint8_t button, bool down) {
    const auto open = pads_.find(pad);
    const std::optional<PadButton> meaning = Meaning(button);
    if (open == pads_.end() || !meaning) return;
    if (down)
        open->second.buttons |= Bit(*meaning);
    else
        open->second.buttons &= ~Bit(*meaning);
    TellChanges();
}

void GamepadReader::Axis(std::int32_t pad, std::uint8_t axis, int value) {
    const auto open = pads_.find(pad);
    if (open == pads_.end()) return;
    Pad& read = open->second;
    if (axis == SDL_CONTROLLER_AXIS_LEFTX)
        read.stickX = value;
    else if (axis == SDL_CONTROLLER_AXIS_LEFTY)
        read.stickY = value;
    else
        return;
    read.stick = StickWay(read.stickX, read.stickY, read.stick);
    TellChanges();
}

void GamepadReader::TellChanges() {
    Holds held = 0;
    for (const auto& [id, pad] : pads_) held |= pad.Held();
    const Holds changed = held ^ told_;
    told_ = held;
    // What is let go first, so that a stick turning from one way to the next never holds both.
    for (const bool down : {false, true})
        for (int n = 0; n < PadButtons; ++n) {
            const auto button = static_cast<PadButton>(n);
            if ((changed & Bit(button)) != 0 && ((held & Bit(button)) != 0) == down) listener_(button, down);
        }
}
