#pragma once

#include "FixedText.h"
#include "Language.h"
#include "ReadingDay.h"

#include <array>
#include <cstddef>
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

// The ten readings, named after the window fields that show them, in the
// order the window and the table output list them.
enum class ReadingField : std::uint8_t {
    GreatCycle,
    KinDays,
    KinLbl1, // the elapsed share
    KinLeft,
    KinLbl2, // the remaining share
    Harmonic,
    jMayan, // the Long Count within the cycle
    LongC,  // the historical Long Count
    Tzolkin,
    WeekD,
};
inline constexpr std::size_t ReadingFieldCount = 10;

inline constexpr std::array<ReadingField, ReadingFieldCount> AllReadingFields{
    ReadingField::GreatCycle, ReadingField::KinDays,  ReadingField::KinLbl1, ReadingField::KinLeft,
    ReadingField::KinLbl2,    ReadingField::Harmonic, ReadingField::jMayan,  ReadingField::LongC,
    ReadingField::Tzolkin,    ReadingField::WeekD,
};

// The fields' names as the window's controls carry them.
inline constexpr std::array<std::string_view, ReadingFieldCount> ReadingFieldNames{
    "GreatCycle", "KinDays", "KinLbl1", "KinLeft", "KinLbl2",
    "Harmonic",   "jMayan",  "LongC",   "Tzolkin", "WeekD",
};

// The ten texts of one reading, indexed by field: std::string for callers that
// keep them, FixedText for bulk conversion without the heap, std::string_view
// over texts held elsewhere.
template <typename Text> struct Readings {
    std::array<Text, ReadingFieldCount> texts{};

    Text& operator[](ReadingField field) { return texts[static_cast<std::size_t>(field)]; }
    const Text& operator[](ReadingField field) const {
        return texts[static_cast<std::size_t>(field)];
    }
    bool operator==(const Readings&) const = default;
};

inline std::string_view ViewOf(const std::string& text) {
    return text;
}
inline std::string_view ViewOf(const FixedText& text) {
    return text.view();
}

template <typename Text> Readings<std::string_view> ViewsOf(const Readings<Text>& readings) {
    Readings<std::string_view> views;
    for (std::size_t i = 0; i < ReadingFieldCount; ++i)
        views.texts[i] = ViewOf(readings.texts[i]);
    return views;
}

using CalendarReading = Readings<std::string>;

// Either the ten texts or, for a date that cannot be read, the message the
// user is shown. Built in place: the window pays for it on every keystroke.
struct ReadingResult {
    CalendarReading Reading; // all empty on failure
    std::string Error;       // empty on success; never empty on failure

    bool ok() const { return Error.empty(); }
};

// The caller gives the decimal separator of the shares (the user's, as the
// platform reports it), and the language of the words and the message.
ReadingResult ComputeReading(const CalendarDate& date, char decimalSeparator,
                             Language language = Language::English);

// The same calculation without heap use, for callers that convert in bulk.
using ReadingTexts = Readings<FixedText>;

// Without the language, English: the tables' path, with no choice to make.
ReadingStatus ComputeReadingTexts(const DateTexts& date, char decimalSeparator, ReadingTexts& out);
ReadingStatus ComputeReadingTexts(const DateTexts& date, char decimalSeparator, ReadingTexts& out,
                                  Language language);

// The ten texts of a day that has been formed already.
void WriteReadingTexts(const ReadingDay& day, char decimalSeparator, ReadingTexts& out);
void WriteReadingTexts(const ReadingDay& day, char decimalSeparator, ReadingTexts& out,
                       Language language);

} // namespace zentolk
