#pragma once
#include <cstddef>
#include <cstdint>

// Cell kind codes: the same bytes stand in the game file, the level map and the playfield.
constexpr std::uint8_t CellFree = 2;
constexpr std::uint8_t CellWall = 10;
constexpr std::uint8_t CellBoulder = 11;
constexpr std::uint8_t CellBall = 12;
constexpr std::uint8_t CellFly = 13;
constexpr std::uint8_t CellGoldenBall = 14;
constexpr std::uint8_t CellSnake = 50;
constexpr std::uint8_t CellViper = 51;
constexpr std::uint8_t CellHouse = 100;

// The house's Data tells whether it is open; there is no other flag.
constexpr int HouseClosedSprite = 24;
constexpr int HouseOpenSprite = 25;

// Directions shared by the snake, the vipers and the flies.
constexpr int DirNone = 0;
constexpr int DirUp = 1;
constexpr int DirRight = 2;
constexpr int DirDown = 3;
constexpr int DirLeft = 4;

struct CellPos {
    int x = 0;
    int y = 0;
    bool operator==(const CellPos&) const = default;
};

// The neighbour of (x, y) in direction dir; direction 0 (or any other value) stays put.
constexpr CellPos Neighbour(int x, int y, int dir) {
    switch (dir) {
    case DirUp: return {x, y - 1};
    case DirRight: return {x + 1, y};
    case DirDown: return {x, y + 1};
    case DirLeft: return {x - 1, y};
    default: return {x, y};
    }
}

constexpr bool IsDirection(int dir) { return dir >= DirUp && dir <= DirLeft; }

// Where cell (x, y) of a grid width cells wide is kept: row after row, x varying fastest.
constexpr std::size_t GridIndex(int x, int y, int width) {
    return static_cast<std::size_t>(x - 1) + static_cast<std::size_t>(y - 1) * static_cast<std::size_t>(width);
}

// True when bit 0 is set; asked of LevelFlags to tell a bonus level.
constexpr bool IsOdd(std::uint8_t b) { return (b & 1) != 0; }
