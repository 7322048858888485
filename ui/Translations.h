#pragma once

#include "platform/Language.h"

class QCoreApplication;

namespace zentolk {

// Makes the application speak the language: the program's own catalogue,
// built into it, and Qt's for the buttons of its standard dialogs. English
// is the texts as written, so it loads nothing. False when the program's
// catalogue is missing.
bool InstallTranslations(QCoreApplication& app, platform::Language language);

// The language InstallTranslations last made the application speak, for
// the texts the engine writes; English before it is called and when the
// catalogue was missing, so that a window never mixes the two.
Language InterfaceLanguage();

} // namespace zentolk
