#include "tools/levels/LevelChecker.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <optional>

#include "pond/CellKinds.h"
#include "pond/Scoring.h"

namespace {

std::string At(int x, int y) {
    std::string text("(");
    return text.append(std::to_string(x)).append(", ").append(std::to_string(y)).append(")");
}

std::size_t MapIndex(int x, int y) { return GridIndex(x, y, MaxFieldWidth); }

bool Interior(const LevelRecord& level, int x, int y) {
    return x > 1 && x < level.FieldWidth && y > 1 && y < level.FieldHeight;
}

// The snake's house is the last house cell column by column, as level set-up finds it.
std::optional<CellPos> SnakeHouse(const LevelRecord& level) {
    std::optional<CellPos> house;
    for (int x = 1; x <= level.FieldWidth; ++x)
        for (int y = 1; y <= level.FieldHeight; ++y)
            if (level.Cell(x, y).Kind == CellHouse) house = CellPos{x, y};
    return house;
}

bool Passable(const LevelRecord& level, int x, int y) {
    if (x < 1 || x > level.FieldWidth || y < 1 || y > level.FieldHeight) return false;
    const std::uint8_t kind = level.Cell(x, y).Kind;
    return kind != CellWall && kind != CellHouse;
}

// The cells the snake can ever reach from its house: walls and closed houses stop it,
// boulders and vipers do not for good.
std::vector<bool> Reach(const LevelRecord& level, CellPos house) {
    std::vector<bool> seen(MaxFieldCells, false);
    std::deque<CellPos> queue{house};
    seen[MapIndex(house.x, house.y)] = true;
    while (!queue.empty()) {
        const CellPos cell = queue.front();
        queue.pop_front();
        for (int dir = DirUp; dir <= DirLeft; ++dir) {
            const CellPos next = Neighbour(cell.x, cell.y, dir);
            if (!Passable(level, next.x, next.y) || seen[MapIndex(next.x, next.y)]) continue;
            seen[MapIndex(next.x, next.y)] = true;
            queue.push_back(next);
        }
    }
    return seen;
}

}  // namespace

std::vector<std::string> LevelChecker::Warnings(const LevelRecord& level, int number) {
    std::vector<std::string> warnings;
    const std::string where = "level " + std::to_string(number) + ": ";
    auto warn = [&](const std::string& text) { warnings.push_back(where + text); };

    int brokenRing = 0;
    std::string firstGap;
    int freeInterior = 0;
    for (int y = 1; y <= level.FieldHeight; ++y)
        for (int x = 1; x <= level.FieldWidth; ++x) {
            const MapCell& cell = level.Cell(x, y);
            if (!Interior(level, x, y) && cell.Kind != CellWall && brokenRing++ == 0) firstGap = At(x, y);
            if (Interior(level, x, y) && cell.Kind == CellFree) ++freeInterior;
            if (cell.Kind == CellBall && cell.Param > 6)
                warn("the ball at " + At(x, y) + " has colour " + std::to_string(cell.Param) + ", which shows sprite " +
                     std::to_string(cell.Param) + " instead of a ball");
        }
    if (brokenRing > 0)
        warn("the outer ring is broken at " + std::to_string(brokenRing) + " cell(s), first at " + firstGap);
    if (level.GoldenBallChance > 100)
        warn("GoldenBallChance is " + std::to_string(level.GoldenBallChance) + ", more than 100 per cent");
    const int randomItems = level.RandomBalls + level.RandomFlies + level.RandomBoulders;
    if (randomItems > freeInterior)
        warn(std::to_string(randomItems) + " random items do not fit in the " + std::to_string(freeInterior) +
             " free interior cells");

    const auto house = SnakeHouse(level);
    if (!house) {
        warn("no house, so the game skips the level");
        return warnings;
    }
    const std::vector<bool> reached = Reach(level, *house);
    bool exit = false;
    for (int dir = DirUp; dir <= DirLeft; ++dir) {
        const CellPos next = Neighbour(house->x, house->y, dir);
        exit = exit || Passable(level, next.x, next.y);
    }
    if (!exit) warn("the house at " + At(house->x, house->y) + " is walled in");

    int food = std::max<int>(1, level.Cell(house->x, house->y).Param) + BallGrowth * level.RandomBalls +
               FlyGrowth * level.RandomFlies;
    int room = 0;
    int unreachedWater = 0;
    for (int y = 1; y <= level.FieldHeight; ++y)
        for (int x = 1; x <= level.FieldWidth; ++x) {
            const MapCell& cell = level.Cell(x, y);
            if (!reached[MapIndex(x, y)]) {
                if (Interior(level, x, y) && cell.Kind == CellFree) ++unreachedWater;
                continue;
            }
            ++room;
            if (cell.Kind == CellBall) food += BallGrowth;
            if (cell.Kind == CellFly) food += FlyGrowth;
            const int distance = std::abs(x - house->x) + std::abs(y - house->y);
            if (cell.Kind == CellViper && distance < SafeViperDistance)
                warn("a viper starts at " + At(x, y) + ", only " + std::to_string(distance) +
                     " step(s) from the house");
        }
    if (level.RequiredLength <= 1) {
        warn("RequiredLength is " + std::to_string(level.RequiredLength) + ", so the house never opens");
    } else {
        if (level.RequiredLength > food)
            warn("RequiredLength is " + std::to_string(level.RequiredLength) +
                 ", but the food of the level brings the snake to at most " + std::to_string(food));
        if (level.RequiredLength > room)
            warn("RequiredLength is " + std::to_string(level.RequiredLength) + ", but the snake can reach only " +
                 std::to_string(room) + " cells");
    }
    if (unreachedWater > 0 && level.RandomBalls + level.RandomFlies > 0)
        warn("random food can land on " + std::to_string(unreachedWater) + " free cell(s) the snake cannot reach");
    return warnings;
}
