#pragma once
#include <QIcon>
#include <QPixmap>
#include <array>
#include <optional>

// The two sprite lists ILZurk3(0) and ILZurk3(1): the 45 cell pictures at 12 and 20 pixels,
// each also at twice the pixels for high-density screens, cut from sheets built into the
// program. Also hands out the window's other built-in pictures. A missing picture never stops
// the game: it shows as a blank of the right size.
class SpriteLists {
public:
    static constexpr int Count = 45;
    static constexpr int Sets = 2;

    SpriteLists();

    // Sprite n (1..Count) of spriteSet (0: 12 px, 1: 20 px). For devicePixelRatio > 1 the
    // sprite has twice the pixels and paints at the same logical size. Anything out of range
    // gives a white square of the set's size.
    const QPixmap& Sprite(int spriteSet, int n, qreal devicePixelRatio) const;

    // Edge of a cell in logical pixels for spriteSet: 12 or 20.
    static int CellSize(int spriteSet);

    // The title picture (400 x 300), the start hint (150 x 50) and the message window's
    // panel (613 x 93), in logical pixels, sharp at the given device pixel ratio.
    static QPixmap TitlePicture(qreal devicePixelRatio);
    static QPixmap StartHintPicture(qreal devicePixelRatio);
    static QPixmap MessagePicture(qreal devicePixelRatio);
    static QIcon WindowIcon();

private:
    static constexpr int Scales = 2;  // 1x and 2x
    using List = std::array<QPixmap, Count>;

    static List Cut(int spriteSet, int scale);
    static QPixmap Picture(const QString& name, QSize logicalSize, qreal devicePixelRatio);
    static QPixmap White(int spriteSet, int scale);

    mutable std::array<std::array<std::optional<List>, Scales>, Sets> Lists;
    std::array<std::array<QPixmap, Scales>, Sets> Blanks;
};
