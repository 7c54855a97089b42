// The icons for the desktop's icon theme (assets/icons/hicolor), committed like the other pictures:
// every size the desktop asks for is there at its size, all carry one name, and each shows the
// window icon's design rather than some other picture.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QXmlStreamReader>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QDir Theme(QStringLiteral(ZURK3_SOURCE_DIR "/assets/icons/hicolor"));
constexpr int Sizes[] = {16, 24, 32, 48, 64, 128, 256};

QStringList Files(const QString& folder, const QString& pattern) {
    return QDir(Theme.filePath(folder)).entryList({pattern}, QDir::Files);
}

// Mean difference per channel, alpha included, of two pictures of one size: 0 the same, 255 opposite.
double MeanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * x.width() * x.height());
}

QImage Shrunk(const QString& path, int size) {
    return QImage(path).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

TEST(ThemeIcons, EverySizeIsThereAtItsSizeUnderOneName) {
    const QStringList scalable = Files(QStringLiteral("scalable/apps"), QStringLiteral("*.svg"));
    ASSERT_EQ(scalable.size(), 1);
    const QString name = QFileInfo(scalable.first()).completeBaseName();
    for (const int size : Sizes) {
        const QString folder = QString("%1x%1/apps").arg(size);
        EXPECT_EQ(Files(folder, QStringLiteral("*")), QStringList{name + ".png"}) << folder.toStdString();
        const QImage icon(Theme.filePath(folder + "/" + name + ".png"));
        ASSERT_FALSE(icon.isNull()) << folder.toStdString();
        EXPECT_EQ(icon.size(), QSize(size, size));
        // A rounded tile: see-through corners, an opaque middle.
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
        EXPECT_LT(qAlpha(icon.pixel(0, 0)), 128) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(ThemeIcons, EverySizeShowsTheWindowIcon) {
    // Sizes drawn natively at their own pixels differ in the width of rims and insets; another
    // picture of the game shrunk to the same size differs about three times as much.
    constexpr double Alike = 16;
    const QString windowIcon = QStringLiteral(ZURK3_SOURCE_DIR "/assets/pictures/icon@2x.png");
    const QString title = QStringLiteral(ZURK3_SOURCE_DIR "/assets/pictures/title@2x.png");
    const QString name =
        QFileInfo(Files(QStringLiteral("scalable/apps"), QStringLiteral("*.svg")).value(0)).completeBaseName();
    for (const int size : Sizes) {
        const QImage icon(Theme.filePath(QString("%1x%1/apps/%2.png").arg(size).arg(name)));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_LT(MeanDifference(icon, Shrunk(windowIcon, size)), Alike) << size;
        EXPECT_GT(MeanDifference(Shrunk(title, size), Shrunk(windowIcon, size)), 2 * Alike) << size;
    }
}

TEST(ThemeIcons, ScalableIconIsAnSvgDrawingOfTheWindowIconsSquare) {
    const QStringList scalable = Files(QStringLiteral("scalable/apps"), QStringLiteral("*.svg"));
    ASSERT_EQ(scalable.size(), 1);
    QFile file(Theme.filePath("scalable/apps/" + scalable.first()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    EXPECT_EQ(xml.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
    EXPECT_EQ(xml.attributes().value("viewBox"), QStringLiteral("0 0 64 64"));
    int shapes = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() != QStringLiteral("stop")) ++shapes;
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(shapes, 10);
}

}  // namespace
