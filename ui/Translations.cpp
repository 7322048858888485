#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace zentolk {

namespace {
// The language's catalogue while it is installed: one removed later leaves English.
QPointer<QTranslator> interfaceCatalogue;
platform::Language interfaceLanguage = platform::Language::English;
} // namespace

bool InstallTranslations(QCoreApplication& app, platform::Language language) {
    interfaceCatalogue = nullptr;
    if (language == platform::Language::English)
        return true;
    const QString code = QString::fromLatin1(platform::LanguageCode(language));
    // Qt's own catalogue is optional: without it the standard buttons stay English.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    auto* own = new QTranslator(&app);
    if (!LoadCatalogue(*own, language))
        return false;
    QCoreApplication::installTranslator(own);
    interfaceCatalogue = own;
    interfaceLanguage = language;
    return true;
}

bool LoadCatalogue(QTranslator& catalogue, platform::Language language) {
    return language != platform::Language::English &&
           catalogue.load(QStringLiteral(":/i18n/zentolk_") +
                          QString::fromLatin1(platform::LanguageCode(language)));
}

Language InterfaceLanguage() {
    return interfaceCatalogue.isNull() ? platform::Language::English : interfaceLanguage;
}

} // namespace zentolk
