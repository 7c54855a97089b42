#pragma once
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QWindow;
class SdlLibrary;

// What the game reads of a gamepad: four ways, from the d-pad or the left stick, and four buttons.
enum class PadButton { Up, Right, Down, Left, Start, Back, A, B };

// The player's gamepads, through SDL's game-controller API, which knows how the buttons of
// hundreds of pads are laid out. Owns SDL's game-controller subsystem (without SDL's video) and
// reads it on the window's thread, picking up the pads plugged in and letting go of those
// unplugged. Tells each button as it goes down and up: a way, while any pad holds it by its d-pad
// or leans its left stick there, is one button held, however many pads hold it. The stick leans a
// way once it is pushed half way out, and stops once it is back within its dead zone: one press
// for each time it is pushed out, however it wobbles meanwhile.
class GamepadReader : public QObject {
public:
    using Listener = std::function<void(PadButton button, bool down)>;
    explicit GamepadReader(Listener listener);
    ~GamepadReader() override;

    // Starts SDL once window is first on screen, so that looking for pads costs the start-up
    // nothing. Without SDL's devices the game just has no pad.
    void StartOnceShown(QWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Holds = unsigned;  // one bit for each PadButton held
    // One open pad: SDL keeps its controller, found by the pad's instance id.
    struct Pad {
        Holds buttons = 0;  // the d-pad's ways among them
        int stickX = 0;
        int stickY = 0;
        std::optional<PadButton> stick;  // the way the left stick leans, if it does
        Holds Held() const;
    };

    void Start();
    void Read();
    void Open(int deviceIndex);
    void Close(std::int32_t pad);
    void Button(std::int32_t pad, std::uint8_t button, bool down);
    void Axis(std::int32_t pad, std::uint8_t axis, int value);
    // Tells what the pads hold now and held not before, and the other way round.
    void TellChanges();

    Listener listener_;
    QTimer timer_;
    std::unique_ptr<SdlLibrary> sdl_;
    bool started_ = false;              // SDL's game controllers, once they are up
    std::map<std::int32_t, Pad> pads_;  // by SDL's instance id
    Holds told_ = 0;                    // what the listener was last told is held
};
