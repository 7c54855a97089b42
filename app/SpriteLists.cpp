#include "app/SpriteLists.h"

#include <QImage>
#include <QString>

#include "resources/Pictures.h"

namespace {
// Sets, scales and sprites are ints, as the game counts them; std::array wants an unsigned index.
std::size_t Index(int i) { return static_cast<std::size_t>(i); }
}  // namespace

SpriteLists::SpriteLists() {
    for (int set = 0; set < Sets; ++set)
        for (int scale = 1; scale <= Scales; ++scale) blanks_[Index(set)][Index(scale - 1)] = White(set, scale);
}

int SpriteLists::CellSize(int spriteSet) { return spriteSet == 1 ? 20 : 12; }

const QPixmap& SpriteLists::Sprite(int spriteSet, int n, qreal devicePixelRatio) const {
    const int set = spriteSet == 1 ? 1 : 0;
    const int scale = Pictures::ScaleFor(devicePixelRatio);
    if (spriteSet != set || n < 1 || n > SpriteCount) return blanks_[Index(set)][Index(scale - 1)];
    // A sheet is decoded when a level first needs it, not while the window is starting.
    std::optional<List>& list = ILZurk3[Index(set)][Index(scale - 1)];
    if (!list) list = Cut(set, scale);
    return (*list)[Index(n - 1)];
}

QPixmap SpriteLists::White(int spriteSet, int scale) {
    QPixmap white(CellSize(spriteSet) * scale, CellSize(spriteSet) * scale);
    white.fill(Qt::white);
    white.setDevicePixelRatio(scale);
    return white;
}

SpriteLists::List SpriteLists::Cut(int spriteSet, int scale) {
    // Read as a plain image: the "@2x" in the name would otherwise change how rectangles are
    // measured, and the cut must be in the sheet's own pixels.
    QImage sheet(Pictures::ResourcePath(QStringLiteral("sprites%1").arg(CellSize(spriteSet)), scale));
    sheet.setDevicePixelRatio(1);
    const int edge = CellSize(spriteSet) * scale;
    List list;
    for (int n = 1; n <= SpriteCount; ++n) {
        const QRect cell((n - 1) * edge, 0, edge, edge);
        list[Index(n - 1)] =
            sheet.rect().contains(cell) ? QPixmap::fromImage(sheet.copy(cell)) : White(spriteSet, scale);
        list[Index(n - 1)].setDevicePixelRatio(scale);
    }
    return list;
}
