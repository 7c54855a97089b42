#include "creatures/clsPotapnik.h"

#include <algorithm>

#include "pond/Pond.h"

clsPotapnik::clsPotapnik(Pond& pond)
    : pond_(pond),
      // A chance above 100 % means "always"; the pause cannot be shorter than nothing.
      chance_(std::min<int>(pond.Level.GoldenBallChance, 100)),
      MinUpTicks(std::min(pond.Level.FieldWidth, pond.Level.FieldHeight)),
      MaxUpTicks(std::max(pond.Level.FieldWidth, pond.Level.FieldHeight)),
      WaitTicks(100 - chance_),
      WaitLeft(static_cast<std::int16_t>(WaitTicks)) {}

bool clsPotapnik::AnyFreeInteriorCell() const {
    const Playfield& field = pond_.Field;
    for (int x = 2; x < field.Width(); ++x)
        for (int y = 2; y < field.Height(); ++y)
            if (field.IsFree(x, y)) return true;
    return false;
}

void clsPotapnik::Posun() {
    if (chance_ == 0) return;
    if (Surfaced) {
        UpTicksLeft = static_cast<std::int16_t>(UpTicksLeft - 1);
        if (UpTicksLeft == 0) {
            Surfaced = false;
            if (pond_.Field.Inside(BallX, BallY)) pond_.Field.At(BallX, BallY).Kind = CellFree;
            pond_.DrawCell(BallX, BallY);
        }
        return;
    }
    if (WaitLeft >= 0) {
        WaitLeft = static_cast<std::int16_t>(WaitLeft - 1);
        return;
    }
    if (static_cast<float>(pond_.Rnd()) > static_cast<float>(chance_) / 100.0f) return;
    // With no free water inside the pond the ball stays down and tries again next tick.
    if (!AnyFreeInteriorCell()) return;
    const int width = pond_.Level.FieldWidth;
    const int height = pond_.Level.FieldHeight;
    do {
        BallX = RandomInt(pond_.Random(), width - 2, 2);
        BallY = RandomInt(pond_.Random(), height - 2, 2);
    } while (!pond_.Field.IsFree(BallX, BallY));
    pond_.Field.At(BallX, BallY).Kind = CellGoldenBall;
    pond_.DrawCell(BallX, BallY);
    UpTicksLeft = static_cast<std::int16_t>(RandomInt(pond_.Random(), MaxUpTicks - MinUpTicks, MinUpTicks));
    Surfaced = true;
    WaitLeft = static_cast<std::int16_t>(WaitTicks);
}

void clsPotapnik::Konec() {
    Surfaced = false;
    WaitLeft = static_cast<std::int16_t>(WaitTicks);
}
