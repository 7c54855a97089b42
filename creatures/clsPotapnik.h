#pragma once
#include <cstdint>

#include "pond/CellKinds.h"

class Pond;

// The diving beetle keeps the golden ball: after a pause it surfaces on a random free cell
// by the level's chance, stays a while, and dives again.
class clsPotapnik {
public:
    // Reads the level in play: made once the level is loaded.
    explicit clsPotapnik(Pond& pond);
    clsPotapnik(const clsPotapnik&) = delete;
    clsPotapnik& operator=(const clsPotapnik&) = delete;

    void Posun();
    // The snake has eaten the golden ball; its head already stands on the cell.
    void Konec();

    bool IsSurfaced() const { return Surfaced; }
    CellPos Ball() const { return {BallX, BallY}; }

private:
    Pond& ThePond;
    int Chance;  // the level's GoldenBallChance, at most 100
    int MinUpTicks;
    int MaxUpTicks;
    int WaitTicks;
    int BallX = 0;
    int BallY = 0;
    std::int16_t UpTicksLeft = 0;
    std::int16_t WaitLeft = 0;
    bool Surfaced = false;
};
