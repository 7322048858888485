#pragma once

// The small text helpers every reader shares, the engine's and the command
// line's: one idea of a blank, a word and a quoted text.
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// White space as the C locale has it: what separates words must not change
// with the user's locale.
inline constexpr std::string_view Blanks = " \t\n\v\f\r";

inline bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Without the characters of `blanks` at either end (a table's fields are
// padded with spaces and tabs only).
inline std::string_view Trimmed(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Takes the first word off text: up to white space or `stop`, which goes
// with it ("1/2/2000"). What is left of text is trimmed.
inline std::string_view TakeWord(std::string_view& text, char stop = ' ') {
    text = Trimmed(text);
    std::size_t end = 0;
    while (end < text.size() && !IsBlank(text[end]) && text[end] != stop)
        ++end;
    const std::string_view word = text.substr(0, end);
    text = Trimmed(text.substr(end < text.size() && text[end] == stop ? end + 1 : end));
    return word;
}

inline std::vector<std::string_view> Words(std::string_view text, char stop = ' ') {
    std::vector<std::string_view> words;
    text = Trimmed(text);
    while (!text.empty())
        words.push_back(TakeWord(text, stop));
    return words;
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
