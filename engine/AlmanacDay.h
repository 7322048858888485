#pragma once

#include "CivilCalendar.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zentolk {

// The almanac of one day: its Long Count under a chosen correlation, its
// place in the Tzolkin, the Haab and the Calendar Round, and its Lord of the
// Night. Day counts are days since the start day of the Long Count (the day
// shown as 0.0.0.0.0, 4 Ahau 8 Cumku); a correlation is the Julian Day Number
// of that day.

inline constexpr std::int64_t DefaultCorrelation = 584283;
inline constexpr std::int64_t MinCorrelation = -100'000'000;
inline constexpr std::int64_t MaxCorrelation = 100'000'000;

struct NamedCorrelation {
    std::int64_t value;
    std::string_view name; // how it is shown
    std::string_view key;  // how it is typed (also accepted: the number)
};

inline constexpr std::array<NamedCorrelation, 6> NamedCorrelations = {{
    {584283, "Goodman-Martinez-Thompson", "gmt"},
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
std::optional<std::int64_t> ParseCorrelation(std::string_view text, std::string& error);

// Names in the program's own orthography, index 0 first.
inline constexpr std::array<std::string_view, 20> TzolkinSign = {
    "Imix",  "Ik", "Akbal", "Kan", "Chicchan", "Cimi", "Manik", "Lamat",  "Muluc", "Oc",
    "Chuen", "Eb", "Ben",   "Ix",  "Men",      "Cib",  "Caban", "Edznab", "Cauac", "Ahau",
};
inline constexpr std::array<std::string_view, 19> HaabMonth = {
    "Pop", "Uo",  "Zip", "Zotz",   "Tzec", "Xul", "Yaxkin", "Mol",   "Chen",  "Yax",
    "Zac", "Ceh", "Mac", "Kankin", "Muan", "Pax", "Kayab",  "Cumku", "Uayeb",
};

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

// The places of a day count's magnitude; negative counts back from the start
// day. The baktun place is 0 to 19 below the pictun.
struct LongCountPlaces {
    bool negative = false;
    std::int64_t pictun = 0;
    int baktun = 0, katun = 0, tun = 0, uinal = 0, kin = 0;
};

struct AlmanacDay {
    std::int64_t jdn = 0;
    std::int64_t correlation = DefaultCorrelation;
    std::int64_t dayCount = 0;
    CivilDate gregorian;
    CivilDate julian;
    LongCountPlaces longCount;
    TzolkinDay tzolkin;
    HaabDay haab;
    int lordOfTheNight = 9; // G1 to G9; G9 rules the start day
};

TzolkinDay TzolkinOf(std::int64_t dayCount);
HaabDay HaabOf(std::int64_t dayCount);
int LordOfTheNightOf(std::int64_t dayCount);
LongCountPlaces LongCountOf(std::int64_t dayCount);

// Every value for a day number in MinJdn..MaxJdn.
AlmanacDay ComputeAlmanac(std::int64_t jdn, std::int64_t correlation);

// "b.k.t.u.k" while the count is below 20 baktuns, else "p.b.k.t.u.k"; a
// leading "-" for counts before the start day.
std::string LongCountText(const LongCountPlaces& places);
std::string TzolkinText(const TzolkinDay& day); // "4 Ahau"
std::string HaabText(const HaabDay& day);       // "8 Cumku"
// "August 11, 3114 B.C." (years before 1 counted as B.C., 1 B.C. being year 0)
std::string CivilDateText(const CivilDate& date);
// "-3113-08-11": astronomical year, two-digit month and day.
std::string IsoDateText(const CivilDate& date);

// Reads "b.k.t.u.k" or "p.b.k.t.u.k" (blanks around allowed, a leading "-"
// counts back) into a day count; on failure, error names the bad place.
std::optional<std::int64_t> ParseLongCount(std::string_view text, std::string& error);

// A name in the program's spelling or a common modern one, any letter case,
// apostrophes optional. Returns the 1-based index or 0.
int FindTzolkinSign(std::string_view name);
int FindHaabMonth(std::string_view name);

// What the search looks for: a Tzolkin day, a Haab day, or both.
struct CalendarRoundQuery {
    std::optional<TzolkinDay> tzolkin;
    std::optional<HaabDay> haab;
};

// Reads "4 Ahau", "8 Cumku" or "4 Ahau 8 Cumku" (modern spellings too).
std::optional<CalendarRoundQuery> ParseCalendarRound(std::string_view text, std::string& error);

// Empty when some day has the asked values, else why none has.
std::string WhyNoDay(const CalendarRoundQuery& query);

// The first day count strictly after (or before) fromDayCount with the asked
// values, found in constant time. The query must be possible (WhyNoDay empty).
std::int64_t NextDayCount(const CalendarRoundQuery& query, std::int64_t fromDayCount);
std::int64_t PreviousDayCount(const CalendarRoundQuery& query, std::int64_t fromDayCount);

// The day that the calculator's readings count for its field texts (their
// own formula, which also takes days beyond a month's end); empty when the
// readings cannot be computed.
std::optional<std::int64_t> ReadingDayNumber(std::string_view month, std::string_view day,
                                             std::string_view year, std::int32_t eraIndex);

// The calculator's fields for a day: its Gregorian date with the year as the
// Year field shows it (1 to 99999) and the era index (0 A.D., 1 B.C.). Empty
// when that year does not fit the field.
struct FieldDate {
    int month = 1;
    int day = 1;
    std::int32_t year = 1;
    std::int32_t eraIndex = 0;
};
inline constexpr std::int32_t MaxFieldYear = 99999;
std::optional<FieldDate> FieldDateOf(std::int64_t jdn);

// Reads "MONTH DAY YEAR [ERA]" or "MONTH/DAY/YEAR [ERA]" (ERA A.D., B.C., AD,
// BC in any case; 1 B.C. is year 0) as a date of the calendar.
std::optional<std::int64_t> ParseDateText(std::string_view text, Calendar calendar,
                                          std::string& error);

} // namespace zentolk
