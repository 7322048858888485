#pragma once

// Small text helpers of the engine's readers (not part of its interface).
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace zentolk {

inline char LowerAscii(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

inline std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// Decimal digits only, no sign; false for anything else or more than 18 digits.
inline bool ParseDigits(std::string_view text, std::int64_t& value) {
    value = 0;
    if (text.empty() || text.size() > 18)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return true;
}

// Appended piece by piece: GCC 12 at -O3 warns falsely on "'" + std::string.
inline std::string QuotedText(std::string_view text) {
    std::string quoted(1, '\'');
    quoted += text;
    quoted += '\'';
    return quoted;
}

} // namespace zentolk
