#include "NumberText.h"

#include "TextWriters.h"

namespace zentolk {

namespace {
int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool parseHex(std::string_view digits, std::int32_t& value) {
    if (digits.empty())
        return false;
    std::uint32_t v = 0;
    for (char c : digits) {
        const int d = hexDigit(c);
        if (d < 0 || v > 0x0FFFFFFFu)
            return false;
        v = v * 16 + static_cast<std::uint32_t>(d);
    }
    value = static_cast<std::int32_t>(v);
    return true;
}
} // namespace

bool ParseInteger(std::string_view text, std::int32_t& value) {
    // Up to nine plain digits, the common case, cannot leave the range.
    if (!text.empty() && text.size() <= 9) {
        std::uint32_t v = 0;
        std::size_t i = 0;
        for (unsigned d; i < text.size() && (d = static_cast<unsigned char>(text[i]) - '0') <= 9;
             ++i)
            v = v * 10 + d;
        if (i == text.size()) {
            value = static_cast<std::int32_t>(v);
            return true;
        }
    }
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const std::string_view s = text.substr(i);
    if (s.empty())
        return false;

    if (s[0] == '$' || s[0] == 'x' || s[0] == 'X')
        return parseHex(s.substr(1), value);
    if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        return parseHex(s.substr(2), value);

    std::size_t pos = 0;
    const bool negative = s[0] == '-';
    if (s[0] == '-' || s[0] == '+')
        pos = 1;
    if (pos == s.size())
        return false;
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::uint64_t v = 0;
    for (; pos < s.size(); ++pos) {
        const unsigned d = static_cast<unsigned char>(s[pos]) - unsigned{'0'};
        if (d > 9)
            return false;
        v = v * 10 + d;
        if (v > limit)
            return false;
    }
    const auto magnitude = static_cast<std::uint32_t>(v);
    value = static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
    return true;
}

std::string GroupThousands(std::string_view text) {
    std::string result(text);
    if (result.size() < 2)
        return result;
    int counter = 0;
    // p counts from 1 at the left; an insertion lands left of p, so the
    // characters still to be visited keep their positions.
    for (std::size_t p = result.size(); p > 1; --p) {
        ++counter;
        if (counter % 3 == 0)
            result.insert(p - 1, 1, ',');
    }
    return result;
}

} // namespace zentolk
