#include "stress/PondInvariants.h"

#include <cstdlib>
#include <vector>

#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "creatures/clsZmije.h"
#include "game/modZurk3.h"
#include "snake/clsZurk.h"

namespace {
std::string At(int x, int y) { return " at (" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

bool KnownKind(std::uint8_t kind) {
    switch (kind) {
    case CellFree: case CellWall: case CellBoulder: case CellBall: case CellFly:
    case CellGoldenBall: case CellSnake: case CellViper: case CellHouse: return true;
    default: return false;
    }
}

bool Neighbours(int x1, int y1, int x2, int y2) { return std::abs(x1 - x2) + std::abs(y1 - y2) == 1; }

bool Interior(const Playfield& field, int x, int y) {
    return x > 1 && x < field.Width() && y > 1 && y < field.Height();
}

// How many live segments stand on each cell, so that cells without an owner and cells with two
// owners both show.
class Owners {
public:
    explicit Owners(const Playfield& field) : field_(field), count_(static_cast<std::size_t>(field.Width() * field.Height()), 0) {}
    void Add(int x, int y) { ++count_[Index(x, y)]; }
    int Count(int x, int y) const { return count_[Index(x, y)]; }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>((x - 1) + (y - 1) * field_.Width()); }
    const Playfield& field_;
    std::vector<int> count_;
};

std::string CheckKinds(const Playfield& field) {
    for (int x = 1; x <= field.Width(); ++x)
        for (int y = 1; y <= field.Height(); ++y)
            if (!KnownKind(field.Kind(x, y))) return "unknown kind " + std::to_string(field.Kind(x, y)) + At(x, y);
    return {};
}

std::string CheckVipers(modZurk3& world) {
    const Playfield& field = world.Field;
    Owners owners(field);
    for (std::size_t v = 0; v < world.Vipers.size(); ++v) {
        const clsZmije& viper = *world.Vipers[v];
        if (!viper.Zije()) continue;
        const std::string who = "viper " + std::to_string(v + 1);
        for (int i = 0; i < viper.Delka(); ++i) {
            const clsClanekZmije& segment = viper.Segment(static_cast<std::size_t>(i));
            if (!field.Inside(segment.X(), segment.Y())) return who + " has a segment off the pond" + At(segment.X(), segment.Y());
            if (field.Kind(segment.X(), segment.Y()) != CellViper)
                return who + " segment " + std::to_string(i) + " stands on kind " +
                       std::to_string(field.Kind(segment.X(), segment.Y())) + At(segment.X(), segment.Y());
            if (i > 0) {
                const clsClanekZmije& before = viper.Segment(static_cast<std::size_t>(i - 1));
                if (!Neighbours(segment.X(), segment.Y(), before.X(), before.Y()))
                    return who + " segments " + std::to_string(i - 1) + " and " + std::to_string(i) + " are not neighbours";
            }
            owners.Add(segment.X(), segment.Y());
        }
    }
    for (int x = 1; x <= field.Width(); ++x)
        for (int y = 1; y <= field.Height(); ++y) {
            if (owners.Count(x, y) > 1) return "two viper segments share a cell" + At(x, y);
            // Viper cells on the outer ring may come from the game file and have no viper.
            if (field.Kind(x, y) == CellViper && Interior(field, x, y) && owners.Count(x, y) == 0)
                return "a viper cell without a viper" + At(x, y);
        }
    return {};
}

std::string CheckFlies(modZurk3& world) {
    const Playfield& field = world.Field;
    for (const auto& fly : world.Flies) {
        if (!fly->existuje) continue;
        const std::string who = "fly " + std::to_string(fly->Key());
        if (!field.Inside(fly->X(), fly->Y())) return who + " is off the pond" + At(fly->X(), fly->Y());
        if (field.Kind(fly->X(), fly->Y()) != CellFly) return who + "'s cell is not a fly cell" + At(fly->X(), fly->Y());
        if (field.At(fly->X(), fly->Y()).Data != fly->Key())
            return who + "'s cell holds the key " + std::to_string(field.At(fly->X(), fly->Y()).Data) + At(fly->X(), fly->Y());
    }
    return {};
}

std::string CheckSnake(modZurk3& world) {
    const Playfield& field = world.Field;
    Owners owners(field);
    if (world.HasSnake() && world.Snake().Delka() > 0) {
        clsZurk& snake = world.Snake();
        for (int i = 0; i < snake.Delka(); ++i) {
            const clsClanekZurka& segment = snake.Segment(static_cast<std::size_t>(i));
            const int x = segment.X();
            const int y = segment.Y();
            if (!field.Inside(x, y)) return "snake segment " + std::to_string(i) + " is off the pond" + At(x, y);
            owners.Add(x, y);
            const std::uint8_t kind = field.Kind(x, y);
            const bool inHouse = kind == CellHouse && x == world.HouseX && y == world.HouseY;
            // A one-segment snake that crashed gave its only cell back when its old head went.
            const bool emptiedByCrash = !snake.Zije() && snake.Delka() == 1 && kind == CellFree;
            if (kind != CellSnake && !inHouse && !emptiedByCrash)
                return "snake segment " + std::to_string(i) + " stands on kind " + std::to_string(kind) + At(x, y);
            if (i == 0) continue;
            const clsClanekZurka& before = snake.Segment(static_cast<std::size_t>(i - 1));
            // On a crash the new head is laid on the old one.
            const bool crashPair = !snake.Zije() && i == 1 && x == before.X() && y == before.Y();
            if (!crashPair && !Neighbours(x, y, before.X(), before.Y()))
                return "snake segments " + std::to_string(i - 1) + " and " + std::to_string(i) + " are not neighbours";
        }
    }
    for (int x = 1; x <= field.Width(); ++x)
        for (int y = 1; y <= field.Height(); ++y)
            if (field.Kind(x, y) == CellSnake && owners.Count(x, y) == 0) return "a snake cell without the snake" + At(x, y);
    return {};
}

std::string CheckHouse(modZurk3& world) {
    if (world.HouseX == 0) return {};
    const Playfield& field = world.Field;
    const int x = world.HouseX;
    const int y = world.HouseY;
    if (!field.Inside(x, y)) return "the house is off the pond" + At(x, y);
    const bool placed = world.HasSnake() && world.Snake().Delka() > 0;
    const bool won = placed && world.GameState == StateRunOver && world.Snake().Zije();
    const std::uint8_t kind = field.Kind(x, y);
    if (won) return kind == CellSnake ? std::string{} : "the won snake's head is not in its house" + At(x, y);
    if (kind != CellHouse) return "the house cell holds kind " + std::to_string(kind) + At(x, y);
    const int data = field.At(x, y).Data;
    if (data != HouseClosedSprite && data != HouseOpenSprite) return "the house shows sprite " + std::to_string(data);
    if (!placed || !world.Snake().Zije()) return {};
    // The length only ever grows one by one, and the house opens on the step it reaches the goal.
    const int required = world.Level.RequiredLength;
    const bool longEnough = required >= 2 && world.Snake().Delka() >= required;
    if (longEnough != (data == HouseOpenSprite))
        return std::string(longEnough ? "the house is closed" : "the house is open") + " with the snake " +
               std::to_string(world.Snake().Delka()) + " long and " + std::to_string(required) + " required";
    return {};
}

std::string CheckGoldenBall(modZurk3& world) {
    const Playfield& field = world.Field;
    int balls = 0;
    for (int x = 1; x <= field.Width(); ++x)
        for (int y = 1; y <= field.Height(); ++y)
            if (field.Kind(x, y) == CellGoldenBall) ++balls;
    const bool up = world.HasBeetle() && world.Beetle().Surfaced();
    if (balls != (up ? 1 : 0)) return std::to_string(balls) + " golden balls while the beetle says " + (up ? "up" : "down");
    if (up && field.Kind(world.Beetle().BallX(), world.Beetle().BallY()) != CellGoldenBall)
        return "the golden ball is not where its keeper put it";
    return {};
}
}  // namespace

std::string PondInvariants::Check(modZurk3& world) {
    std::string fault = CheckKinds(world.Field);
    if (!fault.empty()) return fault;
    for (auto check : {&CheckVipers, &CheckFlies, &CheckSnake, &CheckHouse, &CheckGoldenBall}) {
        fault = check(world);
        if (!fault.empty()) return fault;
    }
    return {};
}

PondInvariants::Before PondInvariants::Snapshot(modZurk3& world) {
    return {world.Score, world.HasSnake() ? world.Snake().Delka() : 0};
}

bool PondInvariants::ScoreChangeAllowed(std::int32_t change, bool snakeMoves) {
    if (!snakeMoves) return change == 0;
    for (int points : {0, 100, 200, -500, 500, 1000})
        if (change == points - 1) return true;
    return false;
}

std::string PondInvariants::CheckStep(const Before& before, modZurk3& world) {
    const bool moves = world.HasSnake() && world.Snake().UzJede();
    const std::int32_t change = world.Score - before.Score;
    if (!ScoreChangeAllowed(change, moves))
        return "the score changed by " + std::to_string(change) + (moves ? " in a step" : " while the snake waited");
    const int length = world.HasSnake() ? world.Snake().Delka() : 0;
    if (length < before.SnakeLength || length > before.SnakeLength + 1)
        return "the snake went from " + std::to_string(before.SnakeLength) + " to " + std::to_string(length) + " segments";
    return {};
}

std::string PondInvariants::CheckReleased(const modZurk3& world) {
    const Playfield& field = world.Field;
    for (int x = 1; x <= field.Width(); ++x)
        for (int y = 1; y <= field.Height(); ++y) {
            if (field.Kind(x, y) == CellSnake) return "the released snake left a cell" + At(x, y);
            if (field.Kind(x, y) == CellViper && Interior(field, x, y)) return "a released viper left a cell" + At(x, y);
        }
    return {};
}
