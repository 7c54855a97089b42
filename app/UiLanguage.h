#pragma once
#include <QStringList>

class QCoreApplication;

// The language the game speaks. Czech is its own and needs no translation; the player gets
// another language instead when it comes before Czech among the languages they read and the
// program carries its translation.
class UiLanguage {
public:
    // The language ("cs", "en", ...) for a player whose languages are uiLanguages, most wanted
    // first, as QLocale::uiLanguages() lists them; translated are the languages the program has.
    static QString Choose(const QStringList& uiLanguages, const QStringList& translated);
    // The languages the program carries a translation of.
    static QStringList Translated();
    // Installs the game's translation and Qt's own for the system's user interface languages
    // into the application, which owns them. Returns the language chosen.
    static QString Install(QCoreApplication& application);

    static inline const QString Czech = QStringLiteral("cs");
};
