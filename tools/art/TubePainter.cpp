#include "TubePainter.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "Colours.h"

namespace {
QColor Darker(const QColor& colour, qreal shade) { return Mix(colour, Qt::black, shade); }
}  // namespace

TubePainter::TubePainter(const QGradientStops& profile, int logicalEdge, int scale)
    : profile_(profile), edge_(logicalEdge * scale), scale_(scale), centre_(logicalEdge * scale / 2.0) {
    // An even width keeps both rims on whole pixels, so a tube is crisp where it crosses an edge.
    shape_.HalfWidth = std::round(logicalEdge * 0.34) * scale;
    shape_.FlareHalfWidth = centre_ - Px(1);
    shape_.MouthHalfHeight = edge_ * 0.2;
    shape_.MouthY = Px(1) + shape_.MouthHalfHeight;
    shape_.NeckY = edge_ * 0.72;
    shape_.Lip = Px(logicalEdge >= 20 ? 1.5 : 1);
    shape_.RoundFrom = edge_ * 0.42;
    shape_.Tip = edge_ - Px(1.5);
}

QColor TubePainter::ColourAt(const QGradientStops& profile, qreal t) {
    for (int i = 1; i < profile.size(); ++i) {
        if (t <= profile[i].first) {
            const qreal span = profile[i].first - profile[i - 1].first;
            const qreal f = span > 0 ? (t - profile[i - 1].first) / span : 0;
            return Mix(profile[i - 1].second, profile[i].second, f);
        }
    }
    return profile.last().second;
}

QGradientStops TubePainter::Grey() {
    return {{0.0, QColor(0xf4, 0xf4, 0xf4)},
            {0.3, QColor(0xcc, 0xcc, 0xcc)},
            {0.65, QColor(0x90, 0x90, 0x90)},
            {0.88, QColor(0x5e, 0x5e, 0x5e)},
            {1.0, QColor(0x36, 0x36, 0x36)}};
}

QGradientStops TubePainter::Yellow() {
    return {{0.0, QColor(0xff, 0xfb, 0xd8)},
            {0.3, QColor(0xff, 0xe0, 0x38)},
            {0.65, QColor(0xd8, 0xa8, 0x00)},
            {0.88, QColor(0x98, 0x6c, 0x00)},
            {1.0, QColor(0x58, 0x3c, 0x00)}};
}

void TubePainter::Paint(QPainter& painter, Piece piece, int quarterTurns) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.translate(centre_, centre_);
    painter.rotate(90.0 * quarterTurns);
    painter.translate(-centre_, -centre_);
    switch (piece) {
    case Piece::Head: PaintHead(painter, false); break;
    case Piece::CrackedHead: PaintHead(painter, true); break;
    case Piece::Bend: PaintBend(painter); break;
    case Piece::Tail: PaintTail(painter); break;
    case Piece::Straight: PaintStraight(painter); break;
    }
    painter.restore();
}

void TubePainter::PaintRow(QPainter& painter, qreal top, qreal height, qreal halfWidth, qreal shade) const {
    if (halfWidth <= 0 || height <= 0) return;
    QLinearGradient across(centre_, 0, centre_ + halfWidth, 0);
    across.setSpread(QGradient::ReflectSpread);
    QGradientStops stops = profile_;
    for (auto& stop : stops) stop.second = Darker(stop.second, shade);
    across.setStops(stops);
    painter.fillRect(QRectF(centre_ - halfWidth, top, 2 * halfWidth, height), across);
}

void TubePainter::PaintStraight(QPainter& painter) const {
    for (int y = 0; y < edge_; ++y) PaintRow(painter, y, 1, shape_.HalfWidth);
}

void TubePainter::PaintBend(QPainter& painter) const {
    // A torus quarter around the top-right corner: at either edge its radial shading is the
    // straight tube's cross-section.
    const QPointF corner(edge_, 0);
    const qreal inner = centre_ - shape_.HalfWidth;
    const qreal outer = centre_ + shape_.HalfWidth;
    QRadialGradient around(corner, outer);
    QGradientStops stops;
    for (auto it = profile_.crbegin(); it != profile_.crend(); ++it)
        stops.append({(centre_ - it->first * shape_.HalfWidth) / outer, it->second});
    for (const auto& stop : profile_)
        if (stop.first > 0) stops.append({(centre_ + stop.first * shape_.HalfWidth) / outer, stop.second});
    around.setStops(stops);
    QPainterPath ring;
    ring.addEllipse(corner, outer, outer);
    ring.addEllipse(corner, inner, inner);
    painter.save();
    painter.setClipRect(QRectF(0, 0, edge_, edge_));
    painter.fillPath(ring, around);
    painter.restore();
}

void TubePainter::PaintHead(QPainter& painter, bool cracked) const {
    const qreal flareHalfWidth = shape_.FlareHalfWidth;
    const qreal mouthHalfHeight = shape_.MouthHalfHeight;
    const qreal mouthY = shape_.MouthY;
    const qreal neckY = shape_.NeckY;
    for (int y = static_cast<int>(mouthY); y < edge_; ++y) {
        const qreal top = std::max<qreal>(y, mouthY);
        const qreal u = std::clamp((neckY - (y + 0.5)) / (neckY - mouthY), 0.0, 1.0);
        PaintRow(painter, top, y + 1 - top, shape_.HalfWidth + (flareHalfWidth - shape_.HalfWidth) * u * u);
    }
    const QPointF mouth(centre_, mouthY);
    const qreal lip = shape_.Lip;
    painter.setBrush(ColourAt(profile_, 0.3));
    painter.drawEllipse(mouth, flareHalfWidth, mouthHalfHeight);
    QLinearGradient throat(0, mouthY - mouthHalfHeight, 0, mouthY + mouthHalfHeight);
    throat.setColorAt(0, Qt::black);
    throat.setColorAt(1, QColor(0x58, 0x10, 0x10));
    painter.setBrush(throat);
    painter.drawEllipse(mouth, flareHalfWidth - lip, mouthHalfHeight - lip * 0.75);
    PaintEyes(painter, mouthY + mouthHalfHeight, cracked);
    if (cracked) PaintCracks(painter);
}

void TubePainter::PaintEyes(QPainter& painter, qreal top, bool dead) const {
    // Eyes behind the mouth tell the head from the tail at a glance. In the small cell they are
    // single dark pixels, which stay sharp where a drawn eye would blur away.
    if (edge_ / scale_ < 20) {
        const qreal y = std::floor(top + Px(1));
        for (const qreal side : {-1.0, 1.0})
            painter.fillRect(QRectF(centre_ + side * (shape_.HalfWidth / 2 - Px(0.5)) - Px(0.5), y, Px(1), Px(1)),
                             Qt::black);
        return;
    }
    const qreal radius = Px(1.6);
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF eye(centre_ + side * shape_.HalfWidth / 2, top + radius + Px(0.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(eye, radius, radius);
        if (dead) {
            const qreal arm = radius * 0.7;
            painter.setPen(QPen(Qt::black, Px(0.8)));
            painter.drawLine(eye + QPointF(-arm, -arm), eye + QPointF(arm, arm));
            painter.drawLine(eye + QPointF(-arm, arm), eye + QPointF(arm, -arm));
            painter.setPen(Qt::NoPen);
        } else {
            painter.setBrush(Qt::black);
            painter.drawEllipse(eye - QPointF(0, radius * 0.3), radius * 0.6, radius * 0.6);
        }
    }
}

void TubePainter::PaintCracks(QPainter& painter) const {
    // Aliased on purpose: a one-pixel crack stays a sharp black line even in the small cell.
    const int width = scale_;
    const auto at = [&](qreal fx, qreal fy) {
        const qreal snap = width % 2 ? 0.5 : 0.0;
        return QPointF(std::floor(fx * edge_) + snap, std::floor(fy * edge_) + snap);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    // Kept clear of the eyes and of the last rows, where the neck meets the next piece.
    painter.drawPolyline(QPolygonF{at(0.44, 0.26), at(0.54, 0.42), at(0.46, 0.58), at(0.56, 0.72)});
    // One crack is all the small cell can show clearly; the large one gets it split and branched.
    if (edge_ / scale_ >= 20) {
        painter.drawPolyline(QPolygonF{at(0.56, 0.72), at(0.50, 0.84)});
        painter.drawPolyline(QPolygonF{at(0.46, 0.58), at(0.36, 0.70), at(0.30, 0.82)});
        painter.drawPolyline(QPolygonF{at(0.54, 0.42), at(0.70, 0.34)});
    }
    painter.restore();
}

void TubePainter::PaintTail(QPainter& painter) const {
    // The tube runs in from the top and closes in a rounded, slightly pointed end that darkens
    // as it turns away.
    const qreal roundFrom = shape_.RoundFrom;
    const qreal tip = shape_.Tip;
    for (int y = 0; y < tip; ++y) {
        const qreal bottom = std::min<qreal>(y + 1, tip);
        const qreal v = std::max<qreal>(0, ((y + bottom) / 2 - roundFrom) / (tip - roundFrom));
        PaintRow(painter, y, bottom - y, shape_.HalfWidth * std::sqrt(std::max<qreal>(0, 1 - v * v)), 0.5 * v * v);
    }
}
