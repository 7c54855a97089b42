#include "pond/Pond.h"

#include "pond/CellSprites.h"

void Pond::DrawCell(int x, int y) {
    if (!Field.Inside(x, y)) return;
    const int sprite = SpriteForCell(Field.At(x, y));
    if (sprite == WhiteBoxSprite)
        painter_.PaintWhiteBox(x, y);
    else
        painter_.PaintSprite(x, y, sprite);
}

void Pond::DrawPlayfield() {
    for (int x = 1; x <= Field.Width(); ++x)
        for (int y = 1; y <= Field.Height(); ++y) DrawCell(x, y);
}
