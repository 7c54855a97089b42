#pragma once
#include <QByteArray>

// The icon as a scalable SVG drawing for the desktop's icon theme: the same layout and colours
// as the painted icon, in the 64-unit square of the 64-pixel window icon. The tube's shading
// across its width is laid down as narrowing bands, since a gradient cannot follow a bent tube.
// Only plain SVG shapes and gradients are used, which every icon renderer draws.
class IconSvg {
public:
    static QByteArray Drawing();
};
