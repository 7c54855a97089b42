#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "pond/CellKinds.h"

constexpr int MaxFieldWidth = 50;
constexpr int MaxFieldHeight = 40;
constexpr std::size_t MaxFieldCells = std::size_t{MaxFieldWidth} * MaxFieldHeight;

struct MapCell {
    std::uint8_t Kind = 0;
    std::uint8_t Param = 0;  // ball colour, viper length or the snake's initial length
    bool operator==(const MapCell&) const = default;
};

// What a level's cell holds before any cell record: wall on the border, free water inside.
constexpr MapCell StandardCell(int x, int y, int width, int height) {
    const bool border = x == 1 || x == width || y == 1 || y == height;
    return MapCell{border ? CellWall : CellFree, 0};
}

// One level as the game file describes it; also the shape of the current level in play.
struct LevelRecord {
    std::int16_t LevelFlags = 0;
    std::int16_t RequiredLength = 0;
    std::uint8_t FieldWidth = 0;
    std::uint8_t FieldHeight = 0;
    std::uint8_t RandomBalls = 0;
    std::uint8_t RandomFlies = 0;
    std::uint8_t RandomBoulders = 0;
    std::uint8_t GoldenBallChance = 0;
    std::array<MapCell, MaxFieldCells> LevelMap{};  // x varies fastest

    // Callers keep 1 <= x <= 50 and 1 <= y <= 40.
    MapCell& Cell(int x, int y) { return LevelMap[GridIndex(x, y, MaxFieldWidth)]; }
    const MapCell& Cell(int x, int y) const { return LevelMap[GridIndex(x, y, MaxFieldWidth)]; }

    bool IsBonus() const;
};
