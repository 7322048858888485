#pragma once

#include "Arithmetic.h"
#include "CalendarRound.h"
#include "DayCycles.h"
#include "Epigraphy.h"
#include "LongCount.h"
#include "Names.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentolk {

// The periods whose endings monuments celebrate, smallest first: the tun,
// the hotun (5 tuns), the lahuntun (10 tuns, half a katun), the katun and
// the baktun.
enum class Period { Tun, Hotun, Lahuntun, Katun, Baktun };
inline constexpr std::array<Period, 5> AllPeriods = {Period::Tun, Period::Hotun, Period::Lahuntun,
                                                     Period::Katun, Period::Baktun};

constexpr std::int64_t PeriodDays(Period period) {
    switch (period) {
    case Period::Hotun:
        return 5 * TunDays;
    case Period::Lahuntun:
        return 10 * TunDays;
    case Period::Katun:
        return KatunDays;
    case Period::Baktun:
        return BaktunDays;
    case Period::Tun:
        break;
    }
    return TunDays;
}

// Every period divides an era, so a day ends a period in its own era's count
// exactly when its day count is a multiple: one test serves every era. Every
// ending is an Ahau day, since 20 divides a tun.
static_assert(EraDays % BaktunDays == 0 && TunDays % TzolkinSigns == 0);
constexpr bool EndsPeriod(std::int64_t dayCount, Period period) {
    return Remainder(dayCount, PeriodDays(period)) == 0;
}
// The largest period the day ends, if any.
std::optional<Period> LargestPeriodEnded(std::int64_t dayCount);

// "katun" ("k'atun" in the modern spelling); plural adds "s".
std::string_view PeriodName(Period period, Spelling spelling = Spelling::Colonial);
// Either spelling, any letter case, apostrophes optional ("bak'tun", "Katun").
std::optional<Period> ParsePeriod(std::string_view name);
// "baktun, katun, lahuntun, hotun or tun", for messages and help.
std::string PeriodChoicesText(Language language = Language::English);

// The katun a day lies in runs from the day after one katun ending to the
// next ending, which names it by its Ahau day ("katun 8 Ahau"); an ending
// day lies in the katun it ends. The day count of that ending:
constexpr std::int64_t KatunEndOf(std::int64_t dayCount) {
    return -FloorDiv<std::int64_t>(-dayCount, KatunDays) * KatunDays;
}
// The number of the Ahau day a period ends on, 1 to 13.
constexpr int AjawNumberOf(std::int64_t endingDayCount) {
    return TzolkinOf(endingDayCount).number;
}

// "13 Ahau": the day a period ends on, by its number.
std::string AjawDayText(int number, Spelling spelling = Spelling::Colonial);

// The largest period a day ends, a katun with its Ahau day: "tun",
// "katun 8 Ahau", "baktun, katun 8 Ahau"; empty for a day that ends none.
std::string PeriodEndingText(std::int64_t dayCount, Spelling spelling = Spelling::Colonial);
// "8 Ahau, ending 9.13.0.0.0 8 Ahau 8 Uo (in 1,289 days)", the ending as
// its era writes it.
std::string KatunText(std::int64_t dayCount, Spelling spelling = Spelling::Colonial,
                      Language language = Language::English);

// For a day beyond the civil years: a day count with its deep count's place
// in every period and in every cycle of the almanac, so that the readings
// above answer for it too.
std::int64_t PeriodDayOf(WideCount count);
// KatunText of a deep count, its ending written as its own era writes it.
std::string WideKatunText(WideCount count, Spelling spelling = Spelling::Colonial,
                          Language language = Language::English);

// Every ending of a period from..to (both included), on the Ahau day
// numbered `ajaw` (1 to 13) when given: the first `limit` days and how many there are,
// counted by steps of the period, never day by day.
MatchResult PeriodEndings(Period period, std::optional<int> ajaw, std::int64_t from,
                          std::int64_t to, std::int64_t limit);

// What places a Calendar Round written without its Long Count: the katun
// it lies in, by its Ahau number (1 to 13), and the period it ends.
struct PlaceClues {
    std::optional<int> katunAjaw;
    std::optional<Period> periodEnding;
};
// Every day from..to carrying the round (or the Tzolkin or Haab day alone)
// that fits the clues. The round must be possible (WhyNoDay empty).
MatchResult PlaceRound(const CalendarRoundQuery& round, const PlaceClues& clues, std::int64_t from,
                       std::int64_t to, std::int64_t limit);

// A period with the number of the Ahau day its endings fall on, if given:
// "katun", "katun 13", "k'atun 13 Ajaw".
struct PeriodQuery {
    Period period = Period::Katun;
    std::optional<int> ajaw;
};
std::optional<PeriodQuery> ParsePeriodQuery(std::string_view text, std::string& error,
                                            Language language = Language::English);

// A Calendar Round as a short-form date is written, with its clues after it:
// "katun N" ("in katun 13 Ahau") for the katun it lies in, a period's name
// for the period it ends ("3 Ahau 3 Mol tun", "ending the tun").
struct ShortFormDate {
    CalendarRoundQuery round;
    PlaceClues clues;
};
// Empty with the reason when it cannot be read or no day has the round.
std::optional<ShortFormDate> ParseShortFormDate(std::string_view text, std::string& error,
                                                Spelling spelling = Spelling::Colonial,
                                                Language language = Language::English);

// A span anniversaries are counted in: a period, or a number of days
// ("365", or a distance number such as "1.0.0").
struct Interval {
    std::int64_t days = 0;
    std::optional<Period> period;
};
std::optional<Interval> ParseInterval(std::string_view text, std::string& error,
                                      Language language = Language::English);
// "1 katun", "2 katuns", "730 days" ("2 katunes", "730 días").
std::string IntervalText(std::int64_t times, const Interval& every,
                         Spelling spelling = Spelling::Colonial,
                         Language language = Language::English);

} // namespace zentolk
