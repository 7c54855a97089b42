#include "TestPond.h"

#include "game/LevelSetUp.h"

namespace {
MapCell CellFor(char c) {
    switch (c) {
    case '#': return {CellWall, 0};
    case '.': return {CellFree, 0};
    case 'H': return {CellHouse, 3};
    case 'o': return {CellBall, 0};
    case 'B': return {CellBoulder, 0};
    case 'F': return {CellFly, 0};
    case 'V': return {CellViper, 1};
    case 'G': return {CellGoldenBall, 0};
    case 'S': return {CellSnake, 22};
    case '?': return {77, 0};
    default:
        if (c >= '1' && c <= '6') return {CellBall, static_cast<std::uint8_t>(c - '0')};
        return {CellFree, 0};
    }
}

char CharFor(std::uint8_t kind) {
    switch (kind) {
    case CellWall: return '#';
    case CellFree: return '.';
    case CellHouse: return 'H';
    case CellBall: return 'o';
    case CellBoulder: return 'B';
    case CellFly: return 'F';
    case CellViper: return 'V';
    case CellGoldenBall: return 'G';
    case CellSnake: return 'S';
    default: return '?';
    }
}
}  // namespace

TestPond::TestPond(const std::vector<std::string>& rows) : world(random, painter, cues, frontEnd) {
    world.Level.FieldHeight = static_cast<std::uint8_t>(rows.size());
    world.Level.FieldWidth = static_cast<std::uint8_t>(rows.empty() ? 0 : rows[0].size());
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            world.Level.Cell(static_cast<int>(x) + 1, static_cast<int>(y) + 1) = CellFor(rows[y][x]);
}

void TestPond::SetUp() { SetUpLevel(world); }

void TestPond::CopyMapOnly() {
    world.Field.Dimension(world.Level.FieldWidth, world.Level.FieldHeight);
    for (int x = 1; x <= world.Field.Width(); ++x)
        for (int y = 1; y <= world.Field.Height(); ++y) {
            const MapCell& cell = world.Level.Cell(x, y);
            world.Field.At(x, y) = FieldCell{cell.Kind, cell.Kind == CellHouse ? HouseClosedSprite : cell.Param};
            if (cell.Kind == CellHouse) {
                world.HouseX = static_cast<std::uint8_t>(x);
                world.HouseY = static_cast<std::uint8_t>(y);
            }
        }
}

std::vector<std::string> TestPond::Picture() const {
    std::vector<std::string> rows;
    for (int y = 1; y <= world.Field.Height(); ++y) {
        std::string row;
        for (int x = 1; x <= world.Field.Width(); ++x) row += CharFor(world.Field.Kind(x, y));
        rows.push_back(row);
    }
    return rows;
}

clsZurk& TestPond::PlaceSnake(int x, int y, int h1) {
    world.Snake = std::make_unique<clsZurk>(world, world.Creatures);
    world.Snake->Poloz(x, y, h1);
    return *world.Snake;
}
