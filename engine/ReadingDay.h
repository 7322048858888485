#pragma once

#include "CivilCalendar.h"
#include "DayNumber.h"
#include "GreatCycle.h"
#include "Language.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zentolk {

// The day the calculator's readings are made from, formed from its fields by
// the day-number formula (which also takes days beyond a month's end).
struct ReadingDay {
    std::int32_t astronomicalYear = 0;
    std::int32_t dayNumber = 0;  // J
    std::int32_t dayCount = 0;   // J - StartDay
    std::int32_t cycleCount = 0; // days elapsed in the Great Cycle, 0 to CycleLength
};

namespace detail {
template <typename Arith>
[[gnu::always_inline]] inline ReadingDay readingDay(std::int32_t month, std::int32_t day,
                                                    std::int32_t astronomicalYear, Arith& c) {
    ReadingDay r;
    r.astronomicalYear = astronomicalYear;
    r.dayNumber = DayNumberFormula(month, day, astronomicalYear, c);
    r.dayCount = c.sub(r.dayNumber, StartDay);
    r.cycleCount = CycleCount(r.dayCount, astronomicalYear);
    return r;
}
} // namespace detail

// Any 32-bit field values; empty when a step of the arithmetic would leave
// the signed 32-bit range.
inline std::optional<ReadingDay> ReadingDayOf(std::int32_t month, std::int32_t day,
                                              std::int32_t year, std::int32_t eraIndex) {
    const std::optional<std::int32_t> astronomical = AstronomicalYear(year, eraIndex);
    if (!astronomical)
        return std::nullopt;
    Checked32 c;
    const ReadingDay r = detail::readingDay(month, day, *astronomical, c);
    if (c.overflow)
        return std::nullopt;
    return r;
}

// Fields within PlainFieldLimit either way keep every step inside 32 bits:
// the same day without the checks, for tables of millions of lines.
inline constexpr std::int32_t PlainFieldLimit = 1'000'000;

[[gnu::always_inline]] inline ReadingDay ReadingDayOfPlainFields(std::int32_t month,
                                                                 std::int32_t day,
                                                                 std::int32_t year,
                                                                 std::int32_t eraIndex) {
    Plain32 c;
    return detail::readingDay(month, day, eraIndex == EraIndexBC ? 1 - year : year, c);
}

// The true day number of a reading's day whose month and day exist in its
// year (DateExists); empty outside MinJdn..MaxJdn. From 1 March 4801 B.C.
// on every division of the formula has a dividend of at least 0, so it
// truncates as a floor would and the readings' day is the true one.
inline std::optional<std::int64_t> ExactDayNumberOfRealDate(const ReadingDay& day, int month,
                                                            int dayOfMonth) {
    const std::int64_t jdn =
        day.astronomicalYear >= -4799
            ? day.dayNumber
            : CivilDayNumber(Calendar::Gregorian, day.astronomicalYear, month, dayOfMonth);
    if (jdn < MinJdn || jdn > MaxJdn)
        return std::nullopt;
    return jdn;
}

// The readings' day moved to the true day of its date (from
// ExactDayNumberOfRealDate), for readings of the day the date names.
inline ReadingDay ExactReadingDay(const ReadingDay& day, std::int64_t exactJdn) {
    ReadingDay r = day;
    r.dayNumber = static_cast<std::int32_t>(exactJdn);
    r.dayCount = r.dayNumber - StartDay;
    r.cycleCount = CycleCount(r.dayCount, r.astronomicalYear);
    return r;
}

// The three field texts exactly as shown and the era index (0 = "A.D.",
// 1 = "B.C.", anything else counts as "A.D.").
struct DateTexts {
    std::string_view Month;
    std::string_view Day;
    std::string_view Year;
    std::int32_t ADBC = 0;
};

enum class ReadingStatus {
    Ok,
    BadMonth,   // the month text is no integer
    BadDay,     // the day text is no integer
    BadYear,    // the year text is no integer
    OutOfRange, // the arithmetic would leave the signed 32-bit range
};

// The fields' values as parsed, in the order Month, Day, Year.
struct FieldValues {
    std::int32_t month = 0, day = 0, year = 0;
};

// The one way from the field texts to the readings' day: parse the three
// texts, apply the era, form the day. `values` holds what was parsed.
ReadingStatus ReadingDayFromTexts(const DateTexts& date, FieldValues& values, ReadingDay& day);

// The message for a failed status: "'text' is not a valid integer value"
// naming the bad text, or the range message naming the parsed date.
std::string ReadingErrorMessage(ReadingStatus status, const DateTexts& date,
                                Language language = Language::English);

// The frame of the message for a text that is no integer: it is written
// InvalidIntegerOpen, the text, InvalidIntegerClose.
inline constexpr std::string_view InvalidIntegerOpen = "'";
inline constexpr std::string_view InvalidIntegerClose = "' is not a valid integer value";
std::string InvalidIntegerMessage(std::string_view text, Language language = Language::English);

// Why parsed fields name no date of the proleptic Gregorian calendar (month
// 13, 31 February), written into `out`, which has room for
// CalendarRangeProblemMax bytes, without the heap: its length, or 0 for a
// real date.
inline constexpr std::size_t CalendarRangeProblemMax = 96;
// Without the language, English: the tables' path, with no choice to make.
std::size_t WriteCalendarRangeProblem(const FieldValues& fields, std::int32_t astronomicalYear,
                                      std::int32_t eraIndex, char* out);
std::size_t WriteCalendarRangeProblem(const FieldValues& fields, std::int32_t astronomicalYear,
                                      std::int32_t eraIndex, char* out, Language language);
std::optional<std::string> CalendarRangeProblem(const FieldValues& fields,
                                                std::int32_t astronomicalYear,
                                                std::int32_t eraIndex,
                                                Language language = Language::English);

// "A.D." or "AD" (0), "B.C." or "BC" (1), in any letter case; and as Spanish
// writes them, "d. C." or "d. de C." (0), "a. C." or "a. de C." (1), also in
// any letter case and with or without the blanks after the dots.
std::optional<std::int32_t> ParseEraName(std::string_view text);

// An era name split over words, as a command line or a line of words splits
// "a. de C.": the era and how many of the words, from the first, it takes
// (one to three); nothing when they do not begin with one.
struct EraWords {
    std::int32_t era;
    std::size_t count;
};
std::optional<EraWords> ParseEraWords(std::span<const std::string_view> words);
// The era all the words name together, or nothing.
std::optional<std::int32_t> EraOfWords(std::span<const std::string_view> words);
// An era name, or an era index as a field's integer text.
std::optional<std::int32_t> ParseEra(std::string_view text);

// How a date's era is written after its year.
constexpr std::string_view EraText(std::int32_t eraIndex, Language language = Language::English) {
    if (language == Language::Spanish)
        return eraIndex == EraIndexBC ? "a. C." : "d. C.";
    return eraIndex == EraIndexBC ? "B.C." : "A.D.";
}

} // namespace zentolk
