#include "snake/clsClanekZurka.h"

#include "game/modZurk3.h"

namespace {
constexpr int Keep = 0;  // no picture for this pair: the cell keeps its Data

// Body pieces by the direction the snake came in (rows) and the one it leaves by (columns).
constexpr int BodyPicture[5][5] = {
    {Keep, Keep, Keep, Keep, Keep},
    {Keep, 23, 15, Keep, 16},
    {Keep, 17, 22, 16, Keep},
    {Keep, Keep, 14, 23, 17},
    {Keep, 14, Keep, 15, 22},
};
}  // namespace

bool clsClanekZurka::OnHouse() const { return world_.Field.Kind(X_, Y_) == CellHouse; }

void clsClanekZurka::VytvorHlavu(int x1, int y1, int s0, bool snakeAlive) {
    X_ = x1;
    Y_ = y1;
    InDirection = s0;
    if (!world_.Field.Inside(X_, Y_)) return;
    FieldCell& cell = world_.Field.At(X_, Y_);
    if (cell.Kind == CellHouse && cell.Data == HouseClosedSprite) return;
    cell.Kind = CellSnake;
    ownsCell_ = true;
    if (IsDirection(s0)) cell.Data = (snakeAlive ? 9 : 26) + s0;
    world_.DrawCell(X_, Y_);
}

void clsClanekZurka::VytvorKrk(int s0) {
    if (!world_.Field.Inside(X_, Y_) || OnHouse()) return;
    OutDirection = s0;
    if (IsDirection(InDirection) && IsDirection(s0) && BodyPicture[InDirection][s0] != Keep)
        world_.Field.At(X_, Y_).Data = BodyPicture[InDirection][s0];
    world_.DrawCell(X_, Y_);
}

void clsClanekZurka::VytvorOcas() {
    if (!world_.Field.Inside(X_, Y_) || OnHouse()) return;
    if (IsDirection(OutDirection)) world_.Field.At(X_, Y_).Data = 17 + OutDirection;
    world_.DrawCell(X_, Y_);
}

clsClanekZurka::~clsClanekZurka() {
    if (!ownsCell_ || !world_.Field.Inside(X_, Y_) || OnHouse()) return;
    world_.Field.At(X_, Y_) = FieldCell{CellFree, 0};
    world_.DrawCell(X_, Y_);
}
