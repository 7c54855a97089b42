#include "creatures/clsClanekZmije.h"

#include "game/modZurk3.h"

namespace {
constexpr int Keep = 0;

// Body pieces by the direction the viper came in (rows) and the one it leaves by (columns).
constexpr int BodyPicture[5][5] = {
    {Keep, Keep, Keep, Keep, Keep},
    {Keep, 44, 36, Keep, 37},
    {Keep, 38, 43, 37, Keep},
    {Keep, Keep, 35, 44, 38},
    {Keep, 35, Keep, 36, 43},
};
}  // namespace

void clsClanekZmije::VytvorHlavu(int x1, int y1, int s0) {
    X_ = x1;
    Y_ = y1;
    InDirection = s0;
    if (!world_.Field.Inside(X_, Y_)) return;
    FieldCell& cell = world_.Field.At(X_, Y_);
    cell.Kind = CellViper;
    if (IsDirection(s0)) cell.Data = 30 + s0;
    world_.DrawCell(X_, Y_);
}

void clsClanekZmije::VytvorKrk(int s0) {
    OutDirection = s0;
    if (!world_.Field.Inside(X_, Y_)) return;
    if (IsDirection(InDirection) && IsDirection(s0) && BodyPicture[InDirection][s0] != Keep)
        world_.Field.At(X_, Y_).Data = BodyPicture[InDirection][s0];
    world_.DrawCell(X_, Y_);
}

void clsClanekZmije::VytvorOcas() {
    if (!world_.Field.Inside(X_, Y_)) return;
    if (IsDirection(OutDirection)) world_.Field.At(X_, Y_).Data = 38 + OutDirection;
    world_.DrawCell(X_, Y_);
}

void clsClanekZmije::Prerod() {
    if (!world_.Field.Inside(X_, Y_)) return;
    world_.Field.At(X_, Y_) = FieldCell{CellBall, RandomInt(world_.Random(), 6, 3)};
    world_.DrawCell(X_, Y_);
}

clsClanekZmije::~clsClanekZmije() {
    if (!world_.Field.Inside(X_, Y_)) return;
    world_.Field.At(X_, Y_) = FieldCell{CellFree, 0};
    world_.DrawCell(X_, Y_);
}
