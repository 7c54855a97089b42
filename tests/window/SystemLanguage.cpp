#include <QCoreApplication>

#include "app/UiLanguage.h"

// Every window test speaks the language the system asks for, as the program does; the tests set
// that language in their environment.
namespace {
void InstallSystemLanguage() { UiLanguage::Install(*QCoreApplication::instance()); }
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(InstallSystemLanguage)
