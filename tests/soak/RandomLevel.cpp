#include "tests/soak/RandomLevel.h"

#include "pond/CellKinds.h"

namespace {
int Between(std::mt19937& rng, int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

void FillInterior(LevelRecord& level, std::mt19937& rng) {
    // How crowded the level is, from open water to a maze.
    const int wallPercent = Between(rng, 0, 35);
    const int itemPercent = Between(rng, 0, 12);
    for (int x = 2; x < level.FieldWidth; ++x)
        for (int y = 2; y < level.FieldHeight; ++y) {
            MapCell& cell = level.Cell(x, y);
            if (Between(rng, 1, 100) <= wallPercent) {
                cell = {CellWall, 0};
            } else if (Between(rng, 1, 100) <= itemPercent) {
                switch (Between(rng, 0, 3)) {
                case 0: cell = {CellBall, static_cast<std::uint8_t>(Between(rng, 0, 9))}; break;
                case 1: cell = {CellBoulder, 0}; break;
                case 2: cell = {CellFly, static_cast<std::uint8_t>(Between(rng, 0, 255))}; break;
                default: cell = {CellViper, static_cast<std::uint8_t>(Between(rng, 0, 15))}; break;
                }
            }
        }
}

// Holes of free water, balls or boulders in the border wall: the snake may leave the pond there.
void BreakRing(LevelRecord& level, std::mt19937& rng) {
    const int holes = Between(rng, 1, 6);
    for (int i = 0; i < holes; ++i) {
        const bool vertical = Between(rng, 0, 1) == 1;
        const int x = vertical ? (Between(rng, 0, 1) ? 1 : level.FieldWidth) : Between(rng, 1, level.FieldWidth);
        const int y = vertical ? Between(rng, 1, level.FieldHeight) : (Between(rng, 0, 1) ? 1 : level.FieldHeight);
        const std::uint8_t kinds[] = {CellFree, CellFree, CellBall, CellBoulder};
        level.Cell(x, y) = {kinds[Between(rng, 0, 3)], 0};
    }
}

void PlaceHouses(LevelRecord& level, std::mt19937& rng) {
    const int chance = Between(rng, 0, 19);
    const int houses = chance == 0 ? 0 : chance == 1 ? 2 : 1;
    for (int i = 0; i < houses; ++i) {
        const int x = Between(rng, 2, level.FieldWidth - 1);
        const int y = Between(rng, 2, level.FieldHeight - 1);
        level.Cell(x, y) = {CellHouse, static_cast<std::uint8_t>(Between(rng, 0, 12))};
    }
}

std::uint8_t Count(std::mt19937& rng) {
    const int kind = Between(rng, 0, 9);
    return static_cast<std::uint8_t>(kind == 0 ? Between(rng, 100, 255) : kind < 4 ? 0 : Between(rng, 1, 30));
}
}  // namespace

LevelRecord RandomLevel::Make(std::mt19937& rng) {
    LevelRecord level;
    level.FieldWidth = static_cast<std::uint8_t>(Between(rng, 3, MaxFieldWidth));
    level.FieldHeight = static_cast<std::uint8_t>(Between(rng, 3, MaxFieldHeight));
    level.LevelFlags = static_cast<std::int16_t>(Between(rng, 0, 3));
    level.RequiredLength = static_cast<std::int16_t>(Between(rng, -2, 60));
    level.RandomBalls = Count(rng);
    level.RandomFlies = Count(rng);
    level.RandomBoulders = Count(rng);
    level.GoldenBallChance = static_cast<std::uint8_t>(Between(rng, 0, 100));
    for (int x = 1; x <= level.FieldWidth; ++x)
        for (int y = 1; y <= level.FieldHeight; ++y)
            level.Cell(x, y) = StandardCell(x, y, level.FieldWidth, level.FieldHeight);
    FillInterior(level, rng);
    if (Between(rng, 0, 4) == 0) BreakRing(level, rng);
    PlaceHouses(level, rng);
    return level;
}
