#pragma once
#include <QGradientStops>
#include <QPainter>

// The snake and viper pieces: one shaded tube whose cross-section looks the same in every piece,
// so any chain of pieces reads as one continuous body. Each piece is drawn in one canonical
// orientation and turned by quarter turns; the shading is symmetric about the tube's axis, which
// is what lets a straight, a bend and a head meet on a cell edge with the very same pixels.
class TubePainter {
public:
    enum class Piece {
        Head,         // tube from the bottom edge, open mouth at the top edge
        CrackedHead,  // the same with cracks: a snake that has crashed
        Bend,         // quarter circle joining the top and the right edge
        Tail,         // tube leaving through the top edge, rounded end inside the cell
        Straight      // top to bottom
    };

    // profile: colours from the tube's axis (0) to its rim (1).
    TubePainter(const QGradientStops& profile, int logicalEdge, int scale);

    // Paints the piece into the cell [0, edge) x [0, edge) of the painter's device pixels,
    // turned clockwise by quarterTurns.
    void Paint(QPainter& painter, Piece piece, int quarterTurns) const;

    // Where the tube, the head and the tail lie in the cell, in device pixels, before any turn.
    struct Shape {
        qreal HalfWidth;       // of the tube
        qreal FlareHalfWidth;  // of the head at its mouth
        qreal MouthY;          // the mouth's centre, near the top edge
        qreal MouthHalfHeight;
        qreal NeckY;      // where the flare has narrowed to the tube
        qreal Lip;        // the mouth's rim
        qreal RoundFrom;  // where the tail starts to round off
        qreal Tip;        // where the tail ends
    };
    const Shape& Measures() const { return shape_; }

    static QGradientStops Grey();
    static QGradientStops Yellow();
    // The profile's colour at t (0 axis .. 1 rim), interpolated as the gradients do.
    static QColor ColourAt(const QGradientStops& profile, qreal t);

private:
    void PaintStraight(QPainter& painter) const;
    void PaintBend(QPainter& painter) const;
    void PaintHead(QPainter& painter, bool cracked) const;
    void PaintTail(QPainter& painter) const;
    void PaintEyes(QPainter& painter, qreal top, bool dead) const;
    void PaintCracks(QPainter& painter) const;
    // One pixel row of a body of revolution about the vertical axis: the tube's cross-section
    // scaled to halfWidth, darkened towards black by shade (0..1).
    void PaintRow(QPainter& painter, qreal top, qreal height, qreal halfWidth, qreal shade = 0) const;
    qreal Px(qreal logical) const { return logical * scale_; }

    QGradientStops profile_;
    int edge_;
    int scale_;
    qreal centre_;
    Shape shape_;
};
