#include "ContactSheet.h"

#include <QPainter>

#include "SnakeShape.h"
#include "app/SpriteLists.h"

namespace {
constexpr int Margin = 10;
constexpr int PerRow = 15;
constexpr int LabelHeight = 12;
constexpr int PondWidth = 30;
constexpr int PondHeight = 12;
constexpr int Width = 2 * Margin + PondWidth * 20;

std::vector<SnakeShape::Piece> PondContent() {
    using Set = SnakeShape::Set;
    std::vector<SnakeShape::Piece> all;
    const auto add = [&](const std::vector<SnakeShape::Piece>& pieces) {
        all.insert(all.end(), pieces.begin(), pieces.end());
    };
    for (int x = 0; x < PondWidth; ++x) {
        all.push_back({{x, 0}, 2});
        all.push_back({{x, PondHeight - 1}, 2});
    }
    for (int y = 1; y < PondHeight - 1; ++y) {
        all.push_back({{0, y}, 2});
        all.push_back({{PondWidth - 1, y}, 2});
    }
    // An S through all four bends, then a snake that ran into a boulder.
    add(SnakeShape::Pieces({2, 2}, "RRRRDDLLLLDDRRRR", Set::Grey));
    add(SnakeShape::Pieces({9, 2}, "RRRDD", Set::Grey, true));
    all.push_back({{12, 5}, 26});
    // Leaving the closed house, and heading for the open one.
    all.push_back({{9, 9}, 24});
    add(SnakeShape::Pieces({9, 8}, "URR", Set::Grey));
    all.push_back({{14, 9}, 25});
    add(SnakeShape::Pieces({18, 6}, "LLLLDD", Set::Grey));
    // Two vipers, turning the other way round.
    add(SnakeShape::Pieces({21, 2}, "RRRRDDLLLLDD", Set::Yellow));
    add(SnakeShape::Pieces({22, 6}, "DDDRRRRRUU", Set::Yellow));
    for (int n = 3; n <= 9; ++n) all.push_back({{n - 1, 10}, n});
    all.push_back({{20, 9}, 45});
    all.push_back({{22, 10}, 45});
    all.push_back({{24, 8}, 26});
    return all;
}
}  // namespace

ContactSheet::ContactSheet(const SpriteLists& sprites, qreal devicePixelRatio)
    : Sprites(sprites), dpr_(devicePixelRatio) {}

QImage ContactSheet::Render() const {
    int height = Margin;
    for (int set = 0; set < SpriteLists::Sets; ++set) {
        const int slot = SpriteLists::CellSize(set) + LabelHeight + 4;
        height += LabelHeight + (SpriteCount / PerRow) * slot + LabelHeight + PondHeight * SpriteLists::CellSize(set) +
                  Margin;
    }
    QImage image(QSize(Width, height) * dpr_, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr_);
    image.fill(QColor(0x30, 0x38, 0x48));
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    int top = Margin;
    for (int set = 0; set < SpriteLists::Sets; ++set) {
        top = SpriteTable(painter, set, top);
        top = SamplePond(painter, set, top) + Margin;
    }
    return image;
}

int ContactSheet::SpriteTable(QPainter& painter, int spriteSet, int top) const {
    const int edge = SpriteLists::CellSize(spriteSet);
    const int slotWidth = (Width - 2 * Margin) / PerRow;
    const int slotHeight = edge + LabelHeight + 4;
    painter.setPen(Qt::white);
    painter.drawText(Margin, top + LabelHeight - 2, QStringLiteral("ILZurk3(%1): %2 px").arg(spriteSet).arg(edge));
    top += LabelHeight;
    for (int n = 1; n <= SpriteCount; ++n) {
        const int x = Margin + ((n - 1) % PerRow) * slotWidth;
        const int y = top + ((n - 1) / PerRow) * slotHeight;
        painter.drawPixmap(x + (slotWidth - edge) / 2, y + 2, Sprites.Sprite(spriteSet, n, dpr_));
        painter.drawText(QRect(x, y + edge + 2, slotWidth, LabelHeight), Qt::AlignCenter, QString::number(n));
    }
    return top + (SpriteCount / PerRow) * slotHeight;
}

int ContactSheet::SamplePond(QPainter& painter, int spriteSet, int top) const {
    const int edge = SpriteLists::CellSize(spriteSet);
    painter.setPen(Qt::white);
    painter.drawText(Margin, top + LabelHeight - 2, QStringLiteral("Pond at %1 px").arg(edge));
    top += LabelHeight;
    painter.fillRect(QRect(Margin, top, PondWidth * edge, PondHeight * edge), Qt::black);
    for (const auto& piece : PondContent())
        painter.drawPixmap(Margin + piece.Cell.x() * edge, top + piece.Cell.y() * edge,
                           Sprites.Sprite(spriteSet, piece.Sprite, dpr_));
    return top + PondHeight * edge;
}
