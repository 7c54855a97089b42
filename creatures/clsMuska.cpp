#include "creatures/clsMuska.h"

#include "game/FreeDirection.h"
#include "game/modZurk3.h"

namespace {
// The chances are single precision, as they have always been compared.
constexpr float ThreatenedMoveChance = 0.8f;
constexpr float IdleMoveChance = 0.05f;
}  // namespace

void clsMuska::Poloz(int x, int y, int k) {
    X_ = x;
    Y_ = y;
    FlyKey = k;
    existuje = true;
    WriteCell();
}

void clsMuska::WriteCell() {
    if (!world_.Field.Inside(X_, Y_)) return;
    world_.Field.At(X_, Y_) = FieldCell{CellFly, FlyKey};
    world_.DrawCell(X_, Y_);
}

bool clsMuska::Threatened() const {
    for (int direction = DirUp; direction <= DirLeft; ++direction) {
        const CellPos side = Neighbour(X_, Y_, direction);
        if (world_.Field.Kind(side.x, side.y) == CellSnake) return true;
    }
    return false;
}

void clsMuska::Posun() {
    if (!existuje) return;
    const float limit = Threatened() ? ThreatenedMoveChance : IdleMoveChance;
    if (!(static_cast<float>(world_.Rnd()) < limit)) return;
    if (!world_.Field.Inside(X_, Y_)) return;
    world_.Field.At(X_, Y_) = FieldCell{CellFree, 0};
    world_.DrawCell(X_, Y_);
    const CellPos next = Neighbour(X_, Y_, ChooseFreeDirection(world_.Field, world_.Random(), X_, Y_));
    X_ = next.x;
    Y_ = next.y;
    WriteCell();
}
