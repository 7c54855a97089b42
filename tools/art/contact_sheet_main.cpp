// zurk3-contact-sheet OUT.png [--dpr 2] [--zoom N]: the review page of the game's sprites, read
// through the very sprite lists the window uses.
#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <algorithm>

#include "ContactSheet.h"
#include "app/SpriteLists.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument("out", "PNG file to write");
    parser.addOption({"dpr", "Device pixel ratio to draw at (1 or 2).", "ratio", "1"});
    parser.addOption({"zoom", "Enlarge the page N times, pixel for pixel, for a close look.", "N", "1"});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1) parser.showHelp(2);
    const qreal dpr = parser.value("dpr").toDouble() > 1 ? 2 : 1;
    const int zoom = std::clamp(parser.value("zoom").toInt(), 1, 8);

    const SpriteLists sprites;
    QImage page = ContactSheet(sprites, dpr).Render();
    if (zoom > 1) page = page.scaled(page.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QString out = parser.positionalArguments().at(0);
    if (!page.save(out, "PNG")) {
        QTextStream(stderr) << "zurk3-contact-sheet: cannot write " << out << "\n";
        return 1;
    }
    return 0;
}
