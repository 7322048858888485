#include "cli/Table.h"

#include "cli/Json.h"
#include "cli/PlainLine.h"
#include "cli/RowReader.h"
#include "cli/TableColumns.h"
#include "engine/AlmanacInput.h"
#include "engine/CivilCalendar.h"
#include "engine/DayCycles.h"
#include "engine/GreatCycle.h"
#include "engine/LongCount.h"
#include "engine/Names.h"
#include "engine/Reading.h"
#include "engine/ReadingDay.h"
#include "engine/TextWriters.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

namespace zentolk::cli {

namespace {
// The csv and json rows' fields, written straight to the output: a field may
// be hundreds of megabytes, and is never gathered whole a second time.
class Output {
public:
    Output(FdWriter& out, TableFormat format) : out_(out), format_(format) {}

    // A text field: quoted where the format needs it.
    void text(std::string_view s) {
        if (format_ == TableFormat::Json) {
            WriteJsonString(s, [this](std::string_view piece) { raw(piece); });
            return;
        }
        WriteCsvField(s, [this](std::string_view piece) { raw(piece); });
    }
    void number(std::int64_t v) {
        char digits[24];
        raw({digits, static_cast<std::size_t>(std::to_chars(digits, digits + 24, v).ptr - digits)});
    }
    void raw(std::string_view s) { out_.write(s); }
    // What one of the engine's writers puts (at most 64 bytes).
    template <typename Put> void written(Put put) {
        char text[64 + WriteSlack];
        raw({text, static_cast<std::size_t>(put(text) - text)});
    }

private:
    FdWriter& out_;
    TableFormat format_;
};

class TableConverter final : public RowSink {
public:
    TableConverter(FdWriter& out, const TableOptions& options)
        : out_(out), options_(options),
          output_(out, options.format), plain_{options.input == TableInput::Csv ? ',' : '\t',
                                               options.format,
                                               options.strict,
                                               options.decimalSeparator,
                                               options.header,
                                               options.exact} {}

    void begin(std::span<const std::string> carriedNames,
               std::span<const std::string> allNames) override {
        carried_.begin(carriedNames, allNames);
        if (options_.format == TableFormat::Csv ||
            (options_.header && options_.format == TableFormat::Tsv)) {
            const bool csv = options_.format == TableFormat::Csv;
            carried_.putNames(csv, [this](std::string_view piece) { out_.write(piece); });
            out_.write(csv ? CsvHeader : TsvHeader);
            out_.write('\n');
        }
    }

    void carry(std::span<const std::string_view> carried,
               std::span<const std::string_view> all) override {
        carried_.carry(carried, all);
    }

    const char* convertPlain(const char* start, const char* end, long long& line) override {
        return options_.fast ? ConvertPlainLines(start, end, line, out_, plain_, failedAny_)
                             : start;
    }

    void convert(const std::array<std::string_view, 4>& fields, std::int32_t era,
                 long long) override {
        const DateTexts date{fields[0], fields[1], fields[2], era};
        writeCarried();
        if (options_.format == TableFormat::Tsv) {
            writeTsv(date, fields[3]);
            return;
        }
        if (options_.format == TableFormat::Json)
            writeRecord<TableFormat::Json>(date, fields[3]);
        else
            writeRecord<TableFormat::Csv>(date, fields[3]);
        out_.write('\n');
    }

    void reject(const std::array<std::string_view, 4>& fields, std::size_t count,
                std::string_view why) override {
        failedAny_ = true;
        std::array<std::string_view, 4> inputs{};
        std::copy_n(fields.begin(), count, inputs.begin());
        writeCarried();
        if (options_.format == TableFormat::Tsv) {
            for (const std::string_view field : inputs) {
                WriteTsvField(out_, field);
                out_.write('\t');
            }
            WriteTsvField(out_, why);
            endTsvError();
            return;
        }
        if (options_.format == TableFormat::Json)
            writeHead<TableFormat::Json>(inputs, std::nullopt, why);
        else
            writeHead<TableFormat::Csv>(inputs, std::nullopt, why);
        out_.write('\n');
    }

    bool failedAny() const { return failedAny_; }

private:
    // A wider table's carried columns, before the row's own; in json the
    // object "input", after which the row goes on without its opening brace.
    void writeCarried() {
        if (!carried_.any())
            return;
        const auto put = [this](std::string_view piece) { out_.write(piece); };
        if (options_.format == TableFormat::Json) {
            out_.write('{');
            carried_.putJsonInput(put);
            out_.write(',');
        } else {
            carried_.putFields(options_.format == TableFormat::Csv, put);
        }
    }

    // Laid out as --tsv lays out its lines. The fields are written as they
    // stand rather than gathered first: one may be hundreds of megabytes.
    void writeTsv(const DateTexts& date, std::string_view eraText) {
        for (std::string_view field : {date.Month, date.Day, date.Year, eraText}) {
            writeTsvField(field);
            out_.write('\t');
        }
        FieldValues values;
        ReadingDay day;
        const ReadingStatus status = ReadingDayFromTexts(date, values, day);
        std::optional<std::string> problem;
        if (status == ReadingStatus::Ok)
            problem = rowProblem(values, day, date.ADBC);
        if (problem) {
            failedAny_ = true;
            out_.write(*problem);
            return endTsvError();
        }
        if (status != ReadingStatus::Ok) {
            failedAny_ = true;
            writeErrorMessage(status, date);
            return endTsvError();
        }
        WriteReadingTexts(options_.exact ? ExactReadingDay(day, *exactDay(values, day)) : day,
                          options_.decimalSeparator, texts_);
        for (const FixedText& text : texts_.texts) {
            if (&text != &texts_.texts.front())
                out_.write('\t');
            out_.write(text.view());
        }
        out_.write('\n');
    }

    // Why a row whose texts read has no readings: a year beyond the range,
    // or (strict or exact) a date outside its calendar.
    std::optional<std::string> rowProblem(const FieldValues& values, const ReadingDay& day,
                                          std::int32_t era) const {
        if (!YearInRange(day.astronomicalYear))
            return std::string(YearRangeMessage);
        if (options_.strict || options_.exact)
            return CalendarRangeProblem(values, day.astronomicalYear, era);
        return std::nullopt;
    }

    static std::optional<std::int64_t> exactDay(const FieldValues& values, const ReadingDay& day) {
        return CivilToJdn(Calendar::Gregorian, {day.astronomicalYear, values.month, values.day});
    }

    void writeTsvField(std::string_view field) { WriteTsvField(out_, field); }

    // An error row's end: under --header padded to the header's width, so
    // that loaders see the same number of columns on every row.
    void endTsvError() {
        if (options_.header)
            out_.write(TsvErrorPadding);
        out_.write('\n');
    }

    // The engine's message, but a field that is no integer is written in
    // place between the engine's quotes rather than copied into the message.
    void writeErrorMessage(ReadingStatus status, const DateTexts& date) {
        std::string_view bad;
        switch (status) {
        case ReadingStatus::BadMonth:
            bad = date.Month;
            break;
        case ReadingStatus::BadDay:
            bad = date.Day;
            break;
        case ReadingStatus::BadYear:
            bad = date.Year;
            break;
        case ReadingStatus::OutOfRange:
        case ReadingStatus::Ok:
            writeTsvField(ReadingErrorMessage(status, date));
            return;
        }
        out_.write(InvalidIntegerOpen);
        writeTsvField(bad);
        out_.write(InvalidIntegerClose);
    }

    // A csv or json row's inputs, era index (none when the era could not be
    // read), ok and error; a failed row's empty readings after them. Returns
    // whether the row is ok.
    template <TableFormat Format>
    bool writeHead(const std::array<std::string_view, 4>& inputs,
                   std::optional<std::int32_t> eraIndex, std::string_view problem) {
        constexpr bool json = Format == TableFormat::Json;
        const bool ok = problem.empty();
        const auto null = [this] {
            if constexpr (json)
                output_.raw("null");
        };
        ForEachColumn<Column::Month, Column::Error>([&](auto column) {
            constexpr Column c = column;
            // After the carried columns' "input" the row's brace is open already.
            output_.raw(json && c == Column::Month && carried_.any() ? Gap<Format, c>.substr(1)
                                                                     : Gap<Format, c>);
            if constexpr (c <= Column::Era)
                output_.text(inputs[std::size_t(c)]);
            else if constexpr (c == Column::EraIndex)
                eraIndex ? output_.number(*eraIndex) : null();
            else if constexpr (c == Column::Ok)
                output_.raw(json ? (ok ? "true" : "false") : (ok ? "1" : "0"));
            else if constexpr (c == Column::Error)
                ok ? null() : output_.text(problem);
            else
                static_assert(UnwrittenColumn<c>);
        });
        if (!ok)
            output_.raw(json ? JsonFailedReadings : CsvFailedReadings);
        return ok;
    }

    // The csv and json outputs: the inputs, then ok, error and the readings,
    // column by column.
    template <TableFormat Format>
    void writeRecord(const DateTexts& date, std::string_view eraText) {
        constexpr bool json = Format == TableFormat::Json;
        std::string problem;
        FieldValues values;
        ReadingDay calculatorDay;
        const ReadingStatus status = ReadingDayFromTexts(date, values, calculatorDay);
        if (status != ReadingStatus::Ok)
            problem = ReadingErrorMessage(status, date);
        else
            problem = rowProblem(values, calculatorDay, date.ADBC).value_or(std::string());
        const bool ok = problem.empty();
        if (!ok)
            failedAny_ = true;
        const auto null = [this] {
            if constexpr (json)
                output_.raw("null");
        };
        if (!writeHead<Format>({date.Month, date.Day, date.Year, eraText}, date.ADBC, problem))
            return;

        const std::optional<std::int64_t> exact = exactDay(values, calculatorDay);
        // Every value from here on but the day numbers is of the day the
        // readings count for.
        const ReadingDay day =
            options_.exact ? ExactReadingDay(calculatorDay, *exact) : calculatorDay;
        const std::int32_t k = day.cycleCount;
        const float elapsed = ElapsedShare(k);
        const LongCountPlaces places = CycleLongCountOf(k);
        const TzolkinDay tzolkin = TzolkinOf(day.dayCount);
        const int weekDay = WeekDayOf(day.dayCount);
        const HaabDay haab = HaabOf(day.dayCount);
        const auto text = [this](auto put) { output_.text(WrittenText(put)); };
        ForEachColumn<Column::Jdn>([&](auto column) {
            constexpr Column c = column;
            output_.raw(Gap<Format, c>);
            if constexpr (c == Column::Jdn)
                output_.number(calculatorDay.dayNumber);
            else if constexpr (c == Column::ExactJdn)
                exact ? output_.number(*exact) : null();
            else if constexpr (c == Column::DaysElapsed)
                output_.number(k);
            else if constexpr (c == Column::DaysRemaining)
                output_.number(CycleLength - k);
            else if constexpr (c == Column::ElapsedShare)
                output_.written([&](char* o) { return PutFiveDecimals(o, elapsed, '.'); });
            else if constexpr (c == Column::RemainingShare)
                output_.written(
                    [&](char* o) { return PutFiveDecimals(o, RemainingShare(elapsed), '.'); });
            else if constexpr (c == Column::GreatCycle)
                text([&](char* o) { return PutCycleLabel(o, CycleNumber(day.dayCount)); });
            else if constexpr (c == Column::Harmonic)
                text([&](char* o) { return PutHarmonic(o, HarmonicOf(k)); });
            else if constexpr (c == Column::LongCount)
                text([&](char* o) { return PutPlaces(o, places); });
            else if constexpr (c == Column::Baktun)
                output_.number(places.baktun);
            else if constexpr (c == Column::Katun)
                output_.number(places.katun);
            else if constexpr (c == Column::Tun)
                output_.number(places.tun);
            else if constexpr (c == Column::Uinal)
                output_.number(places.uinal);
            else if constexpr (c == Column::Kin)
                output_.number(places.kin);
            else if constexpr (c == Column::HistoricalLongCount)
                text([&](char* o) { return PutHistoricalLongCount(o, day.dayCount, places); });
            else if constexpr (c == Column::TzolkinNumber)
                output_.number(tzolkin.number);
            else if constexpr (c == Column::TzolkinNameIndex)
                output_.number(tzolkin.sign);
            else if constexpr (c == Column::TzolkinName)
                output_.text(TzolkinSign[std::size_t(tzolkin.sign - 1)]);
            else if constexpr (c == Column::WeekDayIndex)
                output_.number(weekDay);
            else if constexpr (c == Column::WeekDay)
                output_.text(WeekN[std::size_t(weekDay)]);
            else if constexpr (c == Column::HaabDay)
                output_.number(haab.day);
            else if constexpr (c == Column::HaabMonthIndex)
                output_.number(haab.month);
            else if constexpr (c == Column::HaabMonth)
                output_.text(HaabMonth[std::size_t(haab.month - 1)]);
            else if constexpr (c == Column::CalendarRound)
                text([&](char* o) { return PutCalendarRound(o, tzolkin, haab); });
            else if constexpr (c == Column::LordOfTheNight)
                output_.number(LordOfTheNightOf(day.dayCount));
            else if constexpr (c == Column::DayShift)
                exact ? output_.number(calculatorDay.dayNumber - *exact) : null();
            else
                static_assert(UnwrittenColumn<c>);
        });
        output_.raw(RowEnd<Format>);
    }

    FdWriter& out_;
    TableOptions options_;
    Output output_;
    PlainRows plain_;
    ReadingTexts texts_;
    CarriedColumns carried_;
    bool failedAny_ = false;
};

} // namespace

int RunTable(int inFd, FdWriter& out, FdWriter& err, const TableOptions& options) {
    TableConverter converter(out, options);
    const int status =
        ReadRows(inFd, options.input == TableInput::Csv ? RowInput::Csv : RowInput::Tab, err,
                 converter, {}, {options.skipBlank, options.columns});
    return status == ExitOk && options.strict && converter.failedAny() ? ExitRowsFailed : status;
}

} // namespace zentolk::cli
