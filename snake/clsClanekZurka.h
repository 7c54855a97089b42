#pragma once
#include "pond/CellKinds.h"

class Pond;

// One segment of the player's snake: owns one cell and picks its picture from the directions in
// which the snake entered and left it. Uvolni gives the cell back as water when the snake lets the
// segment go. A segment changes only the cell it owns: the closed house and anything beyond the
// field are never a segment's own; the open house becomes the winning head's.
class clsClanekZurka {
public:
    explicit clsClanekZurka(Pond& pond) : pond_(pond) {}
    clsClanekZurka(const clsClanekZurka&) = delete;
    clsClanekZurka& operator=(const clsClanekZurka&) = delete;

    // snakeAlive picks the whole or the broken head.
    void VytvorHlavu(int x1, int y1, int s0, bool snakeAlive);
    void VytvorKrk(int s0);
    void VytvorOcas();
    void Uvolni();

    CellPos Cell() const { return {X, Y}; }

private:
    Pond& pond_;
    int X = 0;
    int Y = 0;
    int InDirection = 0;
    int OutDirection = 0;
    // The first segment lies in the closed house without taking the cell; it must never draw on
    // it, nor free it later, when a winning head may stand there.
    bool ownsCell_ = false;
};
