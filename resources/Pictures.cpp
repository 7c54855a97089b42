#include "resources/Pictures.h"

#include <QFile>
#include <QImage>

int Pictures::ScaleFor(qreal devicePixelRatio) { return devicePixelRatio > 1 ? 2 : 1; }

QString Pictures::ResourcePath(const QString& name, int scale) {
    return QStringLiteral(":/pictures/") + name + (scale > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
}

QPixmap Pictures::Picture(const QString& name, QSize logicalSize, qreal devicePixelRatio) {
    const int scale = ScaleFor(devicePixelRatio);
    QImage image(ResourcePath(name, scale));
    const QSize size = logicalSize * scale;
    if (image.isNull()) {
        image = QImage(size, QImage::Format_RGB32);
        image.fill(Qt::black);
    } else if (image.size() != size) {
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(scale);
    return picture;
}

QPixmap Pictures::Title(qreal devicePixelRatio) {
    return Picture(QStringLiteral("title"), QSize(400, 300), devicePixelRatio);
}

QPixmap Pictures::StartHint(qreal devicePixelRatio) {
    //: The start hint drawn in the language of the translation, "starthint.<language>"; the
    //: Czech one stands in when the program has no such picture.
    const QString translated = tr("starthint");
    const bool drawn = QFile::exists(ResourcePath(translated, ScaleFor(devicePixelRatio)));
    return Picture(drawn ? translated : QStringLiteral("starthint"), QSize(150, 50), devicePixelRatio);
}

QPixmap Pictures::Message(qreal devicePixelRatio) {
    return Picture(QStringLiteral("message"), QSize(613, 93), devicePixelRatio);
}

QIcon Pictures::WindowIcon() {
    QIcon icon;
    for (int scale = 1; scale <= 2; ++scale) {
        // An icon picks among its sizes by pixels, so each goes in at its full pixel size.
        QPixmap size = Picture(QStringLiteral("icon"), QSize(64, 64), scale);
        size.setDevicePixelRatio(1);
        icon.addPixmap(size);
    }
    return icon;
}
