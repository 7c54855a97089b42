#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "pond/CellKinds.h"
#include "pond/CellPainter.h"
#include "pond/CellSprites.h"
#include "pond/LevelRecord.h"

class modZurk3;

// Remembers the last picture painted on every cell of the pond, as the screen would show it.
class ShadowPainter : public CellPainter {
public:
    ShadowPainter() { Clear(); }
    void PaintSprite(int x, int y, int sprite) override { Remember(x, y, sprite); }
    void PaintWhiteBox(int x, int y) override { Remember(x, y, 0); }
    void Clear() { shown_.assign(MaxFieldCells, Nothing); }
    // The sprite last painted on cell (x, y): 0 for the white box, Nothing when none was.
    int Shown(int x, int y) const { return shown_[GridIndex(x, y, MaxFieldWidth)]; }

    static constexpr int Nothing = -1;

private:
    void Remember(int x, int y, int sprite) {
        if (x >= 1 && x <= MaxFieldWidth && y >= 1 && y <= MaxFieldHeight)
            shown_[GridIndex(x, y, MaxFieldWidth)] = sprite;
    }

    std::vector<int> shown_;
};

// What must hold for the pond between any two steps, and what one step may change.
// Every check answers with the first fault it finds, in words, or with empty text when all is well.
class PondInvariants {
public:
    // Cells of known kinds only; every live snake, viper and fly owns cells of its kind, its
    // segments in a chain of neighbours; no snake or viper cell without an owner; the house in
    // its place, open exactly when the snake has grown long enough; the golden ball where its
    // keeper says; and, once a level with a snake is drawn, every cell on screen showing what
    // the cell holds, so that no change was left undrawn.
    static std::string Check(const modZurk3& world, const ShadowPainter& screen);

    // One step of the pond in direction, then its checks: a step costs one point and may bring one
    // of the event's points, or nothing at all while the snake waits in its house; the snake grows
    // by at most one segment and never shrinks; and the pond holds as Check asks.
    static std::string Step(modZurk3& world, const ShadowPainter& screen, int direction);

    // After the level objects are released: no snake cell left, no viper cell left inside.
    static std::string CheckReleased(const modZurk3& world);

private:
    // What a step can be told apart by: the points and the snake's length before it.
    struct Before {
        std::int32_t Score = 0;
        int SnakeLength = 0;
    };
    static std::string CheckStep(const Before& before, const modZurk3& world);
};
