#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>

#include "TubePainter.h"
#include "pond/CellSprites.h"

// The 45 cell pictures of the pond, drawn from vectors at one cell size. The game uses the
// 12 and 20 pixel sizes; scale 2 draws the same design natively for high-density screens.
class SpritePainter {
public:
    SpritePainter(int logicalEdge, int scale);

    int Edge() const { return edgePx_; }
    // Sprite n (1..SpriteCount) on its black ground, in the cell [0, Edge()) of the painter.
    void Paint(QPainter& painter, int n) const;
    // Only the sprite's figure, leaving the ground as it is: for pictures that place pieces on
    // a background of their own.
    void PaintFigure(QPainter& painter, int n) const;
    // All sprites in one row, sprite n at x = (n - 1) * Edge().
    QImage Sheet() const;
    // The colour of ball sprite n (3..8).
    static QColor BallColour(int n);

    // Where a ball and the shine on it lie in the cell, in device pixels.
    struct BallShape {
        QPointF Centre;
        qreal Radius;
        QPointF Focus;  // the body's brightest point
        QPointF Shine;  // the shine's centre
        QSizeF ShineRadii;
    };
    BallShape Ball() const;
    // The body's shading from its brightest point to the rim, and the shine's.
    static QGradientStops BallStops(const QColor& colour);
    static QGradientStops ShineStops();

private:
    void PaintWall(QPainter& painter) const;
    void PaintBall(QPainter& painter, const QColor& colour) const;
    void PaintGoldenBall(QPainter& painter) const;
    void PaintHouse(QPainter& painter, bool open) const;
    void PaintStone(QPainter& painter) const;
    void PaintFly(QPainter& painter) const;
    // The snake's and the vipers' pieces share one numbering within their sets.
    static bool TubePiece(int first, int n, TubePainter::Piece& piece, int& quarterTurns);
    qreal Px(qreal logical) const { return logical * scale_; }
    qreal At(qreal fraction) const { return fraction * edgePx_; }

    int logical_;
    int scale_;
    int edgePx_;
    TubePainter greyTube_;
    TubePainter yellowTube_;
};
