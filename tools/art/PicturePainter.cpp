#include "PicturePainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "SnakeShape.h"
#include "SpritePainter.h"

namespace {
constexpr int TitleCell = 20;

QImage Blank(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QFont BoldFont(int pixelSize, bool italic = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setItalic(italic);
    font.setPixelSize(pixelSize);
    return font;
}

// Thin lines on whole logical pixels, starting at (left, top) every step pixels.
void Grid(QPainter& painter, const QRect& area, int step, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int x = area.left(); x <= area.right(); x += step)
        painter.fillRect(QRect(x, area.top(), 1, area.height()), colour);
    for (int y = area.top(); y <= area.bottom(); y += step)
        painter.fillRect(QRect(area.left(), y, area.width(), 1), colour);
    painter.restore();
}

// Pieces drawn on the cells of a picture, in device pixels whatever the painter's scale.
void PlaceSprites(QPainter& painter, const SpritePainter& sprites, const std::vector<SnakeShape::Piece>& pieces) {
    for (const auto& piece : pieces) {
        painter.save();
        painter.resetTransform();
        painter.translate(piece.Cell.x() * sprites.Edge(), piece.Cell.y() * sprites.Edge());
        sprites.PaintFigure(painter, piece.Sprite);
        painter.restore();
    }
}

// A rim of the given width around rect, light at the top and left: a raised edge, or a
// pressed-in one with the colours swapped.
void Bevel(QPainter& painter, const QRectF& rect, qreal width, const QColor& light, const QColor& dark) {
    const qreal l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom(), w = width;
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPolygon(QPolygonF{{l, t}, {r, t}, {r - w, t + w}, {l + w, t + w}, {l + w, b - w}, {l, b}});
    painter.setBrush(dark);
    painter.drawPolygon(QPolygonF{{r, t}, {r, b}, {l, b}, {l + w, b - w}, {r - w, b - w}, {r - w, t + w}});
}
}  // namespace

QImage PicturePainter::Title(int scale) {
    QImage image = Blank(400, 300, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(scale, scale);
    Grid(painter, QRect(0, 0, 400, 300), TitleCell, QColor(0x48, 0x48, 0x48));

    const SpritePainter sprites(TitleCell, scale);
    std::vector<SnakeShape::Piece> things = {{{8, 1}, 3},  {{17, 1}, 5},  {{1, 11}, 4}, {{18, 12}, 7},
                                             {{3, 13}, 8}, {{15, 12}, 6}, {{13, 2}, 45}};
    const auto snake = SnakeShape::Pieces({1, 3}, "RRUURRR", SnakeShape::Set::Grey);
    things.insert(things.end(), snake.begin(), snake.end());
    PlaceSprites(painter, sprites, things);

    // The name: brushed grey metal letters lifted off the pond by a shadow.
    QPainterPath name;
    name.addText(0, 0, BoldFont(124, true), QStringLiteral("Zurk3"));
    const QRectF box = name.boundingRect();
    name.translate(200 - box.center().x(), 156 - box.center().y());
    const QRectF placed = name.boundingRect();
    painter.fillPath(name.translated(6, 6), QColor(0, 0, 0, 210));
    QLinearGradient metal(0, placed.top(), 0, placed.bottom());
    metal.setColorAt(0, QColor(0xfa, 0xfa, 0xfa));
    metal.setColorAt(0.46, QColor(0xb4, 0xb4, 0xb4));
    metal.setColorAt(0.5, QColor(0x78, 0x78, 0x78));
    metal.setColorAt(1, QColor(0xb0, 0xb0, 0xb0));
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 3));
    painter.setBrush(metal);
    painter.drawPath(name);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(name.translated(-1, -1));
    return image;
}

QImage PicturePainter::StartHint(int scale, const QString& words) {
    QImage image = Blank(150, 50, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(scale, scale);
    QLinearGradient field(0, 0, 0, 50);
    field.setColorAt(0, QColor(0x36, 0x74, 0xe8));
    field.setColorAt(1, QColor(0x0a, 0x28, 0x8c));
    painter.fillRect(QRect(0, 0, 150, 50), field);
    Bevel(painter, QRectF(0, 0, 150, 50), 2, QColor(0x8c, 0xb4, 0xff), QColor(0x04, 0x14, 0x50));

    // The key cap: a rounded block with a lighter top face.
    const QRectF cap(9, 7, 40, 36);
    QLinearGradient side(0, cap.top(), 0, cap.bottom());
    side.setColorAt(0, QColor(0xf0, 0xf0, 0xf0));
    side.setColorAt(1, QColor(0x88, 0x88, 0x88));
    painter.setPen(QPen(QColor(0x10, 0x10, 0x30), 1));
    painter.setBrush(side);
    painter.drawRoundedRect(cap, 6, 6);
    const QRectF top = cap.adjusted(4, 3, -4, -7);
    QLinearGradient face(0, top.top(), 0, top.bottom());
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(0xd0, 0xd0, 0xd0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawRoundedRect(top, 4, 4);
    painter.setFont(BoldFont(15));
    painter.setPen(QColor(0x18, 0x18, 0x18));
    painter.drawText(top, Qt::AlignCenter, QStringLiteral("F2"));

    const QRectF place(56, 0, 90, 50);
    painter.setFont(BoldFont(19));
    painter.setPen(QColor(0x00, 0x10, 0x40));
    painter.drawText(place.translated(1, 1), Qt::AlignVCenter | Qt::AlignLeft, words);
    painter.setPen(Qt::white);
    painter.drawText(place, Qt::AlignVCenter | Qt::AlignLeft, words);
    return image;
}

QImage PicturePainter::Message(int scale) {
    QImage image = Blank(613, 93, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(scale, scale);
    Grid(painter, QRect(6, 6, 601, 81), 12, QColor(0x38, 0x38, 0x38));
    Bevel(painter, QRectF(0, 0, 613, 93), 4, QColor(0xd8, 0xd8, 0xd8), QColor(0x5c, 0x5c, 0x5c));
    Bevel(painter, QRectF(4, 4, 605, 85), 1, QColor(0x40, 0x40, 0x40), QColor(0xb8, 0xb8, 0xb8));
    return image;
}

QImage PicturePainter::Icon(int scale) { return IconOfSize(64 * scale); }

QImage PicturePainter::IconOfSize(int pixels) {
    // Four cells a side: a grey snake turning back towards a red ball, a yellow ball in the
    // corner. Where the cell is a whole multiple of 16 pixels the pieces are the window icon's
    // own sprites at that scale; other cells get the sprites drawn natively at their size, which
    // keeps every shape on whole pixels instead of blurring it. Below 8 pixels a cell cannot
    // hold a sprite's one-pixel insets and lips, and the balls would shrink to dots: there the
    // window icon is averaged down, which keeps the shapes in proportion.
    Q_ASSERT(pixels > 0 && pixels % IconCells == 0);
    const int cell = pixels / IconCells;
    if (cell < 8) return IconOfSize(64).scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const SpritePainter sprites = cell % 16 == 0 ? SpritePainter(16, cell / 16) : SpritePainter(cell, 1);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The rim stays at least one pixel wide so the dark tile keeps its outline.
    const qreal unit = pixels / 64.0;
    const qreal rim = std::max<qreal>(unit, 1);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), rim));
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(rim / 2, rim / 2, pixels - rim, pixels - rim), 8 * unit, 8 * unit);
    PlaceSprites(painter, sprites, IconPieces());
    return image;
}

PicturePainter::IconLayout PicturePainter::IconDesign() {
    return {{0, 3}, QStringLiteral("UURRD"), {{{2, 3}, 3}, {{3, 0}, 6}}};
}

std::vector<SnakeShape::Piece> PicturePainter::IconPieces() {
    const IconLayout design = IconDesign();
    auto pieces = SnakeShape::Pieces(design.Tail, design.Moves, SnakeShape::Set::Grey);
    pieces.insert(pieces.end(), design.Balls.begin(), design.Balls.end());
    return pieces;
}
