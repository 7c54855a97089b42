// zurk3-art OUTDIR: draws every picture of the game and writes them as PNG files into OUTDIR.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include "PicturePainter.h"
#include "SpritePainter.h"

namespace {
bool Save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (image.save(path, "PNG"))
        return true;
    QTextStream(stderr) << "zurk3-art: cannot write " << path << "\n";
    return false;
}
}  // namespace

int main(int argc, char* argv[]) {
    // A drawing tool needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        QTextStream(stderr) << "usage: zurk3-art OUTDIR\n";
        return 2;
    }
    const QDir folder(app.arguments().at(1));
    if (!folder.mkpath(".")) {
        QTextStream(stderr) << "zurk3-art: cannot create " << folder.path() << "\n";
        return 1;
    }
    bool ok = true;
    for (const int edge : {12, 20}) {
        ok &= Save(SpritePainter(edge, 1).Sheet(), folder, QString("sprites%1.png").arg(edge));
        ok &= Save(SpritePainter(edge, 2).Sheet(), folder, QString("sprites%1@2x.png").arg(edge));
    }
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? ".png" : "@2x.png";
        ok &= Save(PicturePainter::Title(scale), folder, "title" + suffix);
        ok &= Save(PicturePainter::StartHint(scale), folder, "starthint" + suffix);
        ok &= Save(PicturePainter::Message(scale), folder, "message" + suffix);
        ok &= Save(PicturePainter::Icon(scale), folder, "icon" + suffix);
    }
    return ok ? 0 : 1;
}
