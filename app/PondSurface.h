#pragma once
#include <QImage>
#include <QWidget>

#include "pond/CellPainter.h"

class SpriteLists;

// The pond: keeps its own image of every cell painted on it, so being covered, minimised or
// restored never asks the game to draw again. A painted cell repaints only its own square.
class PondSurface : public QWidget, public CellPainter {
    Q_OBJECT
public:
    PondSurface(const SpriteLists& sprites, QWidget* parent);

    void PaintSprite(int px, int py, int sprite, int spriteSet) override;
    void PaintWhiteBox(int px, int py, int size) override;
    void Clear();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Keeps the image as large as the widget at the screen's pixel ratio, keeping what it holds.
    void FitImage();

    const SpriteLists& sprites_;
    QImage image_;
};
