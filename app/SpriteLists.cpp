#include "app/SpriteLists.h"

#include <optional>

#include <QImage>
#include <QString>

namespace {
constexpr int Edges[SpriteLists::Sets] = {12, 20};

QString Resource(const QString& name, int scale) {
    return QStringLiteral(":/pictures/") + name + (scale > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
}

int ScaleFor(qreal devicePixelRatio) { return devicePixelRatio > 1 ? 2 : 1; }
}  // namespace

SpriteLists::SpriteLists() {
    for (int set = 0; set < Sets; ++set)
        for (int scale = 1; scale <= Scales; ++scale) Blanks[set][scale - 1] = White(set, scale);
}

int SpriteLists::CellSize(int spriteSet) { return spriteSet == 1 ? Edges[1] : Edges[0]; }

const QPixmap& SpriteLists::Sprite(int spriteSet, int n, qreal devicePixelRatio) const {
    const int set = spriteSet == 1 ? 1 : 0;
    const int scale = ScaleFor(devicePixelRatio);
    if (spriteSet != set || n < 1 || n > Count)
        return Blanks[set][scale - 1];
    // A sheet is decoded when a level first needs it, not while the window is starting.
    std::optional<List>& list = Lists[set][scale - 1];
    if (!list) list = Cut(set, scale);
    return (*list)[n - 1];
}

QPixmap SpriteLists::White(int spriteSet, int scale) {
    QPixmap white(CellSize(spriteSet) * scale, CellSize(spriteSet) * scale);
    white.fill(Qt::white);
    white.setDevicePixelRatio(scale);
    return white;
}

SpriteLists::List SpriteLists::Cut(int spriteSet, int scale) {
    // Read as a plain image: the "@2x" in the name would otherwise change how rectangles are
    // measured, and the cut must be in the sheet's own pixels.
    QImage sheet(Resource(QStringLiteral("sprites%1").arg(CellSize(spriteSet)), scale));
    sheet.setDevicePixelRatio(1);
    const int edge = CellSize(spriteSet) * scale;
    List list;
    for (int n = 1; n <= Count; ++n) {
        const QRect cell((n - 1) * edge, 0, edge, edge);
        list[n - 1] = sheet.rect().contains(cell) ? QPixmap::fromImage(sheet.copy(cell)) : White(spriteSet, scale);
        list[n - 1].setDevicePixelRatio(scale);
    }
    return list;
}

QPixmap SpriteLists::Picture(const QString& name, QSize logicalSize, qreal devicePixelRatio) {
    const int scale = ScaleFor(devicePixelRatio);
    QImage image(Resource(name, scale));
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

QPixmap SpriteLists::TitlePicture(qreal devicePixelRatio) {
    return Picture(QStringLiteral("title"), QSize(400, 300), devicePixelRatio);
}

QPixmap SpriteLists::StartHintPicture(qreal devicePixelRatio) {
    return Picture(QStringLiteral("starthint"), QSize(150, 50), devicePixelRatio);
}

QPixmap SpriteLists::MessagePicture(qreal devicePixelRatio) {
    return Picture(QStringLiteral("message"), QSize(613, 93), devicePixelRatio);
}

QIcon SpriteLists::WindowIcon() {
    QIcon icon;
    for (int scale = 1; scale <= Scales; ++scale) {
        // An icon picks among its sizes by pixels, so each goes in at its full pixel size.
        QPixmap size = Picture(QStringLiteral("icon"), QSize(64, 64), scale);
        size.setDevicePixelRatio(1);
        icon.addPixmap(size);
    }
    return icon;
}
