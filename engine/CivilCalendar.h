#pragma once

#include "Arithmetic.h"

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

// The days that the almanac handles: every date of the years
// MinCivilYear..MaxCivilYear in either calendar.
// (Julian 1 January 1,000,000 B.C. astronomical and 31 December 1,000,000.)
inline constexpr std::int64_t MinJdn = -363'528'942;
inline constexpr std::int64_t MaxJdn = 366'971'423;

// A truncating remainder of zero is a floor remainder of zero, so the rules
// hold for years before 1 too.
constexpr bool IsLeapYear(Calendar calendar, std::int64_t year) {
    if (calendar == Calendar::Julian)
        return year % 4 == 0;
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// 0 for a month outside 1..12.
constexpr int DaysInMonth(Calendar calendar, std::int64_t year, int month) {
    constexpr int Length[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return Length[month - 1] + (month == 2 && IsLeapYear(calendar, year));
}

constexpr bool DateExists(Calendar calendar, std::int64_t year, int month, int day) {
    return day >= 1 && day <= DaysInMonth(calendar, year, month);
}

namespace detail {
// Days are counted in eras that start on 1 March of a year divisible by the
// era's length (400 years Gregorian, 4 Julian), so the leap day ends the
// counted year. The offsets place Gregorian 1 March of year 0 at JDN 1721120
// and Julian 1 March of year 0 at JDN 1721118.
inline constexpr std::int64_t GregorianMarch0 = 1721120;
inline constexpr std::int64_t JulianMarch0 = 1721118;

constexpr std::int64_t dayOfYearFromMarch(int month, int day) {
    const int mp = month > 2 ? month - 3 : month + 9;
    return (153 * mp + 2) / 5 + day - 1;
}
} // namespace detail

// The day number of a date that exists (DateExists); no range check.
constexpr std::int64_t CivilDayNumber(Calendar calendar, std::int64_t year, int month, int day) {
    using namespace detail;
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t doy = dayOfYearFromMarch(month, day);
    if (calendar == Calendar::Julian) {
        const std::int64_t era = FloorDiv<std::int64_t>(y, 4);
        return JulianMarch0 + era * 1461 + (y - era * 4) * 365 + doy;
    }
    const std::int64_t era = FloorDiv<std::int64_t>(y, 400);
    const std::int64_t yoe = y - era * 400;
    return GregorianMarch0 + era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;
}

// The Julian Day Number of a date; empty when the month or day does not exist
// or the day lies outside MinJdn..MaxJdn.
constexpr std::optional<std::int64_t> CivilToJdn(Calendar calendar, const CivilDate& date) {
    // The limits are checked on the day number, so that every day of the range
    // converts back in both calendars; the margin keeps the arithmetic small.
    constexpr std::int64_t Margin = 100'000;
    if (date.year < MinCivilYear - Margin || date.year > MaxCivilYear + Margin)
        return std::nullopt;
    if (!DateExists(calendar, date.year, date.month, date.day))
        return std::nullopt;
    const std::int64_t jdn = CivilDayNumber(calendar, date.year, date.month, date.day);
    if (jdn < MinJdn || jdn > MaxJdn)
        return std::nullopt;
    return jdn;
}

// The date of a day number; exact for every day number from MinJdn to MaxJdn
// (where the year may lie a few decades beyond the civil year limits).
constexpr CivilDate JdnToCivil(Calendar calendar, std::int64_t jdn) {
    using namespace detail;
    std::int64_t era, doe, yoe;
    if (calendar == Calendar::Julian) {
        const std::int64_t days = jdn - JulianMarch0;
        era = FloorDiv<std::int64_t>(days, 1461);
        doe = days - era * 1461;        // 0 to 1460
        yoe = (doe - doe / 1460) / 365; // 0 to 3
        doe -= yoe * 365;
        era *= 4;
    } else {
        const std::int64_t days = jdn - GregorianMarch0;
        era = FloorDiv<std::int64_t>(days, 146097);
        doe = days - era * 146097;                                   // 0 to 146096
        yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // 0 to 399
        doe -= yoe * 365 + yoe / 4 - yoe / 100;
        era *= 400;
    }
    const std::int64_t mp = (5 * doe + 2) / 153; // 0 = March
    const int day = static_cast<int>(doe - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {era + yoe + (month <= 2 ? 1 : 0), month, day};
}

} // namespace zentolk
