#pragma once

class modZurk3;

// One segment of a viper: owns one cell of the kind CellViper, turns into a ball when its
// viper dies, and empties its cell when destroyed.
class clsClanekZmije {
public:
    explicit clsClanekZmije(modZurk3& world) : world_(world) {}
    ~clsClanekZmije();
    clsClanekZmije(const clsClanekZmije&) = delete;
    clsClanekZmije& operator=(const clsClanekZmije&) = delete;

    void VytvorHlavu(int x1, int y1, int s0);
    void VytvorKrk(int s0);
    void VytvorOcas();
    void Prerod();

    int X() const { return X_; }
    int Y() const { return Y_; }

private:
    modZurk3& world_;
    int X_ = 0;
    int Y_ = 0;
    int InDirection = 0;
    int OutDirection = 0;
};
