#pragma once

#include "engine/Language.h"

#include <optional>
#include <string_view>

namespace zentolk::platform {

// The engine's, so that what the environment chooses is what its texts take.
using Language = zentolk::Language;

// The environment variables that choose the language, as a caller reads
// them (empty when unset).
struct LanguageEnvironment {
    std::string_view language; // LANGUAGE: a priority list such as "es_MX:es"
    std::string_view lcAll, lcMessages, lang;
};

// The language gettext would choose from these variables: the locale from
// LC_ALL, else LC_MESSAGES, else LANG; LANGUAGE's list wins over it unless
// the locale is C or POSIX, and its first entry that names a language we
// speak counts. English when nothing names Spanish.
Language LanguageFrom(const LanguageEnvironment& env);

// The one this process's environment chooses.
Language UserLanguage();

// "en" or "es" (any region, code set or letter case: "es_MX.UTF-8"), as
// --lang takes it; empty for anything else.
std::optional<Language> ReadLanguage(std::string_view word);

// The name catalogues and help files go by: "en", "es".
std::string_view LanguageCode(Language language);

} // namespace zentolk::platform
