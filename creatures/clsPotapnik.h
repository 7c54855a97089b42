#pragma once
#include <cstdint>

class modZurk3;

// The diving beetle keeps the golden ball: after a pause it surfaces on a random free cell
// by the level's chance, stays a while, and dives again.
class clsPotapnik {
public:
    explicit clsPotapnik(modZurk3& world);
    clsPotapnik(const clsPotapnik&) = delete;
    clsPotapnik& operator=(const clsPotapnik&) = delete;

    void Posun();
    // The snake has eaten the golden ball; its head already stands on the cell.
    void Konec();

    bool Surfaced() const { return Surfaced_; }
    int BallX() const { return BallX_; }
    int BallY() const { return BallY_; }
    int UpTicksLeft() const { return UpTicksLeft_; }
    int WaitLeft() const { return WaitLeft_; }

private:
    bool AnyFreeInteriorCell() const;

    modZurk3& world_;
    int Chance;  // the level's GoldenBallChance, at most 100
    int MinUpTicks;
    int MaxUpTicks;
    int WaitTicks;
    int BallX_ = 0;
    int BallY_ = 0;
    std::int16_t UpTicksLeft_ = 0;
    std::int16_t WaitLeft_ = 0;
    bool Surfaced_ = false;
};
