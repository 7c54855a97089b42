#include "measure/bench/BusyPond.h"

#include "game/GameStep.h"
#include "game/LevelSetUp.h"

namespace {
constexpr int Width = 50;
constexpr int Height = 40;
constexpr int TrackBottom = 9;  // the track fills rows 2..9, wall below it
constexpr int HouseX = 2;
constexpr int HouseY = 10;  // in that wall, opening onto the track only
constexpr int SnakeLength = 300;
constexpr int ViperLength = 10;
constexpr int Flies = 150;

// The track is one closed loop: up column 2, then right and left along the rows, down at the ends.
int TrackDirection(int x, int y) {
    if (y > TrackBottom) return DirUp;  // leaving the house
    if (x == 2) return y == 2 ? DirRight : DirUp;
    const bool rightwards = (y - 2) % 2 == 0;
    if (rightwards) return x == Width - 1 ? DirDown : DirRight;
    if (x > 3) return DirLeft;
    return y == TrackBottom ? DirLeft : DirDown;
}
}  // namespace

BusyPond::BusyPond(std::uint32_t seed) : headless_(seed), world_(headless_.world) {}

LevelRecord BusyPond::Level() {
    LevelRecord level;
    level.FieldWidth = Width;
    level.FieldHeight = Height;
    level.RequiredLength = 0;  // the house never opens: the snake circles for good
    level.GoldenBallChance = 100;
    for (int x = 1; x <= Width; ++x)
        for (int y = 1; y <= Height; ++y) {
            const bool wall = x == 1 || x == Width || y == 1 || y == Height || y == TrackBottom + 1;
            level.Cell(x, y) = {wall ? CellWall : CellFree, 0};
        }
    // The house holds a snake of 255; nine balls on the first row of the track make it 300.
    level.Cell(HouseX, HouseY) = {CellHouse, 255};
    for (int i = 0; i < 9; ++i) level.Cell(10 + 2 * i, 2) = {CellBall, 0};
    for (int i = 0; i < 40; ++i) level.Cell(4 + 5 * (i % 10), 13 + 7 * (i / 10)) = {CellViper, ViperLength};
    for (int placed = 0, k = 0; placed < Flies; ++k) {
        MapCell& cell = level.Cell(2 + (k * 7) % (Width - 2), TrackBottom + 2 + (k * 13) % (Height - TrackBottom - 3));
        if (cell.Kind != CellFree) continue;
        cell = {CellFly, 0};
        ++placed;
    }
    return level;
}

void BusyPond::SetUp() {
    world_.ReleaseLevelObjects();
    world_.Level = Level();
    world_.GameState = StateNone;
    SetUpLevel(world_);
}

void BusyPond::Build() {
    SetUp();
    world_.GameState = StateRunning;
    // The snake grows on its own first: vipers left to roam for 300 steps box each other in.
    while (Running() && world_.Snake->Delka() < SnakeLength) world_.Snake->Posun(NextDirection());
    for (int step = 1; step < ViperLength; ++step) MovePond(world_, NextDirection());
}

int BusyPond::NextDirection() {
    const CellPos head = world_.Snake->Head();
    return TrackDirection(head.x, head.y);
}
