#include "creatures/clsPotapnik.h"

#include <algorithm>

#include "pond/Pond.h"

clsPotapnik::clsPotapnik(Pond& pond)
    : ThePond(pond),
      // A chance above 100 % means "always"; the pause cannot be shorter than nothing.
      Chance(std::min<int>(pond.Level.GoldenBallChance, 100)),
      MinUpTicks(std::min(pond.Level.FieldWidth, pond.Level.FieldHeight)),
      MaxUpTicks(std::max(pond.Level.FieldWidth, pond.Level.FieldHeight)),
      WaitTicks(100 - Chance),
      WaitLeft(static_cast<std::int16_t>(WaitTicks)) {}

void clsPotapnik::Posun() {
    if (Chance == 0) return;
    if (Surfaced) {
        UpTicksLeft = static_cast<std::int16_t>(UpTicksLeft - 1);
        if (UpTicksLeft == 0) {
            Surfaced = false;
            if (ThePond.Field.Inside(BallX, BallY)) ThePond.Field.At(BallX, BallY).Kind = CellFree;
            ThePond.DrawCell(BallX, BallY);
        }
        return;
    }
    if (WaitLeft >= 0) {
        WaitLeft = static_cast<std::int16_t>(WaitLeft - 1);
        return;
    }
    if (static_cast<float>(ThePond.Rnd()) > static_cast<float>(Chance) / 100.0f) return;
    // With no free water inside the pond the ball stays down and tries again next tick.
    if (ThePond.Field.FreeInteriorCells() == 0) return;
    const int width = ThePond.Level.FieldWidth;
    const int height = ThePond.Level.FieldHeight;
    do {
        BallX = RandomInt(ThePond.Random(), width - 2, 2);
        BallY = RandomInt(ThePond.Random(), height - 2, 2);
    } while (!ThePond.Field.IsFree(BallX, BallY));
    ThePond.Field.At(BallX, BallY).Kind = CellGoldenBall;
    ThePond.DrawCell(BallX, BallY);
    UpTicksLeft = static_cast<std::int16_t>(RandomInt(ThePond.Random(), MaxUpTicks - MinUpTicks, MinUpTicks));
    Surfaced = true;
    WaitLeft = static_cast<std::int16_t>(WaitTicks);
}

void clsPotapnik::Konec() {
    Surfaced = false;
    WaitLeft = static_cast<std::int16_t>(WaitTicks);
}
