#include "tests/soak/PondInvariants.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "creatures/clsZmije.h"
#include "game/GameStep.h"
#include "game/modZurk3.h"
#include "pond/CellSprites.h"
#include "pond/Scoring.h"

namespace {
std::string At(CellPos cell) { return " at (" + std::to_string(cell.x) + ", " + std::to_string(cell.y) + ")"; }

bool KnownKind(std::uint8_t kind) {
    const std::uint8_t known[] = {CellFree,       CellWall,  CellBoulder, CellBall, CellFly,
                                  CellGoldenBall, CellSnake, CellViper,   CellHouse};
    return std::find(std::begin(known), std::end(known), kind) != std::end(known);
}

bool Neighbours(CellPos a, CellPos b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y) == 1; }

bool Interior(const Playfield& field, CellPos cell) {
    return cell.x > 1 && cell.x < field.Width() && cell.y > 1 && cell.y < field.Height();
}

// Calls visit for every cell of the field, and stops at the first fault it answers.
template <typename Visit>
std::string EveryCell(const Playfield& field, Visit visit) {
    for (int x = 1; x <= field.Width(); ++x)
        for (int y = 1; y <= field.Height(); ++y)
            if (std::string fault = visit(CellPos{x, y}); !fault.empty()) return fault;
    return {};
}

// How many live segments stand on each cell, so that cells without an owner and cells with two
// owners both show.
struct Owners {
    explicit Owners(const Playfield& field) : width(field.Width()), count(GridIndex(1, field.Height() + 1, width), 0) {}
    int& operator[](CellPos cell) { return count[GridIndex(cell.x, cell.y, width)]; }
    int width;
    std::vector<int> count;
};

std::string CheckKinds(const Playfield& field) {
    return EveryCell(field, [&](CellPos cell) {
        const std::uint8_t kind = field.Kind(cell.x, cell.y);
        return KnownKind(kind) ? std::string{} : "unknown kind " + std::to_string(kind) + At(cell);
    });
}

std::string CheckVipers(const modZurk3& world) {
    const Playfield& field = world.Field;
    Owners owners(field);
    const auto& vipers = world.Creatures.Vipers;
    for (std::size_t v = 0; v < vipers.size(); ++v) {
        const clsZmije& viper = *vipers[v];
        if (!viper.Zije()) continue;
        const std::string who = "viper " + std::to_string(v + 1);
        for (std::size_t i = 0; i < static_cast<std::size_t>(viper.Delka()); ++i) {
            const CellPos cell = viper.Segment(i).Cell();
            if (!field.Inside(cell.x, cell.y)) return who + " has a segment off the pond" + At(cell);
            if (field.Kind(cell.x, cell.y) != CellViper)
                return who + " segment " + std::to_string(i) + " stands on kind " +
                       std::to_string(field.Kind(cell.x, cell.y)) + At(cell);
            if (i > 0 && !Neighbours(cell, viper.Segment(i - 1).Cell()))
                return who + " segments " + std::to_string(i - 1) + " and " + std::to_string(i) + " are not neighbours";
            ++owners[cell];
        }
    }
    return EveryCell(field, [&](CellPos cell) -> std::string {
        if (owners[cell] > 1) return "two viper segments share a cell" + At(cell);
        // Viper cells on the outer ring may come from the game file and have no viper.
        if (field.Kind(cell.x, cell.y) == CellViper && Interior(field, cell) && owners[cell] == 0)
            return "a viper cell without a viper" + At(cell);
        return {};
    });
}

std::string CheckFlies(const modZurk3& world) {
    const Playfield& field = world.Field;
    for (const auto& fly : world.Creatures.Flies) {
        if (!fly->existuje) continue;
        const std::string who = "fly " + std::to_string(fly->Key());
        const CellPos cell = fly->Cell();
        if (!field.Inside(cell.x, cell.y)) return who + " is off the pond" + At(cell);
        if (field.Kind(cell.x, cell.y) != CellFly) return who + "'s cell is not a fly cell" + At(cell);
        if (field.At(cell.x, cell.y).Data != fly->Key())
            return who + "'s cell holds the key " + std::to_string(field.At(cell.x, cell.y).Data) + At(cell);
    }
    return {};
}

std::string CheckSnake(const modZurk3& world) {
    const Playfield& field = world.Field;
    Owners owners(field);
    if (const clsZurk* snake = world.Snake.get()) {
        for (std::size_t i = 0; i < static_cast<std::size_t>(snake->Delka()); ++i) {
            const CellPos cell = snake->Segment(i).Cell();
            if (!field.Inside(cell.x, cell.y))
                return "snake segment " + std::to_string(i) + " is off the pond" + At(cell);
            ++owners[cell];
            const std::uint8_t kind = field.Kind(cell.x, cell.y);
            const bool inHouse = kind == CellHouse && cell == CellPos{world.HouseX, world.HouseY};
            // A one-segment snake that crashed gave its only cell back when its old head went.
            const bool emptiedByCrash = !snake->Zije() && snake->Delka() == 1 && kind == CellFree;
            if (kind != CellSnake && !inHouse && !emptiedByCrash)
                return "snake segment " + std::to_string(i) + " stands on kind " + std::to_string(kind) + At(cell);
            if (i == 0) continue;
            const CellPos before = snake->Segment(i - 1).Cell();
            // On a crash the new head is laid on the old one.
            const bool crashPair = !snake->Zije() && i == 1 && cell == before;
            if (!crashPair && !Neighbours(cell, before))
                return "snake segments " + std::to_string(i - 1) + " and " + std::to_string(i) + " are not neighbours";
        }
    }
    return EveryCell(field, [&](CellPos cell) {
        return field.Kind(cell.x, cell.y) == CellSnake && owners[cell] == 0
                   ? "a snake cell without the snake" + At(cell)
                   : std::string{};
    });
}

std::string CheckHouse(const modZurk3& world) {
    if (world.HouseX == 0) return {};
    const Playfield& field = world.Field;
    const CellPos house{world.HouseX, world.HouseY};
    if (!field.Inside(house.x, house.y)) return "the house is off the pond" + At(house);
    const clsZurk* snake = world.Snake.get();
    const bool won = snake && world.GameState == StateRunOver && snake->Zije();
    const std::uint8_t kind = field.Kind(house.x, house.y);
    if (won) return kind == CellSnake ? std::string{} : "the won snake's head is not in its house" + At(house);
    if (kind != CellHouse) return "the house cell holds kind " + std::to_string(kind) + At(house);
    const int data = field.At(house.x, house.y).Data;
    if (data != HouseClosedSprite && data != HouseOpenSprite) return "the house shows sprite " + std::to_string(data);
    if (!snake || !snake->Zije()) return {};
    // The length only ever grows one by one, and the house opens on the step it reaches the goal.
    const int required = world.Level.RequiredLength;
    const bool longEnough = required >= 2 && snake->Delka() >= required;
    if (longEnough != (data == HouseOpenSprite))
        return std::string(longEnough ? "the house is closed" : "the house is open") + " with the snake " +
               std::to_string(snake->Delka()) + " long and " + std::to_string(required) + " required";
    return {};
}

std::string CheckGoldenBall(const modZurk3& world) {
    const Playfield& field = world.Field;
    int balls = 0;
    EveryCell(field, [&](CellPos cell) {
        balls += field.Kind(cell.x, cell.y) == CellGoldenBall;
        return std::string{};
    });
    const clsPotapnik* beetle = world.Creatures.Beetle.get();
    const bool up = beetle && beetle->IsSurfaced();
    if (balls != (up ? 1 : 0))
        return std::to_string(balls) + " golden balls while the beetle says " + (up ? "up" : "down");
    if (up && field.Kind(beetle->Ball().x, beetle->Ball().y) != CellGoldenBall)
        return "the golden ball is not where its keeper put it";
    return {};
}

// Every cell is painted as it is: a change left undrawn shows as a stale picture.
std::string CheckScreen(const modZurk3& world, const ShadowPainter& screen) {
    if (!world.Snake) return {};  // nothing is drawn of a level without a snake
    return EveryCell(world.Field, [&](CellPos cell) {
        const int expected = SpriteForCell(world.Field.At(cell.x, cell.y));
        const int shown = screen.Shown(cell.x, cell.y);
        return shown == expected ? std::string{}
                                 : "the screen shows sprite " + std::to_string(shown) + " where the cell calls for " +
                                       std::to_string(expected) + At(cell);
    });
}
}  // namespace

std::string PondInvariants::Check(const modZurk3& world, const ShadowPainter& screen) {
    std::string fault = CheckKinds(world.Field);
    for (auto check : {&CheckVipers, &CheckFlies, &CheckSnake, &CheckHouse, &CheckGoldenBall}) {
        if (!fault.empty()) return fault;
        fault = check(world);
    }
    return fault.empty() ? CheckScreen(world, screen) : fault;
}

std::string PondInvariants::Step(modZurk3& world, const ShadowPainter& screen, int direction) {
    const Before before{world.Score, world.SnakeLength()};
    MovePond(world, direction);
    const std::string fault = CheckStep(before, world);
    return fault.empty() ? Check(world, screen) : fault;
}

std::string PondInvariants::CheckStep(const Before& before, const modZurk3& world) {
    const bool moves = world.SnakeMoving();
    const std::int32_t change = world.Score - before.Score;
    bool allowed = !moves && change == 0;
    for (int points :
         {0, BallPoints, BallPointsHouseOpen, BoulderPoints, FlyPoints, FlyPointsHouseOpen, GoldenBallPoints})
        allowed = allowed || (moves && change == points + StepPoints);
    if (!allowed)
        return "the score changed by " + std::to_string(change) + (moves ? " in a step" : " while the snake waited");
    const int length = world.SnakeLength();
    if (length < before.SnakeLength || length > before.SnakeLength + 1)
        return "the snake went from " + std::to_string(before.SnakeLength) + " to " + std::to_string(length) +
               " segments";
    return {};
}

std::string PondInvariants::CheckReleased(const modZurk3& world) {
    const Playfield& field = world.Field;
    return EveryCell(field, [&](CellPos cell) -> std::string {
        if (field.Kind(cell.x, cell.y) == CellSnake) return "the released snake left a cell" + At(cell);
        if (field.Kind(cell.x, cell.y) == CellViper && Interior(field, cell))
            return "a released viper left a cell" + At(cell);
        return {};
    });
}
