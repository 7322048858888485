#pragma once

#include "DayCycles.h"
#include "Names.h"
#include "Wording.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
std::string HaabMonthDaysText(int month, Spelling spelling = Spelling::Colonial,
                              Language language = Language::English);

// A name in the program's spelling or a common modern one, any letter case,
// apostrophes optional. Returns the 1-based index or 0.
int FindTzolkinSign(std::string_view name);
int FindHaabMonth(std::string_view name);

// What the search looks for: a Tzolkin day, a Haab day, or both.
struct CalendarRoundQuery {
    std::optional<TzolkinDay> tzolkin;
    std::optional<HaabDay> haab;
    std::string note = {}; // how a seating ("20 Ceh") was read
};

// The words of a date: a number glued to its name is two ("2Ak'bal"), and
// a month's seating ("chum Mak", "seating of Mak") is its day 0 ("0 Mak").
std::vector<std::string_view> DateWords(std::string_view text);

// Whether a name is a day sign, a month, or both ("Kej": Manik in the
// highlands, Ceh in modern spellings).
enum class NameKind { None, Sign, Month, Both };
NameKind NameKindOf(std::string_view name);
// Whether a name of this kind, with this number, is read as a month: the
// other name of the pair decides, else the Calendar Round's order (first:
// the Tzolkin), else the number, when only a Haab day can have it.
bool ReadAsMonth(NameKind kind, std::optional<NameKind> other, bool first, std::int64_t number);
// "'Kej' is both the Tzolkin day sign Manik and the Haab month Ceh".
std::string AmbiguousNameText(std::string_view name, Language language = Language::English);
// The readers' messages about a date's days that both a Calendar Round and
// a pattern give.
inline constexpr Wording GiveBothDays{"%1; give both days, or another spelling",
                                      "%1; indique los dos días, u otra grafía"};
inline constexpr Wording TwoTzolkinDays{"two Tzolkin days in %1", "dos días del tzolkin en %1"};
inline constexpr Wording TwoHaabDays{"two Haab days in %1", "dos días del haab en %1"};
inline constexpr Wording HaabDayOutsideMonth{"%1, not %2", "%1, no %2"};

// "4 Ahau", "8 Cumku" or "4 Ahau 8 Cumku", as much as the query holds.
std::string CalendarRoundText(const CalendarRoundQuery& query,
                              Spelling spelling = Spelling::Colonial);

// Reads "4 Ahau", "8 Cumku" or "4 Ahau 8 Cumku" (modern spellings too).
std::optional<CalendarRoundQuery> ParseCalendarRound(std::string_view text, std::string& error,
                                                     Spelling spelling = Spelling::Colonial,
                                                     Language language = Language::English);

// Whether some day has the asked values, for callers that answer each case
// in their own words.
enum class QueryStatus { Possible, NothingAsked, NeverOccurs };
QueryStatus QueryStatusOf(const CalendarRoundQuery& query);

// Empty when some day has the asked values, else why none has.
std::string WhyNoDay(const CalendarRoundQuery& query, Spelling spelling = Spelling::Colonial,
                     Language language = Language::English);

// The first day count strictly after (or before) fromDayCount with the asked
// values, found in constant time. The query must be possible (WhyNoDay empty).
std::int64_t NextDayCount(const CalendarRoundQuery& query, std::int64_t fromDayCount);
std::int64_t PreviousDayCount(const CalendarRoundQuery& query, std::int64_t fromDayCount);

// The Calendar Round (or Tzolkin or Haab day) a number of days after a
// given one, with the same parts given. The query must be possible.
CalendarRoundQuery ShiftedRound(const CalendarRoundQuery& query, std::int64_t days);

// The least forward distance from a day with one Calendar Round to a day
// with another, 0 to one less than the period it repeats in: 18,980 days;
// 260 or 365 where either gives only its Tzolkin or Haab day, the cycle
// both share. Both must be possible; a Tzolkin day alone and a Haab day
// alone share no cycle, and have none.
struct RoundDistance {
    std::int64_t days = 0;
    std::int64_t period = 1;
};
std::optional<RoundDistance> CalendarRoundDistance(const CalendarRoundQuery& from,
                                                   const CalendarRoundQuery& to);

} // namespace zentolk
