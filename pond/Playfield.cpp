#include "pond/Playfield.h"

void Playfield::Dimension(int width, int height) {
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    cells_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), FieldCell{});
}

int Playfield::FreeInteriorCells() const {
    int free = 0;
    for (int x = 2; x < width_; ++x)
        for (int y = 2; y < height_; ++y)
            if (IsFree(x, y)) ++free;
    return free;
}
