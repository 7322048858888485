#include "LongCount.h"

#include "TextParsing.h"
#include "TextWriters.h"

#include <vector>

namespace zentolk {

std::string LongCountText(const LongCountPlaces& places) {
    return WrittenText([&](char* o) { return PutLongCount(o, places); });
}

std::optional<std::int64_t> ParseLongCount(std::string_view text, std::string& error) {
    std::string_view t = Trimmed(text);
    const bool negative = !t.empty() && t.front() == '-';
    if (negative)
        t.remove_prefix(1);
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t dot = t.find('.');
        parts.push_back(t.substr(0, dot));
        if (dot == std::string_view::npos)
            break;
        t.remove_prefix(dot + 1);
    }
    if (parts.size() != 5 && parts.size() != 6) {
        error = "a Long Count has five places (baktun.katun.tun.uinal.kin) or six (pictun "
                "first), not " +
                std::to_string(parts.size()) + ": " + QuotedText(Trimmed(text));
        return std::nullopt;
    }
    const std::size_t first = LongCountUnits.size() - parts.size();
    std::int64_t count = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const LongCountUnit& unit = LongCountUnits[first + i];
        const std::string_view part = Trimmed(parts[i]);
        std::int64_t value;
        if (!ParseDigits(part, value)) {
            error = "the " + std::string(unit.name) + " " + QuotedText(part) +
                    " is not a number (place " + std::to_string(i + 1) + " of " +
                    std::to_string(parts.size()) + ")";
            return std::nullopt;
        }
        if (value >= unit.limit) {
            error = "the " + std::string(unit.name) + " must be 0 to " +
                    std::to_string(unit.limit - 1) + ", not " + std::string(part);
            return std::nullopt;
        }
        count += value * unit.days;
    }
    return negative ? -count : count;
}

} // namespace zentolk
