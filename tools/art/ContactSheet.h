#pragma once
#include <QImage>

class QPainter;
class SpriteLists;

// A review page for the artist: every sprite of both lists, numbered, and small ponds with
// snakes, vipers and houses laid out of the pieces, as the game would show them.
class ContactSheet {
public:
    ContactSheet(const SpriteLists& sprites, qreal devicePixelRatio);
    QImage Render() const;

private:
    int SpriteTable(QPainter& painter, int spriteSet, int top) const;
    int SamplePond(QPainter& painter, int spriteSet, int top) const;

    const SpriteLists& Sprites;
    qreal dpr_;
};
