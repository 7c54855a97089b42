#pragma once
#include <QtTest>
#include <memory>

#include "app/PlayfieldCanvas.h"
#include "app/SpriteLists.h"

// The canvas as it shows, checked at whatever pixel ratio the screen has; the two test programs
// run these checks at ratio 1 and at ratio 2.
class PlayfieldCanvasChecks : public QObject {
    Q_OBJECT
public:
    explicit PlayfieldCanvasChecks(qreal expectedRatio) : expectedRatio_(expectedRatio) {}

private:
    qreal expectedRatio_;
    SpriteLists sprites_;

    static QImage Shown(PlayfieldCanvas& canvas) {
        return canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The square the canvas shows at logical (px, py) equals sprite n of spriteSet.
    void CompareCell(PlayfieldCanvas& canvas, int px, int py, int n, int spriteSet) {
        const QImage shown = Shown(canvas);
        const QImage sprite =
            sprites_.Sprite(spriteSet, n, expectedRatio_).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(QRect(QPoint(px, py) * expectedRatio_, sprite.size())), sprite);
    }

private slots:
    void paintedCellsShowAtTheScreensPixels() {
        auto canvas = std::make_unique<PlayfieldCanvas>(sprites_, nullptr);
        canvas->resize(600, 480);
        canvas->show();
        QCOMPARE(Shown(*canvas).size(), QSize(600, 480) * expectedRatio_);
        struct Cell {
            int x, y, sprite, set, px, py;
        };
        for (const Cell& c : {Cell{3, 4, 5, 1, 40, 60}, Cell{50, 40, 26, 0, 588, 468}, Cell{1, 1, 2, 0, 0, 0}}) {
            canvas->UseSpriteSet(c.set);
            canvas->PaintSprite(c.x, c.y, c.sprite);
            CompareCell(*canvas, c.px, c.py, c.sprite, c.set);
        }
        canvas->PaintWhiteBox(9, 9);  // 12-pixel cells: from (96, 96) to (107, 107)
        const QImage box = Shown(*canvas);
        QCOMPARE(box.pixelColor(QPoint(96, 96) * expectedRatio_), QColor(Qt::white));
        QCOMPARE(box.pixelColor(int(108 * expectedRatio_) - 1, int(108 * expectedRatio_) - 1), QColor(Qt::white));
        QCOMPARE(box.pixelColor(QPoint(109, 109) * expectedRatio_), QColor(Qt::black));
        canvas->resize(700, 500);  // growing keeps what was painted
        CompareCell(*canvas, 40, 60, 5, 1);
        canvas->Clear();
        QCOMPARE(Shown(*canvas).pixelColor(QPoint(45, 65) * expectedRatio_), QColor(Qt::black));
    }
};
