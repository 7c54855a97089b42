#include "game/LevelSetUp.h"

#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "creatures/clsZmije.h"
#include "game/modZurk3.h"

namespace {
int CountFreeInterior(const Playfield& field) {
    int free = 0;
    for (int x = 2; x < field.Width(); ++x)
        for (int y = 2; y < field.Height(); ++y)
            if (field.IsFree(x, y)) ++free;
    return free;
}

// Puts count items on random free interior cells. It stops early when the water runs out,
// so a level asking for more than fits can never hang the game.
void Scatter(modZurk3& world, int count, std::uint8_t kind, int data, bool writeData) {
    int freeCells = CountFreeInterior(world.Field);
    for (int item = 0; item < count && freeCells > 0; ++item, --freeCells) {
        int x = 0;
        int y = 0;
        do {
            x = RandomInt(world.Random(), world.Level.FieldWidth - 2, 2);
            y = RandomInt(world.Random(), world.Level.FieldHeight - 2, 2);
        } while (!world.Field.IsFree(x, y));
        FieldCell& cell = world.Field.At(x, y);
        cell.Kind = kind;
        if (writeData) cell.Data = data;
    }
}

void PlaceRandomBalls(modZurk3& world) { Scatter(world, world.Level.RandomBalls, CellBall, 0, true); }
void PlaceRandomBoulders(modZurk3& world) { Scatter(world, world.Level.RandomBoulders, CellBoulder, 0, true); }
void PlaceRandomFlies(modZurk3& world) { Scatter(world, world.Level.RandomFlies, CellFly, 0, false); }

int CopyMap(modZurk3& world) {
    int houseParam = 0;
    for (int x = 1; x <= world.Field.Width(); ++x)
        for (int y = 1; y <= world.Field.Height(); ++y) {
            const MapCell& source = world.Level.Cell(x, y);
            FieldCell& cell = world.Field.At(x, y);
            if (source.Kind == CellHouse) {
                world.HouseX = static_cast<std::uint8_t>(x);
                world.HouseY = static_cast<std::uint8_t>(y);
                houseParam = source.Param;
                cell = FieldCell{CellHouse, HouseClosedSprite};
            } else {
                cell = FieldCell{source.Kind, source.Param};
            }
        }
    return houseParam;
}

// Colours the balls and brings the flies and vipers of the interior to life, in scan order.
void VisitInterior(modZurk3& world) {
    int flyNumber = 0;  // wider than a byte, so every fly of a crowded level keeps its own key
    for (int x = 2; x < world.Field.Width(); ++x)
        for (int y = 2; y < world.Field.Height(); ++y) {
            FieldCell& cell = world.Field.At(x, y);
            switch (cell.Kind) {
            case CellBall:
                if (cell.Data == 0)
                    cell.Data = RandomInt(world.Random(), 6, 3);
                else if (cell.Data >= 1 && cell.Data <= 6)
                    cell.Data += 2;
                break;
            case CellFly: {
                auto fly = std::make_unique<clsMuska>(world);
                fly->Poloz(x, y, ++flyNumber);
                world.Creatures.Flies.push_back(std::move(fly));
                break;
            }
            case CellViper: {
                auto viper = std::make_unique<clsZmije>(world);
                viper->Poloz(x, y, world.Level.Cell(x, y).Param);
                world.Creatures.Vipers.push_back(std::move(viper));
                break;
            }
            default: break;
            }
        }
}
}  // namespace

void SetUpLevel(modZurk3& world) {
    world.Field.Dimension(world.Level.FieldWidth, world.Level.FieldHeight);
    world.HouseX = 0;
    world.HouseY = 0;
    const int houseParam = CopyMap(world);
    if (world.Level.RandomBalls > 0) PlaceRandomBalls(world);
    if (world.Level.RandomBoulders > 0) PlaceRandomBoulders(world);
    if (world.Level.RandomFlies > 0) PlaceRandomFlies(world);
    VisitInterior(world);
    world.Creatures.Beetle = std::make_unique<clsPotapnik>(world);
    if (world.HouseX != 0) {
        world.DrawPlayfield();
        world.Snake = std::make_unique<clsZurk>(world, world.Creatures);
        world.Snake->Poloz(world.HouseX, world.HouseY, houseParam);
    } else {
        world.FrontEnd().ShowCriticalBox("Úroveň neobsahuje zurka, bude tedy přeskočena !");
    }
}
