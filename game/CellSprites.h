#pragma once
#include <cstdint>

#include "game/Playfield.h"

constexpr int SpriteCount = 45;
constexpr int WhiteBoxSprite = 0;  // no picture: drawn as a white box

// Which of the 45 pictures a cell shows; WhiteBoxSprite for an unknown kind or a Data with no picture.
int SpriteForCell(const FieldCell& cell);

// The pixel of the pond where cell (x, y) starts, in 16-bit arithmetic like the surface's units.
inline int CellPixel(int coordinate, int cellSize) {
    return static_cast<std::int16_t>((coordinate - 1) * cellSize);
}
