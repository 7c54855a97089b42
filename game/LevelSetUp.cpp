#include "game/LevelSetUp.h"

#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "creatures/clsZmije.h"
#include "game/modZurk3.h"

namespace {
// Puts count items on random free interior cells. It stops early when the water runs out,
// so a level asking for more than fits can never hang the game.
void Scatter(modZurk3& world, int count, std::uint8_t kind) {
    int freeCells = world.Field.FreeInteriorCells();
    for (int item = 0; item < count && freeCells > 0; ++item, --freeCells) {
        CellPos cell{};
        do {
            cell.x = RandomInt(world.Random(), world.Level.FieldWidth - 2, 2);
            cell.y = RandomInt(world.Random(), world.Level.FieldHeight - 2, 2);
        } while (!world.Field.IsFree(cell.x, cell.y));
        world.Field.At(cell.x, cell.y) = FieldCell{kind, 0};
    }
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

void CopyLevelMap(modZurk3& world) {
    world.Field.Dimension(world.Level.FieldWidth, world.Level.FieldHeight);
    world.HouseX = 0;  // no house until the map shows one
    // The last house of the scan is the snake's.
    for (int x = 1; x <= world.Field.Width(); ++x)
        for (int y = 1; y <= world.Field.Height(); ++y) {
            const MapCell& source = world.Level.Cell(x, y);
            FieldCell& cell = world.Field.At(x, y);
            if (source.Kind == CellHouse) {
                world.HouseX = static_cast<std::uint8_t>(x);
                world.HouseY = static_cast<std::uint8_t>(y);
                cell = FieldCell{CellHouse, HouseClosedSprite};
            } else {
                cell = FieldCell{source.Kind, source.Param};
            }
        }
}

void SetUpLevel(modZurk3& world) {
    CopyLevelMap(world);
    Scatter(world, world.Level.RandomBalls, CellBall);
    Scatter(world, world.Level.RandomBoulders, CellBoulder);
    Scatter(world, world.Level.RandomFlies, CellFly);
    VisitInterior(world);
    world.Creatures.Beetle = std::make_unique<clsPotapnik>(world);
    if (world.HouseX != 0) {
        world.DrawPlayfield();
        world.Snake = std::make_unique<clsZurk>(world, world.Creatures);
        world.Snake->Poloz(world.HouseX, world.HouseY, world.Level.Cell(world.HouseX, world.HouseY).Param);
    }
}
