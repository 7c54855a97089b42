#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/frmRybnik.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zurk3"));
    // The game speaks Czech, so the standard boxes' buttons do too, where Qt's translation is installed.
    QTranslator standardBoxes;
    if (standardBoxes.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&standardBoxes);
    frmRybnik window(ProgramFolder::OfRunningProgram());
    window.Form_Load();
    return application.exec();
}
