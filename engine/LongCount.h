#pragma once

#include "Language.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentolk {

// The places of the Long Count, largest first: days per unit, and one past
// the largest value a place takes below the next (a pictun's count is open).
struct LongCountUnit {
    std::string_view name;
    std::int64_t days;
    std::int64_t limit;
};
inline constexpr std::array<LongCountUnit, 6> LongCountUnits = {{
    {"pictun", 2880000, 1000},
    {"baktun", 144000, 20},
    {"katun", 7200, 20},
    {"tun", 360, 20},
    {"uinal", 20, 18},
    {"kin", 1, 20},
}};
inline constexpr std::int32_t PictunDays = LongCountUnits[0].days;
inline constexpr std::int32_t BaktunDays = LongCountUnits[1].days;
inline constexpr std::int32_t KatunDays = LongCountUnits[2].days;
inline constexpr std::int32_t TunDays = LongCountUnits[3].days;
inline constexpr std::int32_t UinalDays = LongCountUnits[4].days;
static_assert(LongCountUnits[5].days == 1);

// The places of a day count's magnitude; negative counts back from the start
// day. The baktun place is 0 to 19 below the pictun.
struct LongCountPlaces {
    bool negative = false;
    std::int64_t pictun = 0;
    int baktun = 0, katun = 0, tun = 0, uinal = 0, kin = 0;
};

namespace detail {
// katun, tun, uinal and kin of what is left below one baktun.
template <typename Int> constexpr void placesBelowBaktun(Int r, LongCountPlaces& p) {
    p.katun = static_cast<int>(r / KatunDays);
    r -= p.katun * KatunDays;
    p.tun = static_cast<int>(r / TunDays);
    r -= p.tun * TunDays;
    p.uinal = static_cast<int>(r / UinalDays);
    p.kin = static_cast<int>(r - p.uinal * UinalDays);
}
} // namespace detail

// The baktuns of the count's magnitude, those of its pictuns included.
constexpr std::int64_t BaktunsOf(const LongCountPlaces& p) {
    return p.pictun * (PictunDays / BaktunDays) + p.baktun;
}

// Each division is by a constant of the count's own width: a 32-bit count
// (the calculator's) divides faster than a 64-bit one.
template <typename Int> constexpr LongCountPlaces LongCountOf(Int dayCount) {
    LongCountPlaces p;
    p.negative = dayCount < 0;
    Int r = p.negative ? -dayCount : dayCount;
    p.pictun = r / PictunDays;
    r -= static_cast<Int>(p.pictun) * PictunDays;
    p.baktun = static_cast<int>(r / BaktunDays);
    detail::placesBelowBaktun(r - static_cast<Int>(p.baktun) * BaktunDays, p);
    return p;
}

// The calculator's Long Count within the cycle: the places of the cycle
// count (0 to 1,872,000), the baktun 0 to 13 with no pictun.
constexpr LongCountPlaces CycleLongCountOf(std::int32_t cycleCount) {
    LongCountPlaces p;
    p.baktun = cycleCount / BaktunDays;
    detail::placesBelowBaktun(cycleCount - p.baktun * BaktunDays, p);
    return p;
}

// The calculator's historical Long Count of a day count from 0 on, given the
// places of its cycle count: 144000 divides the cycle's length, so the
// places below the baktun are the same, and only pictun and baktun are left
// to divide out.
inline LongCountPlaces HistoricalLongCountOf(std::int32_t dayCount,
                                             const LongCountPlaces& cyclePlaces) {
    LongCountPlaces p = cyclePlaces;
    p.pictun = dayCount / PictunDays;
    p.baktun = (dayCount - static_cast<std::int32_t>(p.pictun) * PictunDays) / BaktunDays;
    return p;
}

// A place's value as it is written, in numerals of 0 to 19, the largest
// first (one numeral for every place but a large pictun count).
std::vector<int> PlaceNumerals(std::int64_t value);

// "b.k.t.u.k" while the count is below 20 baktuns, else "p.b.k.t.u.k"; a
// leading "-" for counts before the start day.
std::string LongCountText(const LongCountPlaces& places);

// The common form of a Long Count, read without trimming or messages: an
// optional "-", then five or six places of up to four digits, each below its
// limit, and nothing else. False for anything else, which ParseLongCount
// reads (to the same count) or refuses with its reason.
constexpr bool ReadPlainLongCount(std::string_view text, std::int64_t& count) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p < end && *p == '-';
    p += negative;
    std::int64_t places[6] = {};
    std::size_t n = 0;
    for (;;) {
        if (n == 6 || p == end || *p < '0' || *p > '9')
            return false;
        std::int64_t v = 0;
        for (const char* first = p; p < end && *p >= '0' && *p <= '9'; ++p) {
            if (p - first == 4)
                return false;
            v = v * 10 + (*p - '0');
        }
        places[n++] = v;
        if (p == end)
            break;
        if (*p++ != '.')
            return false;
    }
    if (n < 5)
        return false;
    const std::size_t first = LongCountUnits.size() - n;
    count = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (places[i] >= LongCountUnits[first + i].limit)
            return false;
        count += places[i] * LongCountUnits[first + i].days;
    }
    count = negative ? -count : count;
    return true;
}

// Reads "b.k.t.u.k" or "p.b.k.t.u.k" (blanks around allowed, a leading "-"
// counts back) into a day count; on failure, error names the bad place.
std::optional<std::int64_t> ParseLongCount(std::string_view text, std::string& error,
                                           Language language = Language::English);

} // namespace zentolk
