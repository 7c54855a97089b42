#include "creatures/clsMuska.h"

#include "creatures/FreeDirection.h"
#include "pond/Pond.h"

namespace {
// The chances are single precision, as they have always been compared.
constexpr float ThreatenedMoveChance = 0.8f;
constexpr float IdleMoveChance = 0.05f;
}  // namespace

void clsMuska::Poloz(int x, int y, int k) {
    X = x;
    Y = y;
    FlyKey = k;
    existuje = true;
    WriteCell();
}

void clsMuska::WriteCell() {
    if (!pond_.Field.Inside(X, Y)) return;
    pond_.Field.At(X, Y) = FieldCell{CellFly, FlyKey};
    pond_.DrawCell(X, Y);
}

bool clsMuska::Threatened() const {
    for (int direction = DirUp; direction <= DirLeft; ++direction) {
        const CellPos side = Neighbour(X, Y, direction);
        if (pond_.Field.Kind(side.x, side.y) == CellSnake) return true;
    }
    return false;
}

void clsMuska::Posun() {
    if (!existuje) return;
    const float limit = Threatened() ? ThreatenedMoveChance : IdleMoveChance;
    if (!(static_cast<float>(pond_.Rnd()) < limit)) return;
    if (!pond_.Field.Inside(X, Y)) return;
    pond_.Field.At(X, Y) = FieldCell{CellFree, 0};
    pond_.DrawCell(X, Y);
    const CellPos next = Neighbour(X, Y, ChooseFreeDirection(pond_.Field, pond_.Random(), X, Y));
    X = next.x;
    Y = next.y;
    WriteCell();
}
