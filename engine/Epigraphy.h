#pragma once

#include "CalendarRound.h"
#include "DayCycles.h"
#include "GreatCycle.h"
#include "LongCount.h"
#include "Names.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentolk {

// What inscriptions need beyond a day's almanac: distance numbers, full dates
// checked against their Calendar Round, damaged dates matched, all in day
// counts since the start day.

// The length of the Great Cycle, and so of an era: 13 baktuns.
inline constexpr std::int64_t EraDays = CycleLength;

// A distance number is written as a Long Count is, largest place first, its
// last place the kins: "2.4.0" is 800 days. One to fourteen places (above the
// baktun: pictun, calabtun, ..., 20 each), each within its usual range; on
// failure, error names the place.
std::optional<std::int64_t> ParseDistanceNumber(std::string_view text, std::string& error,
                                                Language language = Language::English);

// "0.0.2.4.0"; "-" before a negative one; six places from 20 baktuns on.
std::string DistanceNumberText(std::int64_t days);
// As inscriptions write it: no leading zero places ("2.4.0", "15", "0").
std::string InscribedDistanceText(std::int64_t days);

// A day's Long Count as its era writes it (InscribedOf): "12.19.13.4.0".
std::string InscribedText(std::int64_t dayCount);
// How an era is named beside its counts: nothing for this era, "era
// before", "2 eras before", ...
std::string EraName(std::int64_t era, Language language = Language::English);
// The Long Count with its era where a reader could take it for this era's:
// "12.19.13.4.0 (era before)", "9.12.11.5.18".
std::string InscribedDayText(std::int64_t dayCount, Language language = Language::English);

// Deep time: Long Counts with places above the baktun (pictun, calabtun,
// kinchiltun, alautun and on, 20 each), as many as Coba Stela 1 writes and
// more, counted exactly in 128 bits.
__extension__ typedef __int128 WideCount;
// Seven places or more, largest first, each 0 to 19 but the uinal (0 to 17);
// a leading "-" counts back. Empty, with the reason, otherwise.
std::optional<WideCount> ParseWideLongCount(std::string_view text, std::string& error,
                                            Language language = Language::English);
// Every place from the largest that is not 0, at least five.
std::string WideLongCountText(WideCount count);
// A day count with the same place in every cycle the almanac shows
// (Tzolkin, Haab, Lord of the Night, 819-day count), in 0..1,195,739.
std::int64_t CycleDayOf(WideCount count);
// Whether text's first word is a Long Count of seven places or more.
bool IsWideLongCountText(std::string_view text);
// The day count of a wide count where 64 bits hold it with room for the
// cycles' own arithmetic; empty beyond.
std::optional<std::int64_t> NarrowDayCount(WideCount count);
// The places of a wide count's magnitude, as LongCountOf gives a day's: the
// baktuns with and without those of its pictuns, then katun to kin.
struct WideLongCountPlaces {
    bool negative = false;
    WideCount pictuns = 0, baktuns = 0;
    LongCountPlaces belowPictun;
};
WideLongCountPlaces WideLongCountOf(WideCount count);
// A wide count in decimal digits, "-" before a negative one.
std::string WideNumberText(WideCount value);
// The era a wide day count lies in, and its count there, as InscribedOf.
struct WideInscribed {
    WideCount era = 0;
    WideCount count = 0;
};
WideInscribed WideInscribedOf(WideCount dayCount);
// As InscribedDayText, for a day of any count: this era's in all the places
// of 20 it has, an earlier era's in its five with the era named.
std::string WideInscribedDayText(WideCount dayCount, Language language = Language::English);

// A distance number of up to as many places as a wide count has, and chains
// of them, counted exactly; otherwise as ParseDistanceNumber and
// ApplyDistances.
std::optional<WideCount> ParseWideDistanceNumber(std::string_view text, std::string& error,
                                                 Language language = Language::English);
std::optional<WideCount> ApplyWideDistances(WideCount dayCount, std::string_view chain,
                                            std::string& error,
                                            Language language = Language::English);
// As InscribedDistanceText, for any wide count of days.
std::string InscribedWideDistanceText(WideCount days);

// A Long Count of any length with its Calendar Round if given, checked as
// ReadLongCountDate checks one (a round fitting only 13 baktuns earlier is
// read there, with a note); a deep count beyond 64 bits keeps its cycles.
struct WideLongCountDate {
    WideCount dayCount = 0;
    std::string note;
};
std::optional<WideLongCountDate> ReadWideLongCountDate(std::string_view text, std::string& error,
                                                       Spelling spelling = Spelling::Colonial,
                                                       Language language = Language::English);

// Where the distance numbers after a date begin: the first "+" or "-" after
// the text's first character, or npos when there is none.
std::size_t DistanceChainStart(std::string_view text);
bool HasDistanceChain(std::string_view text);

// Adds " + DN - DN ..." to a day count.
std::optional<std::int64_t> ApplyDistances(std::int64_t dayCount, std::string_view chain,
                                           std::string& error,
                                           Language language = Language::English);

// Takes an era name as EraName writes it, with or without its brackets,
// off the front of text: -1 for "(era before)" or "(era anterior)", -2 for
// "2 eras before" or "2 eras antes", 0 (text unchanged) for none.
std::int64_t TakeEraName(std::string_view& text);

// A Long Count as ParseLongCount reads it, or as its era writes it followed
// by the era's name ("12.19.13.4.0 (era before)"), whose places then count
// from that era's 0.0.0.0.0 up to its end, 13.0.0.0.0.
std::optional<std::int64_t> ParseInscribedLongCount(std::string_view text, std::string& error,
                                                    Language language = Language::English);

// A Long Count with a Tzolkin day, a Haab day or both ("9.12.11.5.18 6 Etznab
// 11 Yax"), the Long Count's era named if it is not this one.
struct FullDate {
    std::int64_t dayCount = 0;
    CalendarRoundQuery round;
    bool eraNamed = false;
};
// Empty with no error when the text is a Long Count alone.
std::optional<FullDate> ParseFullDate(std::string_view text, std::string& error,
                                      Spelling spelling = Spelling::Colonial,
                                      Language language = Language::English);

bool FitsRound(const CalendarRoundQuery& round, std::int64_t dayCount);

struct FullDateCheck {
    bool fits = false;
    // Fits only 1,872,000 days earlier, in the era before; dayCount is there.
    bool previousEra = false;
    std::int64_t dayCount = 0;
    std::string note;    // on a previous-era reading
    std::string problem; // on a mismatch: the part that disagrees
    // On a mismatch: the given Long Count's own Calendar Round, and every Long
    // Count differing from it in one place (baktun to kin, any value of the
    // place) that fits the given Tzolkin and Haab days, nearest first.
    std::string calendarRound;
    std::vector<std::int64_t> suggestions;
};
// The parts of a given Tzolkin and Haab day that differ from the day's own,
// each with the day's value: "the Tzolkin number 6 (the Long Count gives 9)
// and the month Yax (it gives Ceh)"; empty when none differs.
std::string DifferingParts(const CalendarRoundQuery& given, std::int64_t dayCount,
                           Spelling spelling = Spelling::Colonial,
                           Language language = Language::English);

// A date that fits neither era is no previous-era reading; without
// tryPreviousEra only the given day counts.
FullDateCheck CheckFullDate(const FullDate& date, Spelling spelling = Spelling::Colonial,
                            bool tryPreviousEra = true, Language language = Language::English);

// Whether a day's text is a Long Count rather than a date: its first word
// has a dot ("9.12.11.5.18", "9.12.11.5.18 6 Etznab"), which none of a
// date's words (MONTH DAY YEAR [ERA]) has. Every command and page that takes
// either decides by this.
bool IsLongCountText(std::string_view text);

// A Long Count alone, or with its Tzolkin day, Haab day or both, checked as
// CheckFullDate checks them; one that fits only the era before is read there
// and the note says so.
struct LongCountDate {
    std::int64_t dayCount = 0;
    std::string note;
};
std::optional<LongCountDate> ReadLongCountDate(std::string_view text, std::string& error,
                                               Spelling spelling = Spelling::Colonial,
                                               Language language = Language::English);

// Two notes as one, either of them empty.
std::string JoinedNotes(const std::string& first, const std::string& second);

// A damaged date: a Long Count whose places may be unknown (5 places, any of
// them "*"), then Tzolkin number and name and Haab day and month, each of
// which may be "*". The Long Count may be left out.
struct DatePattern {
    bool hasLongCount = false;    // false: any day, before the start day too
    std::optional<int> places[5]; // baktun to kin
    // Places above the baktun, written before the five, as pictuns: this
    // era's days of that pictun alone (0, as for five places: earlier eras'
    // too); empty where one of them is *, any pictun.
    std::optional<WideCount> pictuns = 0;
    std::optional<int> tzolkinNumber, tzolkinSign, haabDay, haabMonth;
};
std::optional<DatePattern> ParseDatePattern(std::string_view text, std::string& error,
                                            Spelling spelling = Spelling::Colonial,
                                            Language language = Language::English);

struct MatchResult {
    std::vector<std::int64_t> days; // the first `limit`, in order
    std::int64_t total = 0;         // all that match
};
// The days from..to (both included) that fit, found by stepping through the
// pattern's fixed cycles rather than day by day.
MatchResult MatchPattern(const DatePattern& pattern, std::int64_t from, std::int64_t to,
                         std::int64_t limit);

// The 819-day station on or before a day: "9.12.9.5.5  1 Chicchan 8 Yax
// (733 days before)", its Long Count as inscribed.
std::string Station819Text(std::int64_t dayCount, Spelling spelling = Spelling::Colonial,
                           Language language = Language::English);

// The quarter of the world and its colour of the 819-day station on or
// before a day: "east, red".
std::string Station819QuarterText(std::int64_t dayCount, Language language = Language::English);
inline constexpr std::string_view Station819QuarterSource =
    "H. Berlin and D. H. Kelley, The 819-day Count and Color-Direction Symbolism among the "
    "Classic Maya (MARI Publ. 26, 1961); the day signs' quarters and colours as Landa gives "
    "them for the year bearers (Relacion, ch. XXXIV)";

// The patron in the introductory glyph of an Initial Series on a day: that
// of its Haab month, named where the source names it: "patron of Yax, the
// planet Venus", "patron of Pop".
std::string IntroductoryPatronText(std::int64_t dayCount, Spelling spelling = Spelling::Colonial,
                                   Language language = Language::English);
inline constexpr std::string_view IntroductoryPatronSource =
    "J. E. S. Thompson, Maya Hieroglyphic Writing (1950), p. 153";

// The year bearer of a day's year with its system: "10 Manik (classic)".
std::string YearBearerText(std::int64_t dayCount, YearBearerSystem system,
                           Spelling spelling = Spelling::Colonial,
                           Language language = Language::English);

std::optional<YearBearerSystem> ParseYearBearerSystem(std::string_view name);
std::string_view YearBearerSystemName(YearBearerSystem system);

std::optional<Spelling> ParseSpelling(std::string_view name);

} // namespace zentolk
