// The yardstick for the game's start-up: the least a Qt Widgets program does to show a window
// of about the game's size, started the same way as the game.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Holé okno"));
    window.resize(689, 480);
    window.show();
    return application.exec();
}
