#pragma once
#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

#include "SnakeShape.h"

// The game's larger pictures: the title screen, the start hint, the message window's panel and
// the icon. scale 2 draws the same design at twice the pixels for high-density screens.
class PicturePainter {
public:
    static QImage Title(int scale);                            // 400 x 300
    static QImage StartHint(int scale, const QString& words);  // 150 x 50
    static QImage Message(int scale);                          // 613 x 93
    static QImage Icon(int scale);                             // 64 x 64: the window icon

    // The icon is a tile of IconCells x IconCells pond cells. It can be drawn at any edge that
    // is a whole number of cells, for the desktop's icon theme.
    static constexpr int IconCells = 4;
    static QImage IconOfSize(int pixels);

    // What lies on the icon's cells: one grey snake, walked from its tail, and some balls
    // (sprite numbers as in the sprite sheets). The scalable icon is drawn from the same layout.
    struct IconLayout {
        QPoint Tail;
        QString Moves;
        std::vector<SnakeShape::Piece> Balls;
    };
    static IconLayout IconDesign();

private:
    // The icon's pieces, cell by cell, as the sprites paint them.
    static std::vector<SnakeShape::Piece> IconPieces();
};
