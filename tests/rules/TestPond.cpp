#include "TestPond.h"

#include <string_view>

#include "game/LevelSetUp.h"

namespace {
MapCell CellFor(char c) {
    constexpr std::string_view marks = "#HoBFVGS?";
    constexpr MapCell cells[] = {{CellWall, 0},  {CellHouse, 3},      {CellBall, 0},   {CellBoulder, 0}, {CellFly, 0},
                                 {CellViper, 1}, {CellGoldenBall, 0}, {CellSnake, 22}, {77, 0}};
    if (const std::size_t at = marks.find(c); at != std::string_view::npos) return cells[at];
    return c >= '1' && c <= '6' ? MapCell{CellBall, static_cast<std::uint8_t>(c - '0')} : MapCell{CellFree, 0};
}
}  // namespace

TestPond::TestPond(const std::vector<std::string>& rows) : world(random, painter, cues, frontEnd) {
    world.Level.FieldHeight = static_cast<std::uint8_t>(rows.size());
    world.Level.FieldWidth = static_cast<std::uint8_t>(rows.empty() ? 0 : rows[0].size());
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            world.Level.Cell(static_cast<int>(x) + 1, static_cast<int>(y) + 1) = CellFor(rows[y][x]);
}

std::vector<std::string> TestPond::Walled(int width, int height, char fill) {
    std::vector<std::string> rows(static_cast<std::size_t>(height),
                                  '#' + std::string(static_cast<std::size_t>(width - 2), fill) + '#');
    rows.front() = rows.back() = std::string(static_cast<std::size_t>(width), '#');
    return rows;
}

void TestPond::SetUp() { SetUpLevel(world); }

void TestPond::CopyMapOnly() {
    CopyLevelMap(world);
    world.DrawPlayfield();
}

clsZurk& TestPond::PlaceSnake(int x, int y, int h1) {
    world.Snake = std::make_unique<clsZurk>(world, world.Creatures);
    world.Snake->Poloz(x, y, h1);
    return *world.Snake;
}

clsZmije& TestPond::AddViper(int x, int y, int h1) {
    auto& viper = *world.Creatures.Vipers.emplace_back(std::make_unique<clsZmije>(world));
    viper.Poloz(x, y, h1);
    return viper;
}

clsMuska& TestPond::AddFly(int x, int y) {
    auto& fly = *world.Creatures.Flies.emplace_back(std::make_unique<clsMuska>(world));
    fly.Poloz(x, y, static_cast<int>(world.Creatures.Flies.size()));
    return fly;
}

void TestPond::Steps(int n, int direction) {
    for (int i = 0; i < n; ++i) snake().Posun(i == 0 ? direction : 0);
}
