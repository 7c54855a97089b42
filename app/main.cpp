#include <QApplication>
#include <cstdio>
#include <unistd.h>

#include "app/UiLanguage.h"
#include "app/frmRybnik.h"
#include "dialogs/WholeTitles.h"

int main(int argc, char* argv[]) {
    // Qt reads qt.conf and loads plugins from the program's folder as it knows it; when the system
    // cannot name that folder (a path too long for /proc/self/exe, or no /proc), Qt takes the
    // program's name as it was started, relative to the current folder, and a qt.conf, platforms/
    // or imageformats/ there would be read and loaded. The game reads nothing from where it was
    // started, so it leaves that folder before Qt starts.
    if (::chdir("/") != 0) {
        std::perror("zurk3: cannot leave the folder it was started in");
        return 1;
    }
    QApplication application(argc, argv);
    // The class of the window's WM_CLASS on X11, matched by the desktop entry's StartupWMClass.
    QApplication::setApplicationName(QStringLiteral("Zurk3"));
    // The window's app id on Wayland: the desktop entry's id, so shells match the two.
    QApplication::setDesktopFileName(QStringLiteral(ZURK3_APP_ID));
    UiLanguage::Install(application);
    WholeTitles wholeTitles(application);
    frmRybnik window(ProgramFolder::OfRunningProgram());
    window.Form_Load();
    return application.exec();
}
