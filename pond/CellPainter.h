#pragma once

// Where the rules' drawing ends up. The rules speak of cells; how large a cell is on the screen,
// and the retained image of the pond, are the front end's.
class CellPainter {
public:
    virtual ~CellPainter() = default;
    // Sprite 1..45 on cell (x, y) of the level's field.
    virtual void PaintSprite(int x, int y, int sprite) = 0;
    // A white box over cell (x, y).
    virtual void PaintWhiteBox(int x, int y) = 0;
};

class NullPainter : public CellPainter {
public:
    void PaintSprite(int, int, int) override {}
    void PaintWhiteBox(int, int) override {}
};
