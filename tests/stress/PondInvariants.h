#pragma once
#include <cstdint>
#include <string>

class modZurk3;

// What must hold for the pond between any two steps, and what one step may change.
// Every check answers with the first fault it finds, in words, or with empty text when all is well.
class PondInvariants {
public:
    // Cells of known kinds only; every live snake, viper and fly owns cells of its kind, its
    // segments in a chain of neighbours; no snake or viper cell without an owner; the house in
    // its place, open exactly when the snake has grown long enough; the golden ball where its
    // keeper says.
    static std::string Check(modZurk3& world);

    // What a step can be told apart by: the points and the snake's length before it.
    struct Before {
        std::int32_t Score = 0;
        int SnakeLength = 0;
    };
    static Before Snapshot(modZurk3& world);
    // A step costs one point and may bring one of the event's points, or nothing at all while the
    // snake waits in its house; the snake grows by at most one segment and never shrinks.
    static std::string CheckStep(const Before& before, modZurk3& world);
    static bool ScoreChangeAllowed(std::int32_t change, bool snakeMoves);

    // After the level objects are released: no snake cell left, no viper cell left inside.
    static std::string CheckReleased(const modZurk3& world);
};
