#include "SpritePainter.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

#include "Colours.h"

namespace {
constexpr int FirstGreyPiece = 10;
constexpr int FirstCrackedHead = 27;
constexpr int FirstYellowPiece = 31;

const std::array<QColor, 6> BallColours = {QColor(228, 24, 24), QColor(24, 196, 40),  QColor(40, 84, 255),
                                           QColor(255, 226, 0), QColor(226, 30, 226), QColor(0, 214, 226)};

}  // namespace

SpritePainter::SpritePainter(int logicalEdge, int scale)
    : logical_(logicalEdge),
      scale_(scale),
      edgePx_(logicalEdge * scale),
      greyTube_(TubePainter::Grey(), logicalEdge, scale),
      yellowTube_(TubePainter::Yellow(), logicalEdge, scale) {}

QColor SpritePainter::BallColour(int n) {
    Q_ASSERT(n >= 3 && n <= 8);
    return BallColours[static_cast<std::size_t>(n - 3)];
}

bool SpritePainter::TubePiece(int first, int n, TubePainter::Piece& piece, int& quarterTurns) {
    const int offset = n - first;
    if (offset < 0 || offset > 13) return false;
    if (offset >= 12) {  // horizontal, then vertical
        piece = TubePainter::Piece::Straight;
        quarterTurns = offset == 12 ? 1 : 0;
        return true;
    }
    constexpr std::array<TubePainter::Piece, 3> kinds = {TubePainter::Piece::Head, TubePainter::Piece::Bend,
                                                         TubePainter::Piece::Tail};
    piece = kinds[static_cast<std::size_t>(offset / 4)];
    quarterTurns = offset % 4;
    return true;
}

void SpritePainter::Paint(QPainter& painter, int n) const {
    painter.fillRect(QRect(0, 0, edgePx_, edgePx_), Qt::black);
    PaintFigure(painter, n);
}

void SpritePainter::PaintFigure(QPainter& painter, int n) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    TubePainter::Piece piece;
    int turns = 0;
    if (n == 2)
        PaintWall(painter);
    else if (n >= 3 && n <= 8)
        PaintBall(painter, BallColour(n));
    else if (n == 9)
        PaintGoldenBall(painter);
    else if (n == 24 || n == 25)
        PaintHouse(painter, n == 25);
    else if (n == 26)
        PaintStone(painter);
    else if (n >= FirstCrackedHead && n < FirstCrackedHead + 4)
        greyTube_.Paint(painter, TubePainter::Piece::CrackedHead, n - FirstCrackedHead);
    else if (TubePiece(FirstGreyPiece, n, piece, turns))
        greyTube_.Paint(painter, piece, turns);
    else if (TubePiece(FirstYellowPiece, n, piece, turns))
        yellowTube_.Paint(painter, piece, turns);
    else if (n == 45)
        PaintFly(painter);
    painter.restore();
}

QImage SpritePainter::Sheet() const {
    QImage sheet(SpriteCount * edgePx_, edgePx_, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    for (int n = 1; n <= SpriteCount; ++n) {
        painter.save();
        painter.translate((n - 1) * edgePx_, 0);
        painter.setClipRect(0, 0, edgePx_, edgePx_);
        Paint(painter, n);
        painter.restore();
    }
    return sheet;
}

void SpritePainter::PaintWall(QPainter& painter) const {
    // A raised block: light from the top left, so neighbouring walls read as separate stones.
    const qreal e = edgePx_;
    const qreal b = Px(logical_ >= 20 ? 3 : 2);
    QLinearGradient face(0, b, 0, e - b);
    face.setColorAt(0, QColor(0xb8, 0xb8, 0xb8));
    face.setColorAt(1, QColor(0x94, 0x94, 0x94));
    painter.fillRect(QRectF(0, 0, e, e), face);
    const auto bevel = [&](const QColor& colour, const QPolygonF& side) {
        painter.setBrush(colour);
        painter.drawPolygon(side);
    };
    bevel(QColor(0xe8, 0xe8, 0xe8), {{0, 0}, {e, 0}, {e - b, b}, {b, b}});
    bevel(QColor(0xcc, 0xcc, 0xcc), {{0, 0}, {b, b}, {b, e - b}, {0, e}});
    bevel(QColor(0x74, 0x74, 0x74), {{e, 0}, {e, e}, {e - b, e - b}, {e - b, b}});
    bevel(QColor(0x50, 0x50, 0x50), {{0, e}, {b, e - b}, {e - b, e - b}, {e, e}});
}

SpritePainter::BallShape SpritePainter::Ball() const {
    const qreal inset = Px(logical_ >= 20 ? 2 : 1);
    return {QPointF(At(0.5), At(0.5)), At(0.5) - inset, QPointF(At(0.38), At(0.34)), QPointF(At(0.37), At(0.31)),
            QSizeF(At(0.14), At(0.1))};
}

QGradientStops SpritePainter::BallStops(const QColor& colour) {
    return {{0, Mix(colour, Qt::white, 0.6)}, {0.45, colour}, {1, Mix(colour, Qt::black, 0.65)}};
}

QGradientStops SpritePainter::ShineStops() {
    return {{0, QColor(255, 255, 255, 240)}, {0.5, QColor(255, 255, 255, 150)}, {1, QColor(255, 255, 255, 0)}};
}

void SpritePainter::PaintBall(QPainter& painter, const QColor& colour) const {
    const BallShape ball = Ball();
    QRadialGradient body(ball.Centre, ball.Radius, ball.Focus);
    body.setStops(BallStops(colour));
    painter.setBrush(body);
    painter.drawEllipse(ball.Centre, ball.Radius, ball.Radius);
    QRadialGradient shine(ball.Shine, ball.ShineRadii.width());
    shine.setStops(ShineStops());
    painter.setBrush(shine);
    painter.drawEllipse(ball.Shine, ball.ShineRadii.width(), ball.ShineRadii.height());
}

void SpritePainter::PaintGoldenBall(QPainter& painter) const {
    PaintBall(painter, QColor(255, 140, 0));
    // A four-pointed glint sets the golden ball apart from the plain yellow one.
    const QPointF spot(At(0.37), At(0.33));
    const qreal arm = At(0.2);
    const qreal waist = At(0.035) + Px(0.3);
    painter.setBrush(QColor(255, 255, 240));
    painter.drawPolygon(QPolygonF{{spot.x() - arm, spot.y()},
                                  {spot.x() - waist, spot.y() - waist},
                                  {spot.x(), spot.y() - arm},
                                  {spot.x() + waist, spot.y() - waist},
                                  {spot.x() + arm, spot.y()},
                                  {spot.x() + waist, spot.y() + waist},
                                  {spot.x(), spot.y() + arm},
                                  {spot.x() - waist, spot.y() + waist}});
    painter.drawEllipse(spot, Px(1), Px(1));
}

void SpritePainter::PaintHouse(QPainter& painter, bool open) const {
    const qreal e = edgePx_;
    const qreal frame = Px(logical_ >= 20 ? 2 : 1);
    painter.fillRect(QRectF(0, 0, e, e), QColor(255, 222, 0));
    if (frame > scale_) painter.fillRect(QRectF(frame / 2, frame / 2, e - frame, e - frame), QColor(190, 150, 0));
    painter.fillRect(QRectF(frame, frame, e - 2 * frame, e - 2 * frame), Qt::black);
    if (open) return;
    // A pyramid roof seen from above: four faces lit from the top left.
    const qreal a = frame + Px(1);
    const qreal z = e - a;
    const QPointF apex(At(0.5), At(0.5));
    const auto face = [&](const QColor& colour, QPointF from, QPointF to) {
        painter.setBrush(colour);
        painter.drawPolygon(QPolygonF{from, to, apex});
    };
    face(QColor(0xec, 0xec, 0xec), {a, a}, {z, a});
    face(QColor(0xc0, 0xc0, 0xc0), {a, z}, {a, a});
    face(QColor(0x80, 0x80, 0x80), {z, a}, {z, z});
    face(QColor(0x5c, 0x5c, 0x5c), {z, z}, {a, z});
}

void SpritePainter::PaintStone(QPainter& painter) const {
    // Fixed irregular outline: the same boulder in every size.
    constexpr std::array<qreal, 10> reach = {0.95, 0.80, 0.97, 0.86, 0.99, 0.78, 0.92, 0.84, 0.98, 0.82};
    const qreal radius = At(0.5) - Px(1);
    QPolygonF outline;
    for (std::size_t i = 0; i < reach.size(); ++i) {
        const auto n = static_cast<qreal>(i);
        const qreal angle =
            2 * std::numbers::pi * (n + 0.3 * static_cast<qreal>(i % 3)) / static_cast<qreal>(reach.size());
        outline << QPointF(At(0.5) + radius * reach[i] * std::cos(angle),
                           At(0.52) + radius * reach[i] * 0.92 * std::sin(angle));
    }
    QRadialGradient body(QPointF(At(0.5), At(0.5)), radius, QPointF(At(0.36), At(0.32)));
    body.setColorAt(0, QColor(0xc8, 0x90, 0x58));
    body.setColorAt(0.5, QColor(0x8c, 0x5a, 0x2c));
    body.setColorAt(1, QColor(0x48, 0x2a, 0x10));
    painter.setBrush(body);
    painter.drawPolygon(outline);
    const auto speck = [&](const QColor& colour, qreal fx, qreal fy, qreal r) {
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(At(fx), At(fy)), std::max(At(r), Px(0.6)), std::max(At(r), Px(0.6)));
    };
    speck(QColor(0x3a, 0x20, 0x0c), 0.64, 0.60, 0.07);
    speck(QColor(0x3a, 0x20, 0x0c), 0.40, 0.70, 0.05);
    speck(QColor(0x4a, 0x2c, 0x12), 0.70, 0.36, 0.04);
    speck(QColor(0xe0, 0xb0, 0x80), 0.36, 0.36, 0.05);
}

void SpritePainter::PaintFly(QPainter& painter) const {
    const auto wing = [&](qreal fx, qreal tilt) {
        painter.save();
        painter.translate(At(fx), At(0.44));
        painter.rotate(tilt);
        QRadialGradient membrane(QPointF(-At(0.03), -At(0.08)), At(0.3));
        membrane.setColorAt(0, Qt::white);
        membrane.setColorAt(1, QColor(0xc4, 0xd4, 0xe4));
        painter.setBrush(membrane);
        painter.setPen(QPen(QColor(0x70, 0x80, 0x90), Px(0.6)));
        painter.drawEllipse(QPointF(0, 0), At(0.19), At(0.28));
        painter.restore();
    };
    wing(0.29, -18);
    wing(0.71, 18);
    QLinearGradient body(At(0.42), 0, At(0.58), 0);
    body.setColorAt(0, QColor(0x30, 0x30, 0x30));
    body.setColorAt(0.5, QColor(0x70, 0x68, 0x60));
    body.setColorAt(1, QColor(0x30, 0x30, 0x30));
    painter.setBrush(body);
    painter.drawEllipse(QPointF(At(0.5), At(0.58)), At(0.09), At(0.25));
}
