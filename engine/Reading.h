#pragma once

#include "FixedText.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zentolk {

// The engine's input: the three field texts exactly as shown and the era
// index (0 = "A.D.", 1 = "B.C.", anything else counts as "A.D.").
struct CalendarDate {
    std::string Month;
    std::string Day;
    std::string Year;
    std::int32_t ADBC = 0;
};

// The ten display texts, named after the window fields that show them.
struct CalendarReading {
    std::string GreatCycle;
    std::string KinDays;
    std::string KinLbl1;
    std::string KinLeft;
    std::string KinLbl2;
    std::string Harmonic;
    std::string jMayan;
    std::string LongC;
    std::string Tzolkin;
    std::string WeekD;

    bool operator==(const CalendarReading&) const = default;
};

// Either the ten texts or, for a date that cannot be read, the message the
// user is shown. Built in place: the window pays for it on every keystroke.
struct ReadingResult {
    CalendarReading Reading; // all empty on failure
    std::string Error;       // empty on success; never empty on failure

    bool ok() const { return Error.empty(); }
};

// The caller gives the decimal separator of the shares (the user's, as the
// platform reports it).
ReadingResult ComputeReading(const CalendarDate& date, char decimalSeparator);

// The same calculation without heap use, for callers that convert in bulk.
struct DateTexts {
    std::string_view Month;
    std::string_view Day;
    std::string_view Year;
    std::int32_t ADBC = 0;
};

struct ReadingTexts {
    FixedText GreatCycle;
    FixedText KinDays;
    FixedText KinLbl1;
    FixedText KinLeft;
    FixedText KinLbl2;
    FixedText Harmonic;
    FixedText jMayan;
    FixedText LongC;
    FixedText Tzolkin;
    FixedText WeekD;
};

enum class ReadingStatus {
    Ok,
    BadMonth,   // the month text is no integer
    BadDay,     // the day text is no integer
    BadYear,    // the year text is no integer
    OutOfRange, // the arithmetic would leave the signed 32-bit range
};

ReadingStatus ComputeReadingTexts(const DateTexts& date, char decimalSeparator, ReadingTexts& out);

// The message for a failed status: "'text' is not a valid integer value"
// naming the bad text, or the range message naming the parsed date.
std::string ReadingErrorMessage(ReadingStatus status, const DateTexts& date);

} // namespace zentolk
