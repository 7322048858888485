#pragma once

#include "Reading.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace zentolk {

// The numbers behind the readings, for callers that want values rather than
// display texts. They are the very numbers the texts are made from.
struct ReadingNumbers {
    std::int32_t month = 0, day = 0, year = 0; // as entered
    std::int32_t astronomicalYear = 0;
    std::int32_t dayNumber = 0;  // the readings' day number (see DayNumber)
    std::int32_t dayCount = 0;   // days since the start day
    std::int32_t cycleCount = 0; // days elapsed in the Great Cycle
    float elapsedShare = 0;      // percent
    float remainingShare = 0;    // percent
    int tzolkinNumber = 1;       // 1 to 13
    int tzolkinSign = 1;         // 1 (Imix) to 20 (Ahau)
    int weekDay = 0;             // 0 (Sunday) to 6
};

// The same statuses as ComputeReadingTexts, for the same input.
ReadingStatus ComputeReadingNumbers(const DateTexts& date, ReadingNumbers& out);

// Why a parsed date lies outside its calendar (month 13, 31 February), or
// nothing for a real date of the proleptic Gregorian calendar.
std::optional<std::string> CalendarRangeProblem(const ReadingNumbers& date, std::int32_t eraIndex);

// The same reason written into `out`, which has room for
// CalendarRangeProblemMax bytes, without the heap; its length, or 0 for a
// real date.
inline constexpr std::size_t CalendarRangeProblemMax = 96;
std::size_t WriteCalendarRangeProblem(const ReadingNumbers& date, std::int32_t eraIndex, char* out);

} // namespace zentolk
