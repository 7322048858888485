#pragma once

#include "Arithmetic.h"

#include <cstdint>
#include <type_traits>

namespace zentolk {

// A day's places in the cycles that run beside the Long Count, from its day
// count: days since the start day 0.0.0.0.0, which is 4 Ahau 8 Cumku, a
// Monday, ruled by the ninth Lord of the Night.

struct TzolkinDay {
    int number = 1; // 1 to 13
    int sign = 1;   // 1 (Imix) to 20 (Ahau)
    bool operator==(const TzolkinDay&) const = default;
};

struct HaabDay {
    int day = 0;   // 0 to 19, 0 to 4 in Uayeb
    int month = 1; // 1 (Pop) to 19 (Uayeb)
    bool operator==(const HaabDay&) const = default;
};

// The cycles' sizes, each kept once: a Tzolkin day is a number and a sign;
// the Haab has 18 months of 20 days and then Uayeb, of 5.
inline constexpr int TzolkinNumbers = 13;
inline constexpr int TzolkinSigns = 20;
inline constexpr int HaabMonths = 19;
inline constexpr int HaabMonthDays = 20;
inline constexpr int UayebDays = 5;
inline constexpr int TzolkinDays = TzolkinNumbers * TzolkinSigns;
inline constexpr int HaabDays = (HaabMonths - 1) * HaabMonthDays + UayebDays;
// The two share the factor 5, so a Calendar Round recurs after their least
// common multiple, 52 Haab years.
inline constexpr int CalendarRoundDays = TzolkinDays / 5 * HaabDays;

// Days 0 to HaabMonthLength(month) - 1 exist in a month (1 to 19).
constexpr int HaabMonthLength(int month) {
    return month == HaabMonths ? UayebDays : HaabMonthDays;
}
constexpr bool IsTzolkinDay(const TzolkinDay& day) {
    return day.number >= 1 && day.number <= TzolkinNumbers && day.sign >= 1 &&
           day.sign <= TzolkinSigns;
}
constexpr bool IsHaabDay(const HaabDay& day) {
    return day.month >= 1 && day.month <= HaabMonths && day.day >= 0 &&
           day.day < HaabMonthLength(day.month);
}
// A Haab day's place in the year, 0 (0 Pop) to HaabDays - 1 (4 Uayeb).
constexpr int HaabPositionOf(const HaabDay& day) {
    return (day.month - 1) * HaabMonthDays + day.day;
}

namespace detail {
// The position in a cycle of `length` days of a day count whose day 0 lies
// at `start`. Every day count of a reading or an almanac day lies far enough
// from the end of its type's range for the sum.
template <typename Int> constexpr int shifted(Int dayCount, int length, int start) {
    return static_cast<int>(Remainder<Int>(dayCount + start, static_cast<Int>(length)));
}
} // namespace detail

// Position 0 is 1 Imix; the start day, 4 Ahau, is position 159.
template <typename Int> constexpr int TzolkinPosition(Int dayCount) {
    return detail::shifted(dayCount, TzolkinDays, 159);
}
constexpr TzolkinDay TzolkinAt(int position) {
    return {position % TzolkinNumbers + 1, position % TzolkinSigns + 1};
}
// The start day is number 4 and sign 20 (index 19).
template <typename Int> constexpr TzolkinDay TzolkinOf(Int dayCount) {
    return {detail::shifted(dayCount, TzolkinNumbers, 3) + 1,
            detail::shifted(dayCount, TzolkinSigns, 19) + 1};
}

// Position 0 is 0 Pop; the start day, 8 Cumku, is position 17 * 20 + 8.
template <typename Int> constexpr int HaabPosition(Int dayCount) {
    return detail::shifted(dayCount, HaabDays, HaabPositionOf({8, 18}));
}
constexpr HaabDay HaabAt(int position) {
    return {position % HaabMonthDays, position / HaabMonthDays + 1};
}
template <typename Int> constexpr HaabDay HaabOf(Int dayCount) {
    return HaabAt(HaabPosition(dayCount));
}

// Every day count with that Tzolkin (Haab) day is this one plus a whole
// number of Tzolkins (Haabs).
constexpr int TzolkinDayCountResidue(const TzolkinDay& day) {
    // 40 is 1 mod 13 and 0 mod 20, 221 is 0 mod 13 and 1 mod 20.
    const int position = (40 * (day.number - 1) + 221 * (day.sign - 1)) % TzolkinDays;
    return Remainder(position - 159, TzolkinDays);
}
constexpr int HaabDayCountResidue(const HaabDay& day) {
    return Remainder(HaabPositionOf(day) - HaabPosition(0), HaabDays);
}

// 0 (Sunday) to 6 (Saturday).
template <typename Int> constexpr int WeekDayOf(Int dayCount) {
    return detail::shifted(dayCount, 7, 1);
}

// G1 to G9 as 1 to 9; G9 rules the start day.
inline constexpr int LordsOfTheNight = 9;
template <typename Int> constexpr int LordOfTheNightOf(Int dayCount) {
    const int lord = static_cast<int>(Remainder<Int>(dayCount, LordsOfTheNight));
    return lord == 0 ? 9 : lord;
}

// The 819-day count: a station every 819 days, one of them on 1 Caban 5
// Cumku, three days before the start day. The station on or before a day.
inline constexpr int StationDays = 819;
template <typename Int> constexpr Int Station819Of(Int dayCount) {
    return dayCount - Remainder<Int>(dayCount + 3, StationDays);
}

// The world's quarters, each with its colour, in the order the day signs
// take them: Imix east, Ik north, Akbal west, Kan south, Chicchan east again.
enum class WorldQuarter { East, North, West, South };
inline constexpr int WorldQuarters = 4;
constexpr WorldQuarter QuarterOfSign(int sign) {
    return static_cast<WorldQuarter>((sign - 1) % WorldQuarters);
}
// A station stands in the quarter of its day sign. Each falls one sign
// before the last (819 is one short of a multiple of 20), so the stations
// go east, south, west, north and round again every 4 x 819 days.
template <typename Int> constexpr WorldQuarter Station819QuarterOf(Int dayCount) {
    return QuarterOfSign(TzolkinOf(Station819Of(dayCount)).sign);
}

// The year bearer: the Tzolkin day on 0 Pop (classic), 1 Pop (campeche) or
// 2 Pop (mayapan) of the Haab year, 0 Pop to the end of Uayeb, that holds
// the day.
enum class YearBearerSystem { Classic, Campeche, Mayapan };
template <typename Int> constexpr Int YearBearerDayOf(Int dayCount, YearBearerSystem system) {
    return dayCount - HaabPosition(dayCount) + static_cast<Int>(system);
}
template <typename Int> constexpr TzolkinDay YearBearerOf(Int dayCount, YearBearerSystem system) {
    return TzolkinOf(YearBearerDayOf(dayCount, system));
}

} // namespace zentolk
