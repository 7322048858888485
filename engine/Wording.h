#pragma once

// Messages in each language the programs speak. A message is one whole
// sentence in each language, its values put into numbered blanks, so that a
// language can order them as its grammar wants and no message mixes two.
#include "Language.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace zentolk {

// The pattern with %1, %2, ... replaced by the values; a '%' that names no
// value stays as it is.
inline std::string FilledText(std::string_view pattern,
                              std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(pattern.size() + 32);
    for (std::size_t at = 0;;) {
        const std::size_t mark = pattern.find('%', at);
        text.append(pattern.substr(at, mark - at));
        if (mark == std::string_view::npos)
            return text;
        const char next = mark + 1 < pattern.size() ? pattern[mark + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (next >= '1' && next <= '9' && index < values.size()) {
            text.append(values.begin()[index]);
            at = mark + 2;
        } else {
            text += '%';
            at = mark + 1;
        }
    }
}

struct Wording {
    std::string_view english, spanish;
    constexpr std::string_view in(Language language) const {
        return language == Language::Spanish ? spanish : english;
    }
};

inline std::string Worded(Language language, const Wording& wording,
                          std::initializer_list<std::string_view> values = {}) {
    return FilledText(wording.in(language), values);
}

// "a, b and c" ("a, b y c"): Spanish writes "e" before a word that starts with
// the sound i ("Chuen e Imix").
template <typename Items> std::string JoinedList(const Items& items, Language language) {
    std::string text;
    std::size_t i = 0;
    for (const auto& item : items) {
        const std::string_view word = item;
        if (i > 0 && i + 1 == std::size(items))
            text += language == Language::English                                   ? " and "
                    : !word.empty() && (word.front() == 'I' || word.front() == 'i') ? " e "
                                                                                    : " y ";
        else if (i > 0)
            text += ", ";
        text += word;
        ++i;
    }
    return text;
}

} // namespace zentolk
