#pragma once
#include <QImage>

// The game's larger pictures: the title screen, the start hint, the message window's panel and
// the window icon. scale 2 draws the same design at twice the pixels for high-density screens.
class PicturePainter {
public:
    static QImage Title(int scale);      // 400 x 300
    static QImage StartHint(int scale);  // 150 x 50
    static QImage Message(int scale);    // 613 x 93
    static QImage Icon(int scale);       // 64 x 64
};
