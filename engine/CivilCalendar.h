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
// hold for years before 1 too. The year may be of any integer type: the
// calculator's are 32-bit, which divide faster.
template <typename Year> constexpr bool IsLeapYear(Calendar calendar, Year year) {
    if (calendar == Calendar::Julian)
        return year % 4 == 0;
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// 0 for a month outside 1..12.
template <typename Year> constexpr int DaysInMonth(Calendar calendar, Year year, int month) {
    constexpr int Length[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return Length[month - 1] + (month == 2 && IsLeapYear(calendar, year));
}

template <typename Year>
constexpr bool DateExists(Calendar calendar, Year year, int month, int day) {
    return day >= 1 && day <= DaysInMonth(calendar, year, month);
}

namespace detail {
// Days are counted in eras that start on 1 March of a year divisible by the
// era's length (400 years Gregorian, 4 Julian), so the leap day ends the
// counted year. The offsets place Gregorian 1 March of year 0 at JDN 1721120
// and Julian 1 March of year 0 at JDN 1721118.
inline constexpr std::int32_t GregorianMarch0 = 1721120;
inline constexpr std::int32_t JulianMarch0 = 1721118;

// Within these the arithmetic below fits 32 bits, which divide faster.
inline constexpr std::int64_t Narrow = 1'000'000'000;
inline constexpr std::int64_t NarrowYears = 2'000'000;

template <typename Int>
constexpr Int civilDayNumber(Calendar calendar, Int year, int month, int day) {
    const Int y = month <= 2 ? year - 1 : year;
    const int mp = month > 2 ? month - 3 : month + 9;
    const Int doy = (153 * mp + 2) / 5 + day - 1;
    if (calendar == Calendar::Julian) {
        const Int era = FloorDiv<Int>(y, 4);
        return JulianMarch0 + era * 1461 + (y - era * 4) * 365 + doy;
    }
    const Int era = FloorDiv<Int>(y, 400);
    const Int yoe = y - era * 400;
    return GregorianMarch0 + era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;
}

template <typename Int> constexpr CivilDate civilDate(Calendar calendar, Int jdn) {
    Int era, doe, yoe;
    if (calendar == Calendar::Julian) {
        const Int days = jdn - JulianMarch0;
        era = FloorDiv<Int>(days, 1461);
        doe = days - era * 1461;        // 0 to 1460
        yoe = (doe - doe / 1460) / 365; // 0 to 3
        doe -= yoe * 365;
        era *= 4;
    } else {
        const Int days = jdn - GregorianMarch0;
        era = FloorDiv<Int>(days, 146097);
        doe = days - era * 146097;                                   // 0 to 146096
        yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // 0 to 399
        doe -= yoe * 365 + yoe / 4 - yoe / 100;
        era *= 400;
    }
    const Int mp = (5 * doe + 2) / 153; // 0 = March
    const int day = static_cast<int>(doe - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {std::int64_t{era} + yoe + (month <= 2 ? 1 : 0), month, day};
}
} // namespace detail

// The day number of a date that exists (DateExists); no range check.
constexpr std::int64_t CivilDayNumber(Calendar calendar, std::int64_t year, int month, int day) {
    if (year >= -detail::NarrowYears && year <= detail::NarrowYears)
        return detail::civilDayNumber(calendar, static_cast<std::int32_t>(year), month, day);
    return detail::civilDayNumber(calendar, year, month, day);
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
    if (jdn >= -detail::Narrow && jdn <= detail::Narrow)
        return detail::civilDate(calendar, static_cast<std::int32_t>(jdn));
    return detail::civilDate(calendar, jdn);
}

} // namespace zentolk
