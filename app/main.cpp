#include <QApplication>

#include "app/UiLanguage.h"
#include "app/frmRybnik.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zurk3"));
    UiLanguage::Install(application);
    frmRybnik window(QCoreApplication::applicationDirPath());
    window.Form_Load();
    return application.exec();
}
