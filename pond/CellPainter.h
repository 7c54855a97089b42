#pragma once

// Where the rules' drawing ends up: the front end keeps the pond's retained image.
class CellPainter {
public:
    virtual ~CellPainter() = default;
    // Sprite 1..45 of the list for spriteSet (0: 12 px, 1: 20 px), its top-left corner at (px, py).
    virtual void PaintSprite(int px, int py, int sprite, int spriteSet) = 0;
    // A white box covering the square from (px, py) to (px + size, py + size).
    virtual void PaintWhiteBox(int px, int py, int size) = 0;
};

class NullPainter : public CellPainter {
public:
    void PaintSprite(int, int, int, int) override {}
    void PaintWhiteBox(int, int, int) override {}
};
