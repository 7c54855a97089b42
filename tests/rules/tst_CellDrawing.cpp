#include <gtest/gtest.h>

#include "pond/CellSprites.h"

// The pictures no other test looks at: the window's game tests see the snake, the houses and the
// water on the screen.
TEST(CellDrawing, EveryKindShowsItsPicture) {
    struct Case {
        std::uint8_t kind;
        int data;
        int sprite;
    };
    const Case cases[] = {
        {CellWall, 0, 2},        {CellBoulder, 0, 26},          {CellBall, 7, 7},
        {CellFly, 123, 45},      {CellGoldenBall, 0, 9},        {CellViper, 44, 44},
        {77, 3, WhiteBoxSprite}, {CellBall, 0, WhiteBoxSprite}, {CellSnake, 46, WhiteBoxSprite},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpriteForCell(FieldCell{c.kind, c.data}), c.sprite) << int(c.kind) << "/" << c.data;
}
