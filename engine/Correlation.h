#pragma once

#include "DayNumber.h"
#include "Language.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentolk {

// A correlation is the Julian Day Number of the start day of the Long Count.
inline constexpr std::int64_t DefaultCorrelation = StartDay;
inline constexpr std::int64_t MinCorrelation = -100'000'000;
inline constexpr std::int64_t MaxCorrelation = 100'000'000;

struct NamedCorrelation {
    std::int64_t value;
    std::string_view name; // how it is shown
    std::string_view key;  // how it is typed (also accepted: the number)
};

inline constexpr std::array<NamedCorrelation, 6> NamedCorrelations = {{
    {DefaultCorrelation, "Goodman-Martinez-Thompson", "gmt"},
    {584285, "Lounsbury", "lounsbury"},
    {584281, "Martinez Hernandez", "martinez"},
    {584286, "Martin-Skidmore", "martin-skidmore"},
    {489384, "Spinden", "spinden"},
    {660208, "Wells-Fuls", "fuls"},
}};

// The name of a named correlation, empty for any other value.
std::string_view CorrelationName(std::int64_t correlation);

// A number in MinCorrelation..MaxCorrelation or a named correlation's key or
// name (any letter case). On failure, error says why.
std::optional<std::int64_t> ParseCorrelation(std::string_view text, std::string& error,
                                             Language language = Language::English);

} // namespace zentolk
