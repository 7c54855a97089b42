#pragma once
#include <QFont>

// The game's fonts are measured in points at 96 dots per inch, since every label has a fixed size
// in pixels: the text must fill its box the same way whatever the desktop's font scaling says.
inline QFont ArialPoints(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}
