#include "pond/CellSprites.h"

namespace {
int PictureOrWhiteBox(int sprite) { return sprite >= 1 && sprite <= SpriteCount ? sprite : WhiteBoxSprite; }

enum Piece { TurnsBack, LeftRight, TopBottom, TopRight, BottomRight, BottomLeft, TopLeft };

// A tube that moves up entered its cell through the bottom edge, and so on round.
constexpr Piece Pieces[4][4] = {
    // leaving up      right         down         left
    {TopBottom, BottomRight, TurnsBack, BottomLeft},  // entered moving up
    {TopLeft, LeftRight, BottomLeft, TurnsBack},      // entered moving right
    {TurnsBack, TopRight, TopBottom, TopLeft},        // entered moving down
    {TopRight, TurnsBack, BottomRight, LeftRight},    // entered moving left
};
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

int HeadPicture(const TubePictures& tube, int direction) {
    return IsDirection(direction) ? tube.Head + direction - DirUp : 0;
}

int BodyPicture(const TubePictures& tube, int in, int out) {
    if (!IsDirection(in) || !IsDirection(out)) return 0;
    switch (Pieces[in - DirUp][out - DirUp]) {
    case LeftRight: return tube.Straight;
    case TopBottom: return tube.Straight + 1;
    case TopRight: return tube.Bend;
    case BottomRight: return tube.Bend + 1;
    case BottomLeft: return tube.Bend + 2;
    case TopLeft: return tube.Bend + 3;
    case TurnsBack: break;
    }
    return 0;
}

int TailPicture(const TubePictures& tube, int out) { return IsDirection(out) ? tube.Tail + out - DirUp : 0; }
