#pragma once

#include "DayCycles.h"
#include "Names.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentolk {

std::string TzolkinText(const TzolkinDay& day); // "4 Ahau"
std::string HaabText(const HaabDay& day);       // "8 Cumku"
// The same in either spelling ("4 Ajaw", "8 Kumk'u").
std::string TzolkinText(const TzolkinDay& day, Spelling spelling);
std::string HaabText(const HaabDay& day, Spelling spelling);
// A day's Calendar Round, "4 Ahau 8 Cumku".
std::string CalendarRoundText(std::int64_t dayCount, Spelling spelling = Spelling::Colonial);
std::string CalendarRoundText(const TzolkinDay& tzolkin, const HaabDay& haab,
                              Spelling spelling = Spelling::Colonial);

// "Uayeb has days 0 to 4": what a Haab day number of the month must be.
std::string HaabMonthDaysText(int month);

// A name in the program's spelling or a common modern one, any letter case,
// apostrophes optional. Returns the 1-based index or 0.
int FindTzolkinSign(std::string_view name);
int FindHaabMonth(std::string_view name);

// What the search looks for: a Tzolkin day, a Haab day, or both.
struct CalendarRoundQuery {
    std::optional<TzolkinDay> tzolkin;
    std::optional<HaabDay> haab;
};

// "4 Ahau", "8 Cumku" or "4 Ahau 8 Cumku", as much as the query holds.
std::string CalendarRoundText(const CalendarRoundQuery& query,
                              Spelling spelling = Spelling::Colonial);

// Reads "4 Ahau", "8 Cumku" or "4 Ahau 8 Cumku" (modern spellings too).
std::optional<CalendarRoundQuery> ParseCalendarRound(std::string_view text, std::string& error);

// Whether some day has the asked values, for callers that answer each case
// in their own words.
enum class QueryStatus { Possible, NothingAsked, NeverOccurs };
QueryStatus QueryStatusOf(const CalendarRoundQuery& query);

// Empty when some day has the asked values, else why none has.
std::string WhyNoDay(const CalendarRoundQuery& query);

// The first day count strictly after (or before) fromDayCount with the asked
// values, found in constant time. The query must be possible (WhyNoDay empty).
std::int64_t NextDayCount(const CalendarRoundQuery& query, std::int64_t fromDayCount);
std::int64_t PreviousDayCount(const CalendarRoundQuery& query, std::int64_t fromDayCount);

} // namespace zentolk
