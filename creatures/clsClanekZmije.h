#pragma once
#include "pond/CellKinds.h"

class Pond;

// One segment of a viper: owns one cell of the kind CellViper and turns into a ball when its
// viper dies. Uvolni gives the cell back as water when the viper lets the segment go.
class clsClanekZmije {
public:
    explicit clsClanekZmije(Pond& pond) : pond_(pond) {}
    clsClanekZmije(const clsClanekZmije&) = delete;
    clsClanekZmije& operator=(const clsClanekZmije&) = delete;

    void VytvorHlavu(int x1, int y1, int s0);
    void VytvorKrk(int s0);
    void VytvorOcas();
    void Prerod();
    // The segment is let go: its cell, whatever stands there by then, becomes free water.
    void Uvolni();

    CellPos Cell() const { return {X, Y}; }

private:
    Pond& pond_;
    int X = 0;
    int Y = 0;
    int InDirection = 0;
    int OutDirection = 0;
};
