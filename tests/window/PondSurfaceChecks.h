#pragma once
#include <QtTest>
#include <memory>

#include "app/PondSurface.h"
#include "app/SpriteLists.h"

// The pond as it shows, checked at whatever pixel ratio the screen has; the two test programs run
// these checks at ratio 1 and at ratio 2.
class PondSurfaceChecks : public QObject {
    Q_OBJECT
public:
    explicit PondSurfaceChecks(qreal expectedRatio) : expectedRatio_(expectedRatio) {}

private:
    qreal expectedRatio_;
    SpriteLists sprites_;

    static QImage Shown(PondSurface& pond) { return pond.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // The square the pond shows at logical (px, py) equals sprite n of spriteSet.
    void CompareCell(PondSurface& pond, int px, int py, int n, int spriteSet) {
        const QImage shown = Shown(pond);
        const QImage sprite =
            sprites_.Sprite(spriteSet, n, expectedRatio_).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(QRect(QPoint(px, py) * expectedRatio_, sprite.size())), sprite);
    }

private slots:
    void paintedCellsShowAtTheScreensPixels() {
        auto pond = std::make_unique<PondSurface>(sprites_, nullptr);
        pond->resize(600, 480);
        pond->show();
        QCOMPARE(Shown(*pond).size(), QSize(600, 480) * expectedRatio_);
        const int cells[][4] = {{40, 60, 5, 1}, {588, 468, 26, 0}, {0, 0, 2, 0}};  // the second: cell (50, 40) at 12 px
        for (const auto& [x, y, n, set] : cells) {
            pond->PaintSprite(x, y, n, set);
            CompareCell(*pond, x, y, n, set);
        }
        pond->PaintWhiteBox(100, 100, 12);
        const QImage box = Shown(*pond);
        QCOMPARE(box.pixelColor(QPoint(100, 100) * expectedRatio_), QColor(Qt::white));
        QCOMPARE(box.pixelColor(int(112 * expectedRatio_) - 1, int(112 * expectedRatio_) - 1), QColor(Qt::white));
        QCOMPARE(box.pixelColor(QPoint(113, 113) * expectedRatio_), QColor(Qt::black));
        pond->resize(700, 500);  // growing keeps what was painted
        CompareCell(*pond, 40, 60, 5, 1);
        pond->Clear();
        QCOMPARE(Shown(*pond).pixelColor(QPoint(45, 65) * expectedRatio_), QColor(Qt::black));
    }
};
