#include "IconSvg.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <algorithm>
#include <cmath>

#include "PicturePainter.h"
#include "SpritePainter.h"
#include "TubePainter.h"

namespace {
// Units per cell: the drawing is the 64-pixel window icon, one unit a pixel.
constexpr int Cell = 16;
constexpr qreal Centre = Cell / 2.0;
// Enough bands that no step of shade shows even at a few hundred pixels.
constexpr int Bands = 32;
// Shapes that continue the body's bands reach this far into it, so no seam shows between them.
constexpr qreal Overlap = 0.1;

QString N(qreal value) { return QString::number(std::round(value * 1000) / 1000, 'g', 10); }
QString P(QPointF point) { return N(point.x()) + ',' + N(point.y()); }

// Directions in the order of the walk's letters U R D L; also the quarter turns of a piece.
int Turns(QChar letter) { return static_cast<int>(QString("URDL").indexOf(letter.toUpper())); }
QPointF Step(int turns) {
    constexpr qreal dx[] = {0, 1, 0, -1}, dy[] = {-1, 0, 1, 0};
    return {dx[turns], dy[turns]};
}

// A group placed on a cell and turned about its centre, as the sprites are.
QString CellGroup(QPoint cell, int turns) {
    QString group = QString("<g transform=\"translate(%1 %2)").arg(N(cell.x() * Cell), N(cell.y() * Cell));
    if (turns) group += QString(" rotate(%1 %2 %2)").arg(90 * turns).arg(N(Centre));
    return group + "\">";
}

QString Stop(qreal offset, const QColor& colour, qreal opacity = 1) {
    QString stop = QString("<stop offset=\"%1\" stop-color=\"%2\"").arg(N(offset), colour.name());
    if (opacity < 1) stop += QString(" stop-opacity=\"%1\"").arg(N(opacity));
    return stop + "/>";
}

QString Stops(const QGradientStops& stops) {
    QString all;
    for (const auto& [offset, colour] : stops) all += Stop(offset, colour, colour.alphaF());
    return all;
}
}  // namespace

QByteArray IconSvg::Drawing() {
    const PicturePainter::IconLayout design = PicturePainter::IconDesign();
    const QGradientStops profile = TubePainter::Grey();
    // The pieces' measures in a cell of the icon, as the painters draw them there.
    const TubePainter::Shape tube = TubePainter(profile, Cell, 1).Measures();
    const SpritePainter::BallShape ball = SpritePainter(Cell, 1).Ball();
    Q_ASSERT(!design.Moves.isEmpty());

    // The cells of the snake from its tail to its head, and the direction of each step.
    std::vector<QPoint> cells{design.Tail};
    std::vector<int> steps;
    for (const QChar letter : design.Moves) {
        steps.push_back(Turns(letter));
        const QPointF step = Step(steps.back());
        cells.push_back(cells.back() + QPoint(int(step.x()), int(step.y())));
    }
    const auto centre = [](QPoint cell) { return QPointF(cell.x() * Cell + Centre, cell.y() * Cell + Centre); };

    // The body's axis: from where the tail starts to round off, through the middles of the cell
    // edges, turning in quarter circles, to the head's neck.
    QPointF from = centre(cells[0]) + Step(steps[0]) * Centre;
    QString axis = "M" + P(from - Step(steps[0]) * tube.RoundFrom) + " L" + P(from);
    for (std::size_t i = 1; i + 1 < cells.size(); ++i) {
        const QPointF in = Step(steps[i - 1]), out = Step(steps[i]);
        const QPointF to = centre(cells[i]) + out * Centre;
        if (steps[i] == steps[i - 1])
            axis += " L" + P(to);
        else  // a right turn runs clockwise on the screen
            axis +=
                QString(" A%1,%1 0 0 %2 ").arg(N(Centre)).arg(in.x() * out.y() - in.y() * out.x() > 0 ? 1 : 0) + P(to);
        from = to;
    }
    const int headTurns = steps.back();
    axis += " L" + P(centre(cells.back()) - Step(headTurns) * (tube.NeckY - Centre));

    QString svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n";
    svg += "<title>Zurk3</title>\n<defs>\n";
    for (const auto& piece : design.Balls) {
        svg += QString(
                   "<radialGradient id=\"ball%1\" gradientUnits=\"userSpaceOnUse\" cx=\"%2\" cy=\"%3\" r=\"%4\" "
                   "fx=\"%5\" fy=\"%6\">")
                   .arg(piece.Sprite)
                   .arg(N(ball.Centre.x()), N(ball.Centre.y()), N(ball.Radius), N(ball.Focus.x()), N(ball.Focus.y()));
        svg += Stops(SpritePainter::BallStops(SpritePainter::BallColour(piece.Sprite)));
        svg += "</radialGradient>\n";
    }
    svg += QString("<radialGradient id=\"shine\" gradientUnits=\"userSpaceOnUse\" cx=\"%1\" cy=\"%2\" r=\"%3\">")
               .arg(N(ball.Shine.x()), N(ball.Shine.y()), N(ball.ShineRadii.width()));
    svg += Stops(SpritePainter::ShineStops());
    svg += "</radialGradient>\n";
    svg +=
        QString("<linearGradient id=\"throat\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"%1\" x2=\"0\" y2=\"%2\">")
            .arg(N(tube.MouthY - tube.MouthHalfHeight), N(tube.MouthY + tube.MouthHalfHeight));
    svg += Stop(0, Qt::black) + Stop(1, QColor(0x58, 0x10, 0x10)) + "</linearGradient>\n";
    // The tail darkens towards its tip by half the square of the way there.
    svg +=
        QString(
            "<linearGradient id=\"tailshade\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"%1\" x2=\"0\" y2=\"%2\">")
            .arg(N(tube.RoundFrom), N(tube.Tip));
    for (const qreal v : {0.0, 0.25, 0.5, 0.75, 1.0}) svg += Stop(v, Qt::black, 0.5 * v * v);
    svg += "</linearGradient>\n</defs>\n";

    svg += "<rect x=\"0.5\" y=\"0.5\" width=\"63\" height=\"63\" rx=\"8\" fill=\"#000000\" stroke=\"#606060\"/>\n";

    // The tail's rounded end and the head's flare, at a fraction t of the tube's width.
    const auto tailEnd = [&](qreal t) {
        const qreal w = t * tube.HalfWidth;
        return QString("M%1 L%2 A%3,%4 0 0 0 %5 L%6 Z")
            .arg(P({Centre - w, tube.RoundFrom - Overlap}), P({Centre - w, tube.RoundFrom}), N(w),
                 N(tube.Tip - tube.RoundFrom), P({Centre + w, tube.RoundFrom}),
                 P({Centre + w, tube.RoundFrom - Overlap}));
    };
    const auto flare = [&](qreal t) {
        constexpr int samples = 12;
        std::vector<QPointF> left;
        for (int i = 0; i <= samples; ++i) {
            const qreal y = tube.MouthY + (tube.NeckY - tube.MouthY) * i / samples;
            const qreal u = std::clamp((tube.NeckY - y) / (tube.NeckY - tube.MouthY), 0.0, 1.0);
            left.push_back({Centre - t * (tube.HalfWidth + (tube.FlareHalfWidth - tube.HalfWidth) * u * u), y});
        }
        left.push_back({left.back().x(), tube.NeckY + Overlap});
        QString path = "M" + P(left.front());
        for (std::size_t i = 1; i < left.size(); ++i) path += " L" + P(left[i]);
        for (auto it = left.rbegin(); it != left.rend(); ++it) path += " L" + P({2 * Centre - it->x(), it->y()});
        return path + " Z";
    };

    const QString tail = CellGroup(cells.front(), steps.front());
    const QString head = CellGroup(cells.back(), headTurns);
    svg += "<g fill=\"none\" stroke-linejoin=\"round\">\n";
    for (int band = 0; band < Bands; ++band) {
        const qreal t = 1 - qreal(band) / Bands;
        const QString colour = TubePainter::ColourAt(profile, t - 0.5 / Bands).name();
        svg += QString("<path d=\"%1\" stroke=\"%2\" stroke-width=\"%3\"/>\n")
                   .arg(axis, colour, N(2 * t * tube.HalfWidth));
        svg += tail + QString("<path d=\"%1\" fill=\"%2\"/></g>\n").arg(tailEnd(t), colour);
        svg += head + QString("<path d=\"%1\" fill=\"%2\"/></g>\n").arg(flare(t), colour);
    }
    svg += "</g>\n";
    svg += tail + QString("<path d=\"%1\" fill=\"url(#tailshade)\"/></g>\n").arg(tailEnd(1));

    // The open mouth with its lip, and two dark eyes behind it.
    svg += head;
    svg += QString("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" fill=\"%5\"/>")
               .arg(N(Centre), N(tube.MouthY), N(tube.FlareHalfWidth), N(tube.MouthHalfHeight),
                    TubePainter::ColourAt(profile, 0.3).name());
    svg += QString("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" fill=\"url(#throat)\"/>")
               .arg(N(Centre), N(tube.MouthY), N(tube.FlareHalfWidth - tube.Lip),
                    N(tube.MouthHalfHeight - tube.Lip * 0.75));
    const qreal eyeY = std::floor(tube.MouthY + tube.MouthHalfHeight + 1);
    for (const qreal side : {-1.0, 1.0})
        svg += QString("<rect x=\"%1\" y=\"%2\" width=\"1\" height=\"1\" fill=\"#000000\"/>")
                   .arg(N(Centre + side * (tube.HalfWidth / 2 - 0.5) - 0.5), N(eyeY));
    svg += "</g>\n";

    for (const auto& piece : design.Balls) {
        svg += CellGroup(piece.Cell, 0);
        svg += QString("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#ball%4)\"/>")
                   .arg(N(ball.Centre.x()), N(ball.Centre.y()), N(ball.Radius))
                   .arg(piece.Sprite);
        svg += QString("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" fill=\"url(#shine)\"/>")
                   .arg(N(ball.Shine.x()), N(ball.Shine.y()), N(ball.ShineRadii.width()), N(ball.ShineRadii.height()));
        svg += "</g>\n";
    }
    svg += "</svg>\n";
    return svg.toUtf8();
}
