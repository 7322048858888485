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

// One body a language, chosen once: the English one, which the tables call,
// is then the code it was before there were others.
template <Language L>
void writeReadingTexts(const ReadingDay& day, char decimalSeparator, ReadingTexts& out) {
    WriteReadings(
        day, decimalSeparator,
        [&out](ReadingField field) {
            out[field].clear();
            return out[field].end();
        },
        [&out](ReadingField field, const char* end) { out[field].setEnd(end); }, L);
}

template <Language L>
ReadingStatus computeReadingTexts(const DateTexts& date, char decimalSeparator, ReadingTexts& out) {
    FieldValues values;
    ReadingDay day;
    const ReadingStatus status = ReadingDayFromTexts(date, values, day);
    if (status == ReadingStatus::Ok)
        writeReadingTexts<L>(day, decimalSeparator, out);
    return status;
}
} // namespace

void WriteReadingTexts(const ReadingDay& day, char decimalSeparator, ReadingTexts& out) {
    writeReadingTexts<Language::English>(day, decimalSeparator, out);
}
void WriteReadingTexts(const ReadingDay& day, char decimalSeparator, ReadingTexts& out,
                       Language language) {
    if (language == Language::Spanish)
        return writeReadingTexts<Language::Spanish>(day, decimalSeparator, out);
    writeReadingTexts<Language::English>(day, decimalSeparator, out);
}

ReadingStatus ComputeReadingTexts(const DateTexts& date, char decimalSeparator, ReadingTexts& out) {
    return computeReadingTexts<Language::English>(date, decimalSeparator, out);
}
ReadingStatus ComputeReadingTexts(const DateTexts& date, char decimalSeparator, ReadingTexts& out,
                                  Language language) {
    if (language == Language::Spanish)
        return computeReadingTexts<Language::Spanish>(date, decimalSeparator, out);
    return computeReadingTexts<Language::English>(date, decimalSeparator, out);
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
