#pragma once
#include "pond/CellKinds.h"

class Pond;

// A fly: food that flits to a free neighbouring cell now and then, far more often when the
// player's snake lies beside it.
class clsMuska {
public:
    explicit clsMuska(Pond& pond) : pond_(pond) {}
    clsMuska(const clsMuska&) = delete;
    clsMuska& operator=(const clsMuska&) = delete;

    void Poloz(int x, int y, int k);
    void Posun();

    CellPos Cell() const { return {X, Y}; }
    int Key() const { return FlyKey; }

    bool existuje = false;  // false once the snake has eaten the fly

private:
    bool Threatened() const;
    void WriteCell();

    Pond& pond_;
    int X = 0;
    int Y = 0;
    int FlyKey = 0;
};
