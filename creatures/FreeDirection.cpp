#include "creatures/FreeDirection.h"

#include "pond/CellKinds.h"
#include "pond/Playfield.h"
#include "pond/RandomSource.h"

int ChooseFreeDirection(const Playfield& field, RandomSource& random, int x, int y) {
    int r = RandomInt(random, 4, 0);
    for (int tried = 0; tried < 4; ++tried, r = (r + 1) % 4) {
        const int direction = r + 1;
        const CellPos side = Neighbour(x, y, direction);
        if (field.IsFree(side.x, side.y)) return direction;
    }
    return DirNone;
}
