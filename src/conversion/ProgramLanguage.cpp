#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

constexpr const char* kCatalogues = ":/i18n";

bool install(QCoreApplication& app, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

bool installPluralForms(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("excel2vcard_en"), QString::fromLatin1(kCatalogues))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

void installTranslations(QCoreApplication& app) {
    // Installed first, searched last: the user's language is asked before English.
    installPluralForms(app);
    const QLocale locale = QLocale::system();
    QLocale chosen = locale;
    if (!install(app, locale, QStringLiteral("excel2vcard"), QString::fromLatin1(kCatalogues))) {
        // Portuguese is written for Brazil; it still reads better in Portugal than English.
        const QStringList languages = locale.uiLanguages();
        const auto portuguese =
            std::find_if(languages.begin(), languages.end(),
                         [](const QString& l) { return l.startsWith(QStringLiteral("pt")); });
        if (portuguese == languages.end()) {
            return;
        }
        chosen = QLocale(QLocale::Portuguese, QLocale::Brazil);
        if (!install(app, chosen, QStringLiteral("excel2vcard"),
                     QString::fromLatin1(kCatalogues))) {
            return;
        }
    }
    // Qt's own words in the same language; missing catalogues leave them English.
    install(app, chosen, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
