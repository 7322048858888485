#pragma once

#include "platform/Language.h"

#include <string>

namespace zentolk::platform {

// The gettext catalogue of a program's messages: `domain`.mo in
// LOCALE/<code>/LC_MESSAGES/, where LOCALE is share/locale beside the
// program's bin folder (the build tree and any installation prefix alike),
// else `installedDir`. The folder it would be read from, or empty when
// there is none for the language.
std::string MessageCatalogueFolder(const char* domain, Language language, const char* installedDir);

// Makes `domain`'s texts come from the language's catalogue, whichever
// locales the system has generated and whatever the C locale would make
// gettext ignore; only the messages' locale is touched, never the numbers'.
// False, leaving everything as it was, when there is no catalogue.
bool UseMessageCatalogue(const char* domain, Language language, const char* installedDir);

// The catalogue's text for an English one (the English itself when it has
// none), and its form for a count n.
const char* CatalogueText(const char* domain, const char* english);
const char* CatalogueText(const char* domain, const char* one, const char* many, unsigned long n);

} // namespace zentolk::platform
