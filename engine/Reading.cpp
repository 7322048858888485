#include "Reading.h"

#include "ReadingWriters.h"

#include <utility>

namespace zentolk {

namespace {
// Built in place: assigning the texts one by one costs the window's keystroke
// path about 80 ns more.
template <std::size_t... I>
CalendarReading toStrings(const ReadingTexts& texts, std::index_sequence<I...>) {
    return {{texts.texts[I].str()...}};
}
} // namespace

void WriteReadingTexts(const ReadingDay& day, char decimalSeparator, ReadingTexts& out,
                       Language language) {
    WriteReadings(
        day, decimalSeparator,
        [&out](ReadingField field) {
            out[field].clear();
            return out[field].end();
        },
        [&out](ReadingField field, const char* end) { out[field].setEnd(end); }, language);
}

ReadingStatus ComputeReadingTexts(const DateTexts& date, char decimalSeparator, ReadingTexts& out,
                                  Language language) {
    FieldValues values;
    ReadingDay day;
    const ReadingStatus status = ReadingDayFromTexts(date, values, day);
    if (status == ReadingStatus::Ok)
        WriteReadingTexts(day, decimalSeparator, out, language);
    return status;
}

ReadingResult ComputeReading(const CalendarDate& date, char decimalSeparator, Language language) {
    const DateTexts texts{date.Month, date.Day, date.Year, date.ADBC};
    ReadingTexts out;
    const ReadingStatus status = ComputeReadingTexts(texts, decimalSeparator, out, language);
    if (status != ReadingStatus::Ok)
        return {{}, ReadingErrorMessage(status, texts, language)};
    return {toStrings(out, std::make_index_sequence<ReadingFieldCount>{}), {}};
}

} // namespace zentolk
