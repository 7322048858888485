#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zentolk {

namespace {
Language installed = Language::English;
} // namespace

Language InterfaceLanguage() {
    return installed;
}

bool InstallTranslations(QCoreApplication& app, platform::Language language) {
    installed = Language::English;
    if (language == platform::Language::English)
        return true;
    const QString code = QString::fromLatin1(platform::LanguageCode(language));
    // Qt's own catalogue is optional: without it the standard buttons stay English.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    auto* own = new QTranslator(&app);
    if (!own->load(QStringLiteral(":/i18n/zentolk_") + code))
        return false;
    QCoreApplication::installTranslator(own);
    installed = language;
    return true;
}

} // namespace zentolk
