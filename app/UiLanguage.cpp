#include "app/UiLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// Where the build puts the compiled translations, zurk3_<language>.qm.
const QString TranslationFolder = QStringLiteral(":/i18n");
const QString Prefix = QStringLiteral("zurk3_");

void Add(QCoreApplication& application, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
}  // namespace

QString UiLanguage::Choose(const QStringList& uiLanguages, const QStringList& translated) {
    for (const QString& tag : uiLanguages) {
        // "en-GB", "en_GB" and "en" all name English; "C" names no language.
        QString language = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == Czech || translated.contains(language)) return language;
    }
    return Czech;
}

QStringList UiLanguage::Translated() {
    QStringList languages;
    for (const QString& file : QDir(TranslationFolder).entryList({Prefix + QStringLiteral("*.qm")}, QDir::Files))
        languages << file.mid(Prefix.size()).section(QLatin1Char('.'), 0, 0);
    return languages;
}

QString UiLanguage::Install(QCoreApplication& application) {
    QString language = Choose(QLocale::system().uiLanguages(), Translated());
    // Qt's own buttons (OK, Cancel) in the same language, where Qt's translation is installed.
    Add(application, QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language != Czech) Add(application, Prefix + language, TranslationFolder);
    return language;
}
