#include "platform/Language.h"

#include <cstdlib>

namespace zentolk::platform {
namespace {
// The language part of a locale or list entry: "es" of "es_MX.UTF-8@euro".
std::string_view languagePart(std::string_view name) {
    return name.substr(0, name.find_first_of("_.@"));
}

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char c = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        if (c != b[i])
            return false;
    }
    return true;
}

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string_view(value) : std::string_view();
}
} // namespace

std::optional<Language> ReadLanguage(std::string_view word) {
    const std::string_view code = languagePart(word);
    if (sameLetters(code, "en"))
        return Language::English;
    if (sameLetters(code, "es"))
        return Language::Spanish;
    return std::nullopt;
}

Language LanguageFrom(const LanguageEnvironment& env) {
    std::string_view locale = !env.lcAll.empty()        ? env.lcAll
                              : !env.lcMessages.empty() ? env.lcMessages
                                                        : env.lang;
    if (locale.empty() || locale == "C" || locale == "POSIX" || languagePart(locale) == "C")
        return Language::English; // gettext heeds no list under the C locale
    std::string_view list = env.language;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        if (const auto chosen = ReadLanguage(list.substr(0, colon)))
            return *chosen;
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    return ReadLanguage(locale).value_or(Language::English);
}

Language UserLanguage() {
    return LanguageFrom(
        {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")});
}

std::string_view LanguageCode(Language language) {
    return language == Language::Spanish ? "es" : "en";
}

} // namespace zentolk::platform
