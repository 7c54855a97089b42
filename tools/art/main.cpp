// zurk3-art OUTDIR: draws every picture of the game and writes them as PNG files into OUTDIR.
// zurk3-art --icons OUTDIR NAME: draws the icon for the desktop's icon theme into OUTDIR laid out
// as a hicolor theme: <N>x<N>/apps/NAME.png for every size, and scalable/apps/NAME.svg.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include "IconSvg.h"
#include "PicturePainter.h"
#include "SpritePainter.h"

namespace {
// The sizes desktops ask the hicolor theme for, smallest to largest.
constexpr int ThemeIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool MakeFolder(const QDir& folder) {
    if (folder.mkpath(".")) return true;
    QTextStream(stderr) << "zurk3-art: cannot create " << folder.path() << "\n";
    return false;
}

bool Save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (image.save(path, "PNG")) return true;
    QTextStream(stderr) << "zurk3-art: cannot write " << path << "\n";
    return false;
}

bool Save(const QByteArray& data, const QDir& folder, const QString& name) {
    QFile file(folder.filePath(name));
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size()) return true;
    QTextStream(stderr) << "zurk3-art: cannot write " << file.fileName() << "\n";
    return false;
}

int WritePictures(const QDir& folder) {
    if (!MakeFolder(folder)) return 1;
    bool ok = true;
    for (const int edge : {12, 20}) {
        ok &= Save(SpritePainter(edge, 1).Sheet(), folder, QString("sprites%1.png").arg(edge));
        ok &= Save(SpritePainter(edge, 2).Sheet(), folder, QString("sprites%1@2x.png").arg(edge));
    }
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? ".png" : "@2x.png";
        ok &= Save(PicturePainter::Title(scale), folder, "title" + suffix);
        // The start hint in each language of the game: Czech, and English as "starthint.en".
        ok &= Save(PicturePainter::StartHint(scale, "Start hry"), folder, "starthint" + suffix);
        ok &= Save(PicturePainter::StartHint(scale, "Play"), folder, "starthint.en" + suffix);
        ok &= Save(PicturePainter::Message(scale), folder, "message" + suffix);
        ok &= Save(PicturePainter::Icon(scale), folder, "icon" + suffix);
    }
    return ok ? 0 : 1;
}

int WriteThemeIcons(const QDir& theme, const QString& name) {
    bool ok = true;
    for (const int size : ThemeIconSizes) {
        const QDir folder(theme.filePath(QString("%1x%1/apps").arg(size)));
        ok &= MakeFolder(folder) && Save(PicturePainter::IconOfSize(size), folder, name + ".png");
    }
    const QDir scalable(theme.filePath("scalable/apps"));
    ok &= MakeFolder(scalable) && Save(IconSvg::Drawing(), scalable, name + ".svg");
    return ok ? 0 : 1;
}
}  // namespace

int main(int argc, char* argv[]) {
    // A drawing tool needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 2 && !args.at(1).startsWith('-')) return WritePictures(QDir(args.at(1)));
    if (args.size() == 4 && args.at(1) == "--icons" && !args.at(3).isEmpty() && !args.at(3).contains('/'))
        return WriteThemeIcons(QDir(args.at(2)), args.at(3));
    QTextStream(stderr) << "usage: zurk3-art OUTDIR\n"
                           "       zurk3-art --icons OUTDIR NAME\n";
    return 2;
}
