#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "pond/KeyStateWords.h"
#include "snake/clsKB.h"

// A person's fingers on the arrow keys against the clock of the steps. Each press goes down at
// its moment and comes up a little later; at each step's tick the game reads the keys through
// its own reader and in its own order, so the rules alone decide at which step a press counts.
// Times are in milliseconds from the level's start; step n ticks at n step lengths.
class TimedKeyboard {
public:
    // A brisk tap. A key still down when a step reads it and not asked at the next step swallows
    // its next press (the reader saw it down last), so longer taps lose turns in tight zigzags.
    static constexpr double HoldMs = 20;

    explicit TimedKeyboard(double stepMs);

    // The arrow of a direction (1..4) goes down at downMs. A press while that key is still down
    // is lost, as on a real keyboard.
    void Press(int direction, double downMs);
    // A press of this arrow still to come, or made and waiting for a step that will take it.
    bool Outstanding(int direction) const;
    // Of the arrows outstanding, the one a step takes first; 0 when none is.
    int FirstOutstanding() const;
    // The tick of step n: the keys move as the presses until then say, and the game reads them.
    // The direction it takes, 0 for none.
    int Tick(int step);

private:
    struct Event {
        double Ms;
        int Direction;
        bool Down;
    };

    double stepMs_;
    KeyStateWords words_;
    clsKB keyboard_;
    std::vector<Event> events_;      // in order of time
    std::array<bool, 5> untaken_{};  // by direction: went down since a step last took it
};
