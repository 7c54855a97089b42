#pragma once
#include <cstdint>
#include <vector>

#include "pond/CellKinds.h"

struct FieldCell {
    std::uint8_t Kind = 0;
    // The cell's Data as a number: a sprite for balls, segments and the house, the key for a fly.
    // Empty text and "0" read alike, so a number serves every reader.
    int Data = 0;
};

// The live grid the snake and the creatures move on, 1-based like the game file.
class Playfield {
public:
    // Dimensioned afresh: every old cell is dropped, all new ones are empty (kind 0).
    void Dimension(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Inside(int x, int y) const { return x >= 1 && x <= width_ && y >= 1 && y <= height_; }

    // A cell beyond the field reads as wall, so a level whose outer ring is broken
    // can never lead anyone out of the grid.
    std::uint8_t Kind(int x, int y) const { return Inside(x, y) ? cells_[Index(x, y)].Kind : CellWall; }
    bool IsFree(int x, int y) const { return Kind(x, y) == CellFree; }
    // The free water inside the wall ring, where items are scattered and the golden ball surfaces.
    int FreeInteriorCells() const;

    // Only for cells inside the field.
    FieldCell& At(int x, int y) { return cells_[Index(x, y)]; }
    const FieldCell& At(int x, int y) const { return cells_[Index(x, y)]; }

private:
    std::size_t Index(int x, int y) const { return GridIndex(x, y, width_); }

    int width_ = 0;
    int height_ = 0;
    std::vector<FieldCell> cells_;
};
