#pragma once
#include <QPaintEvent>
#include <QtTest>
#include <memory>

#include "app/PondSurface.h"
#include "app/SpriteLists.h"

// The pond's retained image, checked at whatever pixel ratio the screen has; the two test
// programs run these checks at ratio 1 and at ratio 2.
class PondSurfaceChecks : public QObject {
    Q_OBJECT
public:
    explicit PondSurfaceChecks(qreal expectedRatio) : expectedRatio_(expectedRatio) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted_ += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }

private:
    qreal expectedRatio_;
    SpriteLists sprites_;
    QRegion painted_;

    // What the pond shows, at the screen's pixels.
    static QImage Shown(PondSurface& pond) { return pond.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The square the pond shows at logical (px, py) equals sprite n of spriteSet.
    void CompareCell(PondSurface& pond, int px, int py, int n, int spriteSet) {
        const QImage shown = Shown(pond);
        const qreal dpr = shown.devicePixelRatio();
        const QImage sprite = sprites_.Sprite(spriteSet, n, dpr).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(QRect(QPoint(px, py) * dpr, sprite.size())), sprite);
    }

    std::unique_ptr<PondSurface> ShownPond(int width, int height) {
        auto pond = std::make_unique<PondSurface>(sprites_, nullptr);
        pond->resize(width, height);
        pond->show();
        return pond;
    }

private slots:
    void imageHasTheScreensPixelRatio() {
        auto pond = ShownPond(200, 160);
        QCOMPARE(pond->devicePixelRatioF(), expectedRatio_);
        QCOMPARE(Shown(*pond).size(), QSize(200, 160) * expectedRatio_);
        QCOMPARE(sprites_.Sprite(1, 5, expectedRatio_).deviceIndependentSize(), QSizeF(20, 20));
    }

    void aPaintedCellReadsBackFromTheImage() {
        auto pond = ShownPond(600, 480);
        const int cells[][4] = {{40, 60, 5, 1}, {588, 468, 26, 0}, {0, 0, 2, 0}};  // the second: cell (50, 40) at 12 px
        for (const auto& [x, y, n, set] : cells) {
            pond->PaintSprite(x, y, n, set);
            CompareCell(*pond, x, y, n, set);
        }
        QCOMPARE(Shown(*pond).pixelColor(QPoint(12, 12) * expectedRatio_), QColor(Qt::black));
    }

    void theWhiteBoxAndClear() {
        auto pond = ShownPond(100, 100);
        pond->PaintWhiteBox(20, 20, 12);
        const QImage image = Shown(*pond);
        const qreal dpr = expectedRatio_;
        QCOMPARE(image.pixelColor(QPoint(20, 20) * dpr), QColor(Qt::white));
        const int last = int(32 * dpr) - 1;
        QCOMPARE(image.pixelColor(last, last), QColor(Qt::white));
        QCOMPARE(image.pixelColor(QPoint(19, 20) * dpr), QColor(Qt::black));
        QCOMPARE(image.pixelColor(QPoint(33, 33) * dpr), QColor(Qt::black));
        pond->Clear();
        QCOMPARE(Shown(*pond).pixelColor(QPoint(25, 25) * dpr), QColor(Qt::black));
    }

    void aPaintedCellRepaintsOnlyItsSquare() {
        auto pond = ShownPond(400, 300);
        QVERIFY(QTest::qWaitForWindowExposed(pond.get()));
        pond->installEventFilter(this);
        QApplication::processEvents();
        painted_ = QRegion();
        pond->PaintSprite(100, 80, 45, 1);
        QTRY_VERIFY(!painted_.isEmpty());
        QCOMPARE(painted_.boundingRect(), QRect(100, 80, 20, 20));
        pond->removeEventFilter(this);
    }

    void growingKeepsWhatWasPainted() {
        auto pond = ShownPond(100, 100);
        pond->PaintSprite(20, 20, 9, 1);
        pond->resize(300, 200);
        QCOMPARE(Shown(*pond).size(), QSize(300, 200) * expectedRatio_);
        CompareCell(*pond, 20, 20, 9, 1);
    }
};
