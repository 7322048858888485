#pragma once

#include <cstdint>
#include <optional>

namespace zentolk {

// Exact day numbers for the proleptic Gregorian and Julian calendars. Years
// are astronomical (1 B.C. is year 0); every step is 64-bit, so the whole
// supported range converts without overflow.
enum class Calendar { Gregorian, Julian };

struct CivilDate {
    std::int64_t year = 0; // astronomical
    int month = 1;         // 1 to 12
    int day = 1;           // 1 to the month's length

    bool operator==(const CivilDate&) const = default;
};

inline constexpr std::int64_t MinCivilYear = -1'000'000;
inline constexpr std::int64_t MaxCivilYear = 1'000'000;

bool IsLeapYear(Calendar calendar, std::int64_t year);
int DaysInMonth(Calendar calendar, std::int64_t year, int month);

// The Julian Day Number of a date; empty when the month or day does not exist
// or the day lies outside MinJdn..MaxJdn.
std::optional<std::int64_t> CivilToJdn(Calendar calendar, const CivilDate& date);

// The date of a day number; exact for every day number from MinJdn to MaxJdn
// (where the year may lie a few decades beyond the civil year limits).
CivilDate JdnToCivil(Calendar calendar, std::int64_t jdn);

// The days that the almanac handles: every date of the years
// MinCivilYear..MaxCivilYear in either calendar.
// (Julian 1 January 1,000,000 B.C. astronomical and 31 December 1,000,000.)
inline constexpr std::int64_t MinJdn = -363'528'942;
inline constexpr std::int64_t MaxJdn = 366'971'423;

} // namespace zentolk
