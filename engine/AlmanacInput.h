#pragma once

// The almanac's range of years, and the one reader of each kind of day a
// table line may name: a date written YYYY-MM-DD, a day number, a Long Count
// with or without its Calendar Round.
#include "CivilCalendar.h"
#include "Names.h"
#include "Wording.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentolk {

// Every table, the almanac and its window cover the same years (astronomical,
// in the calendar the dates are read or shown in), and say so alike.
inline constexpr std::string_view YearRangeMessage =
    "the year lies outside -1,000,000 to 1,000,000";
inline constexpr std::string_view DayRangeMessage =
    "the day lies outside the years -1,000,000 to 1,000,000";
inline constexpr std::string_view SpanishYearRangeMessage =
    "el año queda fuera de -1,000,000 a 1,000,000";
// A date its calendar does not have (31 February).
inline constexpr std::string_view NoSuchDayMessage = "no such day in the calendar";
// The years as the messages name them, for messages of other kinds.
inline constexpr std::string_view YearRangeText = "-1,000,000 to 1,000,000";
static_assert(YearRangeMessage.ends_with(YearRangeText) &&
              DayRangeMessage.ends_with(YearRangeText));
// The three in each language, for what a person reads.
inline constexpr Wording YearRangeWords{YearRangeMessage, SpanishYearRangeMessage};
inline constexpr Wording DayRangeWords{DayRangeMessage,
                                       "el día queda fuera de los años -1,000,000 a 1,000,000"};
inline constexpr Wording NoSuchDayWords{NoSuchDayMessage, "ese día no existe en el calendario"};

constexpr bool YearInRange(std::int64_t astronomicalYear) {
    return astronomicalYear >= MinCivilYear && astronomicalYear <= MaxCivilYear;
}

// The first and last day of those years in a calendar.
constexpr std::int64_t FirstDayInRange(Calendar calendar) {
    return CivilDayNumber(calendar, MinCivilYear, 1, 1);
}
constexpr std::int64_t LastDayInRange(Calendar calendar) {
    return CivilDayNumber(calendar, MaxCivilYear, 12, 31);
}
constexpr bool DayInRange(std::int64_t jdn, Calendar calendar) {
    return jdn >= FirstDayInRange(calendar) && jdn <= LastDayInRange(calendar);
}
static_assert(FirstDayInRange(Calendar::Julian) == MinJdn &&
              LastDayInRange(Calendar::Julian) == MaxJdn &&
              FirstDayInRange(Calendar::Gregorian) > MinJdn &&
              LastDayInRange(Calendar::Gregorian) < MaxJdn);

// What a table line names. Each reader takes the text with blanks around it
// and returns the day, or nothing with the message for the row. A day must
// lie within the years above in `calendar` (the one the table shows).
enum class AlmanacInput { Mdy, Iso, Jdn, LongCount };

// "2024-06-15", "-3113-08-11", "+12345-01-01": the astronomical year of four
// or more digits, with a sign before year 0; a two-digit month and day.
std::optional<std::int64_t> ParseIsoDay(std::string_view text, Calendar calendar,
                                        std::string& error, Language language = Language::English);

// An integer Julian Day Number.
std::optional<std::int64_t> ParseDayNumber(std::string_view text, Calendar calendar,
                                           std::string& error,
                                           Language language = Language::English);

// A Long Count ("9.12.11.5.18", "12.19.13.4.0 (era before)"), or a full
// date: the Long Count followed by its Tzolkin day, Haab day or both
// ("9.12.11.5.18 6 Edznab 11 Yax"), which must be the day's own, in this era
// or else the era before. A mismatch names the parts in `spelling`.
std::optional<std::int64_t> ParseLongCountDay(std::string_view text, std::int64_t correlation,
                                              Calendar calendar, std::string& error,
                                              Spelling spelling = Spelling::Colonial,
                                              Language language = Language::English);

} // namespace zentolk
