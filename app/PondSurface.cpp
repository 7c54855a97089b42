#include "app/PondSurface.h"

#include <QPaintEvent>
#include <QPainter>

#include "app/SpriteLists.h"

PondSurface::PondSurface(const SpriteLists& sprites, QWidget* parent) : QWidget(parent), sprites_(sprites) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    FitImage();
}

void PondSurface::PaintSprite(int px, int py, int sprite, int spriteSet) {
    FitImage();
    const int edge = SpriteLists::CellSize(spriteSet);
    const QRect cell(px, py, edge, edge);
    {
        QPainter painter(&image_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawPixmap(cell, sprites_.Sprite(spriteSet, sprite, image_.devicePixelRatio()));
    }
    update(cell);
}

void PondSurface::PaintWhiteBox(int px, int py, int size) {
    FitImage();
    const QRect box(px, py, size, size);
    {
        QPainter painter(&image_);
        painter.fillRect(box, Qt::white);
    }
    update(box);
}

void PondSurface::Clear() {
    FitImage();
    image_.fill(Qt::black);
    update();
}

void PondSurface::FitImage() {
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = size() * dpr;
    if (!image_.isNull() && image_.size() == pixels && image_.devicePixelRatio() == dpr) return;
    QImage fitted(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    fitted.setDevicePixelRatio(dpr);
    fitted.fill(Qt::black);
    if (!image_.isNull()) {
        QPainter painter(&fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = fitted;
}

void PondSurface::resizeEvent(QResizeEvent*) { FitImage(); }

void PondSurface::paintEvent(QPaintEvent* event) {
    FitImage();
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal dpr = image_.devicePixelRatio();
    const QRectF source(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr);
    painter.drawImage(QRectF(area), image_, source);
}
