#include "creatures/clsPotapnik.h"

#include <algorithm>

#include "game/modZurk3.h"

clsPotapnik::clsPotapnik(modZurk3& world)
    : world_(world),
      // A chance above 100 % means "always"; the pause cannot be shorter than nothing.
      Chance(std::min<int>(world.Level.GoldenBallChance, 100)),
      MinUpTicks(std::min(world.Level.FieldWidth, world.Level.FieldHeight)),
      MaxUpTicks(std::max(world.Level.FieldWidth, world.Level.FieldHeight)),
      WaitTicks(100 - Chance),
      WaitLeft_(static_cast<std::int16_t>(WaitTicks)) {}

bool clsPotapnik::AnyFreeInteriorCell() const {
    const Playfield& field = world_.Field;
    for (int x = 2; x < field.Width(); ++x)
        for (int y = 2; y < field.Height(); ++y)
            if (field.IsFree(x, y)) return true;
    return false;
}

void clsPotapnik::Posun() {
    if (Chance == 0) return;
    if (Surfaced_) {
        UpTicksLeft_ = static_cast<std::int16_t>(UpTicksLeft_ - 1);
        if (UpTicksLeft_ == 0) {
            Surfaced_ = false;
            if (world_.Field.Inside(BallX_, BallY_)) world_.Field.At(BallX_, BallY_).Kind = CellFree;
            world_.DrawCell(BallX_, BallY_);
        }
        return;
    }
    if (WaitLeft_ >= 0) {
        WaitLeft_ = static_cast<std::int16_t>(WaitLeft_ - 1);
        return;
    }
    if (static_cast<float>(world_.Rnd()) > static_cast<float>(Chance) / 100.0f) return;
    // With no free water inside the pond the ball stays down and tries again next tick.
    if (!AnyFreeInteriorCell()) return;
    const int width = world_.Level.FieldWidth;
    const int height = world_.Level.FieldHeight;
    do {
        BallX_ = RandomInt(world_.Random(), width - 2, 2);
        BallY_ = RandomInt(world_.Random(), height - 2, 2);
    } while (!world_.Field.IsFree(BallX_, BallY_));
    world_.Field.At(BallX_, BallY_).Kind = CellGoldenBall;
    world_.DrawCell(BallX_, BallY_);
    UpTicksLeft_ = static_cast<std::int16_t>(RandomInt(world_.Random(), MaxUpTicks - MinUpTicks, MinUpTicks));
    Surfaced_ = true;
    WaitLeft_ = static_cast<std::int16_t>(WaitTicks);
}

void clsPotapnik::Konec() {
    Surfaced_ = false;
    WaitLeft_ = static_cast<std::int16_t>(WaitTicks);
}
