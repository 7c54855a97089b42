#include "app/PlayfieldCanvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <cstdint>

#include "app/SpriteLists.h"

PlayfieldCanvas::PlayfieldCanvas(const SpriteLists& sprites, QWidget* parent) : QWidget(parent), sprites_(sprites) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    FitImage();
}

void PlayfieldCanvas::UseSpriteSet(int spriteSet) { spriteSet_ = spriteSet; }

QRect PlayfieldCanvas::CellSquare(int x, int y) const {
    const int edge = SpriteLists::CellSize(spriteSet_);
    const auto corner = [edge](int cell) { return static_cast<std::int16_t>((cell - 1) * edge); };
    return {corner(x), corner(y), edge, edge};
}

void PlayfieldCanvas::PaintSprite(int x, int y, int sprite) {
    FitImage();
    const QRect cell = CellSquare(x, y);
    {
        QPainter painter(&image_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawPixmap(cell, sprites_.Sprite(spriteSet_, sprite, image_.devicePixelRatio()));
    }
    update(cell);
}

void PlayfieldCanvas::PaintWhiteBox(int x, int y) {
    FitImage();
    const QRect box = CellSquare(x, y);
    {
        QPainter painter(&image_);
        painter.fillRect(box, Qt::white);
    }
    update(box);
}

void PlayfieldCanvas::Clear() {
    FitImage();
    image_.fill(Qt::black);
    update();
}

void PlayfieldCanvas::FitImage() {
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

void PlayfieldCanvas::resizeEvent(QResizeEvent*) { FitImage(); }

void PlayfieldCanvas::paintEvent(QPaintEvent* event) {
    FitImage();
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal dpr = image_.devicePixelRatio();
    const QRectF source(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr);
    painter.drawImage(QRectF(area), image_, source);
}
