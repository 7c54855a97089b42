#include <gtest/gtest.h>

#include "TestPond.h"
#include "pond/CellSprites.h"

TEST(CellDrawing, EveryKindShowsItsPicture) {
    struct Case {
        std::uint8_t kind;
        int data;
        int sprite;
    };
    const Case cases[] = {
        {CellFree, 0, 1},
        {CellWall, 0, 2},
        {CellBoulder, 0, 26},
        {CellBall, 7, 7},
        {CellFly, 123, 45},
        {CellGoldenBall, 0, 9},
        {CellSnake, 14, 14},
        {CellViper, 44, 44},
        {CellHouse, 24, 24},
        {CellHouse, 25, 25},
        {77, 3, WhiteBoxSprite},
        {0, 0, WhiteBoxSprite},
        {CellBall, 0, WhiteBoxSprite},
        {CellSnake, 46, WhiteBoxSprite},
        {CellViper, -3, WhiteBoxSprite},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpriteForCell(FieldCell{c.kind, c.data}), c.sprite) << int(c.kind) << "/" << c.data;
}

TEST(CellDrawing, CellsLandAtTheirPixelsInBothSizes) {
    std::vector<std::string> rows(40, std::string(50, '.'));
    rows[39][49] = '?';
    TestPond pond(rows);
    pond.CopyMapOnly();
    pond.world.CellSize = 12;
    pond.world.SpriteSet = 0;
    pond.world.DrawCell(1, 1);
    pond.world.DrawCell(50, 40);
    pond.world.CellSize = 20;
    pond.world.SpriteSet = 1;
    pond.world.DrawCell(50, 40);
    pond.world.DrawCell(51, 40);  // outside: ignored
    EXPECT_EQ(pond.painter.calls, (std::vector<PaintCall>{{0, 0, 1, 0}, {588, 468, 0, -1}, {980, 780, 0, -1}}));
}
