#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/frmRybnik.h"
#include "dialogs/WholeTitles.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The class of the window's WM_CLASS on X11, matched by the desktop entry's StartupWMClass.
    QApplication::setApplicationName(QStringLiteral("Zurk3"));
    // The window's app id on Wayland: the desktop entry's id, so shells match the two.
    QApplication::setDesktopFileName(QStringLiteral(ZURK3_APP_ID));
    // The game speaks Czech, so the standard boxes' buttons do too, where Qt's translation is installed.
    QTranslator standardBoxes;
    if (standardBoxes.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&standardBoxes);
    WholeTitles wholeTitles(application);
    frmRybnik window(ProgramFolder::OfRunningProgram());
    window.Form_Load();
    return application.exec();
}
