#include "game/GameFileFormat.h"

#include "game/CellKinds.h"

std::size_t RecordPayloadSize(std::uint8_t code) {
    switch (code) {
    case 3: case 4: case 5: case 6: return 1;  // the four random counts
    case CellWall: case CellBoulder: return 2;
    case CellBall: case CellFly: case CellViper: case CellHouse: return 3;
    case CodeLevelStart: return 6;
    default: return 0;
    }
}
