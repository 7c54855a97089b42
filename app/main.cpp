#include <QApplication>

#include "app/UiLanguage.h"
#include "app/frmRybnik.h"
#include "desktop/WholeTitles.h"

int main(int argc, char* argv[]) {
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
