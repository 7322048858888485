#include "LongCount.h"

#include "TextParsing.h"
#include "TextWriters.h"
#include "Wording.h"

#include <array>

namespace zentolk {

std::vector<int> PlaceNumerals(std::int64_t value) {
    constexpr int Base = LongCountUnits[5].limit; // the kins: 0 to 19
    std::vector<int> numerals;
    do {
        numerals.insert(numerals.begin(), static_cast<int>(value % Base));
        value /= Base;
    } while (value > 0);
    return numerals;
}

std::string LongCountText(const LongCountPlaces& places) {
    return WrittenText([&](char* o) { return PutLongCount(o, places); });
}

std::optional<std::int64_t> ParseLongCount(std::string_view text, std::string& error,
                                           Language language) {
    std::string_view t = Trimmed(text);
    const bool negative = !t.empty() && t.front() == '-';
    if (negative)
        t.remove_prefix(1);
    // Without the heap: the tables read millions of these.
    std::array<std::string_view, 6> parts;
    std::size_t places = 0;
    for (;;) {
        const std::size_t dot = t.find('.');
        if (places < parts.size())
            parts[places] = t.substr(0, dot);
        ++places;
        if (dot == std::string_view::npos)
            break;
        t.remove_prefix(dot + 1);
    }
    if (places != 5 && places != 6) {
        error =
            Worded(language,
                   {"a Long Count has five places (baktun.katun.tun.uinal.kin) or six (pictun "
                    "first), not %1: %2",
                    "una Cuenta Larga tiene cinco posiciones (baktun.katun.tun.uinal.kin) o seis "
                    "(el pictun primero), no %1: %2"},
                   {std::to_string(places), QuotedText(Trimmed(text))});
        return std::nullopt;
    }
    const std::size_t first = LongCountUnits.size() - places;
    std::int64_t count = 0;
    for (std::size_t i = 0; i < places; ++i) {
        const LongCountUnit& unit = LongCountUnits[first + i];
        const std::string_view part = Trimmed(parts[i]);
        std::int64_t value;
        if (!ParseDigits(part, value)) {
            error = Worded(
                language,
                {"the %1 %2 is not a number (place %3 of %4)",
                 "el %1 %2 no es un número (posición %3 de %4)"},
                {unit.name, QuotedText(part), std::to_string(i + 1), std::to_string(places)});
            return std::nullopt;
        }
        if (value >= unit.limit) {
            // The sign belongs to the count, and so to its first place as written.
            error = Worded(language,
                           {"the %1 must be 0 to %2, not %3", "el %1 debe ser de 0 a %2, no %3"},
                           {unit.name, std::to_string(unit.limit - 1),
                            (negative && i == 0 ? "-" : "") + std::string(part)});
            return std::nullopt;
        }
        count += value * unit.days;
    }
    return negative ? -count : count;
}

} // namespace zentolk
