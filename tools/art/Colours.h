#pragma once
#include <QColor>

// The colour a fraction f of the way from a to b, channel by channel.
inline QColor Mix(const QColor& a, const QColor& b, qreal f) {
    const auto channel = [f](float from, float to) { return static_cast<float>(from + (to - from) * f); };
    return QColor::fromRgbF(channel(a.redF(), b.redF()), channel(a.greenF(), b.greenF()),
                            channel(a.blueF(), b.blueF()));
}
