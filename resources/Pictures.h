#pragma once
#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The pictures built into the program. Each is drawn at 1x and, for high-density screens, at
// twice the pixels ("@2x"). A missing picture never stops the game: it shows as black.
class Pictures {
    Q_DECLARE_TR_FUNCTIONS(Pictures)

public:
    // The title picture (400 x 300), the start hint (150 x 50, in the player's language) and the
    // message window's panel (613 x 93), in logical pixels, sharp at the given device pixel ratio.
    static QPixmap Title(qreal devicePixelRatio);
    static QPixmap StartHint(qreal devicePixelRatio);
    static QPixmap Message(qreal devicePixelRatio);
    static QIcon WindowIcon();

    // 2 for a high-density screen, else 1.
    static int ScaleFor(qreal devicePixelRatio);
    // The built-in file of a picture at that scale.
    static QString ResourcePath(const QString& name, int scale);

private:
    static QPixmap Picture(const QString& name, QSize logicalSize, qreal devicePixelRatio);
};
