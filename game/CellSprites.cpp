#include "game/CellSprites.h"

#include "game/CellKinds.h"

namespace {
int PictureOrWhiteBox(int sprite) { return sprite >= 1 && sprite <= SpriteCount ? sprite : WhiteBoxSprite; }
}  // namespace

int SpriteForCell(const FieldCell& cell) {
    switch (cell.Kind) {
    case CellFree: return 1;
    case CellWall: return 2;
    case CellBoulder: return 26;
    case CellFly: return 45;
    case CellGoldenBall: return 9;
    case CellBall:
    case CellSnake:
    case CellViper:
    case CellHouse: return PictureOrWhiteBox(cell.Data);
    default: return WhiteBoxSprite;
    }
}
