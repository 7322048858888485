#pragma once

// What the SQL functions read from text, apart from SQLite so that a fuzzer
// can reach it: a day of any kind the almanac's table takes, a correlation
// and a calendar. Every reading is the engine's.
#include "engine/CivilCalendar.h"
#include "engine/Correlation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentolk::sqlite {

struct DayOptions {
    std::int64_t correlation = DefaultCorrelation;
    Calendar calendar = Calendar::Gregorian;
};

// No day's or correlation's text comes near this: longer ones are refused
// before they are read or quoted in a message.
inline constexpr std::size_t LongestText = 256;

// A Long Count or full date, a date YYYY-MM-DD or a day number, told apart
// by their shapes; the day lies within the almanac's years in o.calendar.
std::optional<std::int64_t> ReadDayText(std::string_view text, const DayOptions& o,
                                        std::string& error);

// A correlation's number or name, into o.
bool ReadCorrelationText(std::string_view text, DayOptions& o, std::string& error);

// "gregorian" or "julian" in any letter case, into o.
bool ReadCalendarText(std::string_view text, DayOptions& o, std::string& error);

} // namespace zentolk::sqlite
