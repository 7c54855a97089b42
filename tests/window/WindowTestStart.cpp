#include <QApplication>

#include "app/UiLanguage.h"

// Every window test speaks the language the system asks for, as the program does (the tests set
// that language in their environment), and goes on when it closes the last of its windows.
namespace {
void StartWindowTest() {
    UiLanguage::Install(*QCoreApplication::instance());
    QApplication::setQuitOnLastWindowClosed(false);
}
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(StartWindowTest)
