#pragma once
#include <QPixmap>
#include <array>
#include <optional>

#include "pond/CellSprites.h"

// The two sprite lists ILZurk3(0) and ILZurk3(1): the 45 cell pictures at 12 and 20 pixels,
// each also at twice the pixels for high-density screens, cut from sheets built into the
// program. A missing picture never stops the game: it shows as a white square.
class SpriteLists {
public:
    static constexpr int Sets = 2;

    SpriteLists();

    // Sprite n (1..SpriteCount) of spriteSet (0: 12 px, 1: 20 px). For devicePixelRatio > 1 the
    // sprite has twice the pixels and paints at the same logical size. Anything out of range
    // gives a white square of the set's size.
    const QPixmap& Sprite(int spriteSet, int n, qreal devicePixelRatio) const;

    // Edge of a cell in logical pixels for spriteSet: 12 or 20.
    static int CellSize(int spriteSet);

private:
    static constexpr int Scales = 2;  // 1x and 2x
    using List = std::array<QPixmap, SpriteCount>;

    static List Cut(int spriteSet, int scale);
    static QPixmap White(int spriteSet, int scale);

    mutable std::array<std::array<std::optional<List>, Scales>, Sets> ILZurk3;
    std::array<std::array<QPixmap, Scales>, Sets> blanks_;
};
