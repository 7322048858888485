#pragma once

#include "platform/Language.h"

class QCoreApplication;
class QTranslator;

namespace zentolk {

// Makes the application speak the language: the program's own catalogue,
// built into it, and Qt's for the buttons of its standard dialogs. English
// is the texts as written, so it loads nothing. False when the program's
// catalogue is missing.
bool InstallTranslations(QCoreApplication& app, platform::Language language);

// Loads the program's own catalogue for a language other than English into
// a translator, as InstallTranslations does; false when it is missing.
bool LoadCatalogue(QTranslator& catalogue, platform::Language language);

// The language the interface speaks: the one installed last, English before
// any and when its catalogue was missing.
Language InterfaceLanguage();

} // namespace zentolk
