#include "Reading.h"

#include "DayNames.h"
#include "DayNumber.h"
#include "GreatCycle.h"
#include "LongCount.h"
#include "NumberText.h"

#include <utility>

namespace zentolk {

namespace {
struct ParsedDate {
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t year = 0;
};

ReadingStatus parseDate(const DateTexts& date, ParsedDate& parsed) {
    if (!ParseInteger(date.Month, parsed.month))
        return ReadingStatus::BadMonth;
    if (!ParseInteger(date.Day, parsed.day))
        return ReadingStatus::BadDay;
    if (!ParseInteger(date.Year, parsed.year))
        return ReadingStatus::BadYear;
    return ReadingStatus::Ok;
}

void appendShare(FixedText& out, float share, char decimalSeparator) {
    AppendFiveDecimals(out, share, decimalSeparator);
    out.append('%');
}

// Built in place: assigning the texts one by one costs the window's keystroke
// path about 80 ns more.
template <std::size_t... I>
CalendarReading toStrings(const ReadingTexts& texts, std::index_sequence<I...>) {
    return {{texts.texts[I].str()...}};
}

std::string quoted(std::string_view text) {
    std::string message = "'";
    message += text;
    message += "' is not a valid integer value";
    return message;
}
} // namespace

ReadingStatus ComputeReadingTexts(const DateTexts& date, char decimalSeparator, ReadingTexts& out) {
    ParsedDate parsed;
    if (const ReadingStatus status = parseDate(date, parsed); status != ReadingStatus::Ok)
        return status;
    const std::optional<std::int32_t> year = AstronomicalYear(parsed.year, date.ADBC);
    if (!year)
        return ReadingStatus::OutOfRange;
    const std::optional<std::int32_t> dayNumber = DayNumber(parsed.month, parsed.day, *year);
    std::int32_t dayCount;
    if (!dayNumber || __builtin_sub_overflow(*dayNumber, StartDay, &dayCount))
        return ReadingStatus::OutOfRange;
    const std::int32_t j = *dayNumber;

    for (FixedText& text : out.texts)
        text.clear();
    using enum ReadingField;
    AppendTzolkin(out[Tzolkin], j);
    AppendWeekDay(out[WeekD], j);

    const std::int32_t k = CycleCount(dayCount, *year);
    AppendCycleLabel(out[GreatCycle], dayCount);
    out[KinDays].appendGrouped(static_cast<std::uint32_t>(k));
    const float elapsed = ElapsedShare(k);
    appendShare(out[KinLbl1], elapsed, decimalSeparator);
    out[KinLeft].appendGrouped(static_cast<std::uint32_t>(CycleLength - k));
    appendShare(out[KinLbl2], RemainingShare(elapsed), decimalSeparator);
    AppendHarmonic(out[Harmonic], k);

    AppendCycleLongCount(out[jMayan], k);
    AppendHistoricalLongCount(out[LongC], dayCount, k);
    return ReadingStatus::Ok;
}

std::string ReadingErrorMessage(ReadingStatus status, const DateTexts& date) {
    switch (status) {
    case ReadingStatus::BadMonth:
        return quoted(date.Month);
    case ReadingStatus::BadDay:
        return quoted(date.Day);
    case ReadingStatus::BadYear:
        return quoted(date.Year);
    case ReadingStatus::OutOfRange: {
        ParsedDate parsed;
        parseDate(date, parsed);
        return "Month " + std::to_string(parsed.month) + ", day " + std::to_string(parsed.day) +
               ", year " + std::to_string(parsed.year) +
               (date.ADBC == EraIndexBC ? " B.C." : " A.D.") +
               " lies outside the range that can be computed";
    }
    case ReadingStatus::Ok:
        break;
    }
    return {};
}

ReadingResult ComputeReading(const CalendarDate& date, char decimalSeparator) {
    const DateTexts texts{date.Month, date.Day, date.Year, date.ADBC};
    ReadingTexts out;
    const ReadingStatus status = ComputeReadingTexts(texts, decimalSeparator, out);
    if (status != ReadingStatus::Ok)
        return {{}, ReadingErrorMessage(status, texts)};
    return {toStrings(out, std::make_index_sequence<ReadingFieldCount>{}), {}};
}

} // namespace zentolk
