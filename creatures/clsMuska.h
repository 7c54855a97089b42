#pragma once

class modZurk3;

// A fly: food that flits to a free neighbouring cell now and then, far more often when the
// player's snake lies beside it.
class clsMuska {
public:
    explicit clsMuska(modZurk3& world) : world_(world) {}
    clsMuska(const clsMuska&) = delete;
    clsMuska& operator=(const clsMuska&) = delete;

    void Poloz(int x, int y, int k);
    void Posun();

    int X() const { return X_; }
    int Y() const { return Y_; }
    int Key() const { return FlyKey; }

    bool existuje = false;  // false once the snake has eaten the fly

private:
    bool Threatened() const;
    void WriteCell();

    modZurk3& world_;
    int X_ = 0;
    int Y_ = 0;
    int FlyKey = 0;
};
