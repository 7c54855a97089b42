// Loaded into the installed game with LD_PRELOAD by check-install.sh. Once the game's own event
// loop runs, it prints what the game made of its folder: the folder Qt gave it, whether Start
// (F2) and WWW Zurk are enabled, and whether a message box is up, then ends the process. The
// game itself is not changed: the probe only reads its window.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

const char* YesNo(bool value) { return value ? "yes" : "no"; }

const char* Enabled(const QAction* action) {
    return !action ? "missing" : action->isEnabled() ? "enabled" : "disabled";
}

void Report() {
    // The window loads the game file before the main loop starts, but it may let events run
    // while it does; wait for a loop, the main one or a message box's.
    if (QThread::currentThread()->loopLevel() == 0) {
        QTimer::singleShot(0, Report);
        return;
    }
    const QMainWindow* window = nullptr;
    bool box = false;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<QMainWindow*>(widget)) window = main;
        if (qobject_cast<QMessageBox*>(widget) && widget->isVisible()) box = true;
    }
    const QAction* start = window ? window->findChild<QAction*>(QStringLiteral("mnuHraStart")) : nullptr;
    const QAction* web = window ? window->findChild<QAction*>(QStringLiteral("mnuWWW")) : nullptr;
    std::printf("folder: %s\nwindow: %s\nstart: %s\nwww: %s\nmessage box: %s\n",
                qPrintable(QCoreApplication::applicationDirPath()), YesNo(window && window->isVisible()),
                Enabled(start), Enabled(web), YesNo(box));
    std::fflush(stdout);
    // Straight out: the game's windows and sound need no tidy end here.
    std::_Exit(0);
}

void Arm() { QTimer::singleShot(0, Report); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Arm)
