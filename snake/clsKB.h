#pragma once
#include <array>
#include <cstdint>

#include "pond/KeyStateSource.h"

// Tells new presses of twenty keys from the difference between two readings of each key,
// so a press that went down and up between two steps is still caught, and never twice.
class clsKB {
public:
    enum class Key {
        CONTROL,
        PRIOR,
        NEXT,
        END,
        HOME,
        LEFT,
        UP,
        RIGHT,
        DOWN,
        NUMPAD1,
        NUMPAD3,
        NUMPAD7,
        NUMPAD9,
        A,
        D,
        Q,
        S,
        W,
        X,
        Z,
        Count
    };

    explicit clsKB(const KeyStateSource& keys);

    // A fresh picture of all twenty keys: keys already down report no press.
    void GetKeyboard();

    // Pressed since this key was last asked about. Asking updates the saved reading.
    bool Press(Key key);
    // Down now, or pressed and released since it was last asked about.
    bool Hold(Key key);

    bool PressUP() { return Press(Key::UP); }
    bool PressRIGHT() { return Press(Key::RIGHT); }
    bool PressDOWN() { return Press(Key::DOWN); }
    bool PressLEFT() { return Press(Key::LEFT); }

    static int VirtualKey(Key key);

private:
    const KeyStateSource& keys_;
    std::array<std::int16_t, static_cast<int>(Key::Count)> saved_{};
};
