#include "snake/clsClanekZurka.h"

#include "pond/CellSprites.h"
#include "pond/Pond.h"

void clsClanekZurka::VytvorHlavu(int x1, int y1, int s0, bool snakeAlive) {
    X = x1;
    Y = y1;
    InDirection = s0;
    if (!pond_.Field.Inside(X, Y)) return;
    FieldCell& cell = pond_.Field.At(X, Y);
    if (cell.Kind == CellHouse && cell.Data == HouseClosedSprite) return;
    cell.Kind = CellSnake;
    ownsCell_ = true;
    if (IsDirection(s0)) cell.Data = snakeAlive ? HeadPicture(SnakePictures, s0) : CrashedSnakeHead + s0 - DirUp;
    pond_.DrawCell(X, Y);
}

void clsClanekZurka::VytvorKrk(int s0) {
    OutDirection = s0;
    if (!ownsCell_) return;
    if (const int picture = BodyPicture(SnakePictures, InDirection, s0)) pond_.Field.At(X, Y).Data = picture;
    pond_.DrawCell(X, Y);
}

void clsClanekZurka::VytvorOcas() {
    if (!ownsCell_) return;
    if (IsDirection(OutDirection)) pond_.Field.At(X, Y).Data = TailPicture(SnakePictures, OutDirection);
    pond_.DrawCell(X, Y);
}

void clsClanekZurka::Uvolni() {
    if (!ownsCell_) return;
    pond_.Field.At(X, Y) = FieldCell{CellFree, 0};
    pond_.DrawCell(X, Y);
}
