#pragma once
#include <Qt>
#include <functional>

#include "app/GamepadReader.h"

// What the player's gamepads do: each of their buttons does what a key does in whichever window of
// the game is in front, for that window, so the game and its windows take the pad as they take the
// keyboard. The d-pad and the left stick are the arrow keys, Start is Space or F2, Back is F3, A is
// Enter and B is Escape: each press a press of its key and each release a release, never a repeat.
// In a dialog A answers OK (or closes the message window) as Enter does in a box, the speed dialog
// too, whose buttons take no Enter.
class GamepadKeys {
public:
    // startKey: the key Start stands for when it is pressed.
    explicit GamepadKeys(std::function<Qt::Key()> startKey);

    // Reads the pads once window is on screen.
    void StartOnceShown(QWindow& window) { reader_.StartOnceShown(window); }

private:
    void Tell(PadButton button, bool down);
    Qt::Key KeyOf(PadButton button, bool down);

    std::function<Qt::Key()> startKey_;
    Qt::Key startHeld_ = Qt::Key_Space;  // what the Start being held stood for as it went down
    GamepadReader reader_;
};
