#pragma once
#include <QImage>
#include <QWidget>

#include "pond/CellPainter.h"

class SpriteLists;

// The widget the pond is drawn on. It keeps its own image of every cell painted on it, so being
// covered, minimised or restored never asks the game to draw again; a painted cell repaints only
// its own square. The cell size is the one the window chose for the level.
class PlayfieldCanvas : public QWidget, public CellPainter {
    Q_OBJECT
public:
    PlayfieldCanvas(const SpriteLists& sprites, QWidget* parent);

    // The sprites of spriteSet (0: 12-pixel cells, 1: 20-pixel cells) from now on.
    void UseSpriteSet(int spriteSet);
    void PaintSprite(int x, int y, int sprite) override;
    void PaintWhiteBox(int x, int y) override;
    void Clear();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The square of cell (x, y), in 16-bit arithmetic like the window system's units.
    QRect CellSquare(int x, int y) const;
    // Keeps the image as large as the widget at the screen's pixel ratio, keeping what it holds.
    void FitImage();

    const SpriteLists& sprites_;
    int spriteSet_ = 1;
    QImage image_;
};
