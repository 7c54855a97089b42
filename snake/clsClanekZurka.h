#pragma once

class modZurk3;

// One segment of the player's snake: owns one cell, picks its picture from the directions in
// which the snake entered and left it, and gives the cell back as water when destroyed.
// The house is never changed by a segment, except by a head entering the open house.
class clsClanekZurka {
public:
    explicit clsClanekZurka(modZurk3& world) : world_(world) {}
    ~clsClanekZurka();
    clsClanekZurka(const clsClanekZurka&) = delete;
    clsClanekZurka& operator=(const clsClanekZurka&) = delete;

    // snakeAlive picks the whole or the broken head.
    void VytvorHlavu(int x1, int y1, int s0, bool snakeAlive);
    void VytvorKrk(int s0);
    void VytvorOcas();

    int X() const { return X_; }
    int Y() const { return Y_; }

private:
    bool OnHouse() const;

    modZurk3& world_;
    int X_ = 0;
    int Y_ = 0;
    int InDirection = 0;
    int OutDirection = 0;
    // The first segment lies in the closed house without taking the cell; it must never free
    // the cell later, when a winning head may stand there.
    bool ownsCell_ = false;
};
