#include "cli/AlmanacColumns.h"
#include "cli/AlmanacCommands.h"
#include "cli/Json.h"
#include "cli/Messages.h"
#include "cli/PlainFields.h"
#include "cli/RowReader.h"
#include "cli/TableColumns.h"
#include "engine/AlmanacDay.h"
#include "engine/AlmanacInput.h"
#include "engine/TextWriters.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

namespace zentolk::cli {

namespace {
// The tsv output's columns after the inputs. Its csv and json rows are
// WriteAlmanacFields' list; the tsv layout is its own, shorter one.
enum class TsvColumn {
    Jdn,
    Gregorian,
    Julian,
    LongCount,
    Tzolkin,
    Haab,
    LordOfTheNight,
    StationLongCount,
    StationCalendarRound,
    StationDaysSince,
    YearBearer,
    BaktunPlace,
    Era,
    Inscribed,
};
constexpr std::string_view TsvNames[] = {"jdn",
                                         "gregorian",
                                         "julian",
                                         "long_count",
                                         "tzolkin",
                                         "haab",
                                         "lord_of_the_night",
                                         "station_819_long_count",
                                         "station_819_calendar_round",
                                         "station_819_days_since",
                                         "year_bearer",
                                         "baktun_place",
                                         "era",
                                         "inscribed"};
constexpr auto LastTsvColumn = static_cast<TsvColumn>(std::size(TsvNames) - 1);
static_assert(LastTsvColumn == TsvColumn::Inscribed, "a name for every tsv column");

// The names after the inputs' names, and the line end: --header's line.
constexpr auto TsvHeaderPiece = [] {
    columns::Piece<512> p;
    for (const std::string_view name : TsvNames) {
        p += name;
        p += name == TsvNames[std::size(TsvNames) - 1] ? "\n" : "\t";
    }
    return p;
}();
constexpr std::string_view TsvColumns = TsvHeaderPiece.view();
// What pads a tsv error row (the inputs and a message) to the header's width.
constexpr auto TsvPaddingPiece = [] {
    columns::Piece<64> p;
    for (std::size_t i = 1; i < std::size(TsvNames); ++i)
        p += "\t";
    return p;
}();
constexpr std::string_view TsvErrorPadding = TsvPaddingPiece.view();
// The era's column is named as the table's names say (see AlmanacNames).
constexpr std::string_view TsvEraColumns = "era\tinscribed\n";
static_assert(TsvColumns.ends_with(TsvEraColumns));

// What follows a row's inputs in tsv: its columns, and the line end.
[[gnu::always_inline]] inline char* putAlmanac(char* o, std::int64_t jdn,
                                               const CivilDate& gregorian, const CivilDate& julian,
                                               std::int64_t correlation,
                                               const AlmanacNames& names) {
    const std::int32_t dayCount = DayCountOf(jdn, correlation);
    const std::int32_t station = Station819Of(dayCount);
    const LongCountPlaces places = LongCountOf(dayCount);
    const char *longCount = o, *longCountEnd = o;
    ForEachOf<TsvColumn, TsvColumn::Jdn, LastTsvColumn>([&](
        auto column) __attribute__((always_inline)) {
        constexpr TsvColumn c = column;
        if constexpr (c != TsvColumn::Jdn)
            *o++ = '\t';
        if constexpr (c == TsvColumn::Jdn) {
            o = PutSigned(o, jdn);
        } else if constexpr (c == TsvColumn::Gregorian) {
            o = PutIsoDate(o, gregorian);
        } else if constexpr (c == TsvColumn::Julian) {
            o = PutIsoDate(o, julian);
        } else if constexpr (c == TsvColumn::LongCount) {
            longCount = o;
            o = PutLongCount(o, places);
            longCountEnd = o;
        } else if constexpr (c == TsvColumn::Tzolkin) {
            o = PutTzolkinDayAt(o, TzolkinPosition(dayCount), names.spelling);
        } else if constexpr (c == TsvColumn::Haab) {
            o = PutHaabDayAt(o, HaabPosition(dayCount), names.spelling);
        } else if constexpr (c == TsvColumn::LordOfTheNight) {
            *o++ = 'G';
            o = PutUnsigned(o, static_cast<std::uint32_t>(LordOfTheNightOf(dayCount)));
        } else if constexpr (c == TsvColumn::StationLongCount) {
            o = PutLongCount(o, LongCountOf(station));
        } else if constexpr (c == TsvColumn::StationCalendarRound) {
            o = PutCalendarRoundAt(o, TzolkinPosition(station), HaabPosition(station),
                                   names.spelling);
        } else if constexpr (c == TsvColumn::StationDaysSince) {
            o = PutUnsigned(o, static_cast<std::uint32_t>(dayCount - station));
        } else if constexpr (c == TsvColumn::YearBearer) {
            o = PutTzolkinDayAt(o, TzolkinPosition(YearBearerDayOf(dayCount, names.yearBearer)),
                                names.spelling);
        } else if constexpr (c == TsvColumn::BaktunPlace) {
            o = PutSigned(o, std::int32_t{places.negative ? -places.baktun : places.baktun});
        } else if constexpr (c == TsvColumn::Era) {
            o = PutSigned(o, InscribedOf(dayCount).era);
        } else if constexpr (c == TsvColumn::Inscribed) {
            // This era's days, nearly all rows, are written as the Long Count is.
            if (dayCount >= 0) {
                std::memmove(o, longCount, static_cast<std::size_t>(longCountEnd - longCount));
                o += longCountEnd - longCount;
            } else {
                o = PutInscribedLongCount(o, dayCount);
            }
        } else {
            static_assert(UnwrittenColumn<c>);
        }
    });
    *o++ = '\n';
    return o;
}

// A csv row's columns or a json row's members, appended to the row.
class ValueWriter final : public AlmanacFieldSink {
public:
    ValueWriter(std::string& row, bool json) : row_(row), json_(json) {}
    void number(std::string_view key, std::string_view, std::int64_t v) override {
        name(key);
        char digits[24];
        row_.append(digits, std::to_chars(digits, digits + sizeof digits, v).ptr);
    }
    void text(std::string_view key, std::string_view, std::string_view v) override {
        name(key);
        if (json_)
            AppendJsonString(row_, v);
        else
            AppendCsvField(row_, v);
    }
    void null(std::string_view key, std::string_view) override {
        name(key);
        if (json_)
            row_ += "null";
    }
    void numbers(std::string_view key, std::span<const std::string_view>,
                 std::span<const std::int64_t> values) override {
        if (!json_) {
            for (const std::int64_t v : values)
                number({}, {}, v);
            return;
        }
        name(key);
        row_ += '[';
        first_ = true;
        for (const std::int64_t v : values)
            number({}, {}, v);
        row_ += ']';
        first_ = false;
    }
    void beginObject(std::string_view key) override {
        if (!json_)
            return;
        name(key);
        row_ += '{';
        first_ = true;
    }
    void endObject() override {
        if (json_)
            row_ += '}';
        first_ = false;
    }

    static void AppendCsvField(std::string& row, std::string_view v) {
        WriteCsvField(v, [&row](std::string_view piece) { row += piece; });
    }

private:
    // The separator, and in json the key (none inside an array).
    void name(std::string_view key) {
        if (!first_)
            row_ += ',';
        first_ = false;
        if (json_ && !key.empty()) { // the list's keys need no escaping
            row_ += '"';
            row_ += key;
            row_ += "\":";
        }
    }

    std::string& row_;
    bool json_;
    bool first_ = false;
};

constexpr std::array<std::string_view, 4> DateKeys = {"month", "day", "year", "era"};

// The words that make a first line a header: the input's own names and the
// names of the columns the tables write that hold such a value, so that a
// column cut from one table's output reads into another.
constexpr std::string_view IsoHeaders[] = {"input", "date", "iso", "gregorian", "julian"};
constexpr std::string_view JdnHeaders[] = {"input", "jdn", "day_number", "exact_jdn"};
constexpr std::string_view LongCountHeaders[] = {
    "input",    "long_count", "long count", "historical_long_count", "station_819_long_count",
    "inscribed"};

RowShape shapeOf(AlmanacInput what) {
    switch (what) {
    case AlmanacInput::Mdy:
        return {};
    case AlmanacInput::Iso:
        return {true, N_("a date YYYY-MM-DD"), IsoHeaders};
    case AlmanacInput::Jdn:
        return {true, N_("a day number"), JdnHeaders};
    case AlmanacInput::LongCount:
        return {true, N_("a Long Count"), LongCountHeaders};
    }
    return {};
}

class AlmanacConverter final : public RowSink {
public:
    AlmanacConverter(FdWriter& out, const AlmanacTableOptions& options)
        : out_(out), options_(options),
          calendar_(options.julian ? Calendar::Julian : Calendar::Gregorian),
          fields_(options.what == AlmanacInput::Mdy ? 4 : 1),
          // The tsv rows copy a plain line as it stands: tab-separated only.
          fast_(options.path == BatchPath::Fast &&
                (options.format != TableFormat::Tsv || options.input == TableInput::Tsv)),
          separator_(options.input == TableInput::Csv ? ',' : '\t') {
        // A date's rows carry its own "era" already.
        if (options.what == AlmanacInput::Mdy)
            options_.names.eraKey = InputEraKey;
    }

    void begin(std::span<const std::string> carriedNames,
               std::span<const std::string> allNames) override {
        carried_.begin(carriedNames, allNames);
        const bool csv = options_.format == TableFormat::Csv;
        if (!csv && !(options_.format == TableFormat::Tsv && options_.header))
            return;
        carried_.putNames(csv, [this](std::string_view piece) { out_.write(piece); });
        writeInputNames(csv ? ',' : '\t');
        if (csv) {
            out_.write(",ok,error,");
            out_.write(AlmanacColumns(options_.names.eraKey).csvHeader);
            out_.write('\n');
        } else {
            out_.write('\t');
            out_.write(TsvColumns.substr(0, TsvColumns.size() - TsvEraColumns.size()));
            out_.write(options_.names.eraKey);
            out_.write(TsvEraColumns.substr(TsvEraColumns.find('\t')));
        }
    }

    void carry(std::span<const std::string_view> carried,
               std::span<const std::string_view> all) override {
        carried_.carry(carried, all);
    }

    // Plain lines straight into the output; any other line is left to
    // convert(), which writes the same rows for the lines taken here.
    const char* convertPlain(const char* start, const char* end, long long& line) override {
        if (!fast_)
            return start;
        return options_.what == AlmanacInput::Mdy ? convertPlainDates(start, line)
                                                  : convertPlainFields(start, end, line);
    }

    void reject(const std::array<std::string_view, 4>& fields, std::size_t count,
                std::string_view why) override {
        std::array<std::string_view, 4> inputs{};
        std::copy_n(fields.begin(), std::min(count, fields_), inputs.begin());
        write({inputs.data(), fields_}, std::nullopt, why);
    }

    bool failedAny() const { return failedAny_; }

    void convert(const std::array<std::string_view, 4>& fields, std::int32_t era,
                 long long) override {
        std::string error;
        std::optional<std::int64_t> jdn;
        switch (options_.what) {
        case AlmanacInput::Mdy:
            jdn = dateDay(fields, era, error);
            break;
        case AlmanacInput::Iso:
            jdn = ParseIsoDay(fields[0], calendar_, error);
            break;
        case AlmanacInput::Jdn:
            jdn = ParseDayNumber(fields[0], calendar_, error);
            break;
        case AlmanacInput::LongCount:
            jdn = ParseLongCountDay(fields[0], options_.correlation, calendar_, error,
                                    options_.names.spelling);
            break;
        }
        write({fields.data(), fields_}, jdn, error);
    }

private:
    void write(std::span<const std::string_view> inputs, std::optional<std::int64_t> jdn,
               std::string_view error) {
        if (!jdn)
            failedAny_ = true;
        switch (options_.format) {
        case TableFormat::Tsv:
            return writeTsv(inputs, jdn, error);
        case TableFormat::Csv:
            return writeCsv(inputs, jdn, error);
        case TableFormat::Json:
            return writeJson(inputs, jdn, error);
        }
    }

    // The inputs' names, in the header and as json keys.
    std::string_view inputName(std::size_t i) const { return fields_ == 4 ? DateKeys[i] : "input"; }
    void writeInputNames(char separator) {
        for (std::size_t i = 0; i < fields_; ++i) {
            if (i > 0)
                out_.write(separator);
            out_.write(inputName(i));
        }
    }

    const char* convertPlainDates(const char* start, long long& line) {
        const Calendar other =
            calendar_ == Calendar::Gregorian ? Calendar::Julian : Calendar::Gregorian;
        if (options_.format != TableFormat::Tsv)
            return convertPlainRecords(start, line);
        char* o = out_.cursor();
        const char* const limit = out_.limit();
        PlainFields fields;
        while (ReadPlainLine(start, '\t', fields)) {
            if (o >= limit) {
                out_.setCursor(o);
                o = out_.cursor();
            }
            // The four fields as they stand, each followed by a tab: one copy
            // of a fixed size (the input holds slack after its end).
            std::memcpy(o, start, 40);
            o += fields.at[4] - start;
            o[-1] = '\t';
            ++line;
            start = fields.next;
            const std::int32_t year = *AstronomicalYear(fields.year, fields.era);
            if (!YearInRange(year) || !DateExists(calendar_, year, fields.month, fields.day)) {
                const std::string_view why =
                    !YearInRange(year) ? YearRangeMessage : NoSuchDayMessage;
                std::memcpy(o, why.data(), why.size());
                o += why.size();
                if (options_.header) {
                    std::memcpy(o, TsvErrorPadding.data(), TsvErrorPadding.size());
                    o += TsvErrorPadding.size();
                }
                *o++ = '\n';
                failedAny_ = true;
                continue;
            }
            const std::int64_t jdn = CivilDayNumber(calendar_, year, fields.month, fields.day);
            const CivilDate given{year, fields.month, fields.day};
            const CivilDate converted = JdnToCivil(other, jdn);
            const std::int64_t c = options_.correlation;
            const AlmanacNames& n = options_.names;
            o = calendar_ == Calendar::Gregorian ? putAlmanac(o, jdn, given, converted, c, n)
                                                 : putAlmanac(o, jdn, converted, given, c, n);
        }
        out_.setCursor(o);
        return start;
    }

    // One-field lines whose day the engine reads; the first line it refuses
    // (or a header, a blank line, a tab) is left to convert().
    const char* convertPlainFields(const char* start, const char* end, long long& line) {
        std::string error; // untouched while every line reads
        while (start < end) {
            // Only a short line is taken, and only its bytes are searched: a
            // long one, searched whole at every read, would cost quadratic time.
            const auto* lf = static_cast<const char*>(
                std::memchr(start, '\n', std::min<std::size_t>(std::size_t(end - start), 258)));
            if (lf == nullptr)
                break;
            std::string_view text(start, std::size_t(lf - start));
            if (!text.empty() && text.back() == '\r')
                text.remove_suffix(1);
            // Fields the output must escape or quote, or that are more than
            // one, go by convert().
            if (std::any_of(text.begin(), text.end(), [](char c) {
                    const auto u = static_cast<unsigned char>(c);
                    return u < 0x20 || u >= 0x7f || c == '"' || c == '\\' || c == ',';
                }))
                break;
            std::optional<std::int64_t> jdn;
            if (options_.what == AlmanacInput::Iso)
                jdn = ParseIsoDay(text, calendar_, error);
            else if (options_.what == AlmanacInput::Jdn)
                jdn = ParseDayNumber(text, calendar_, error);
            else
                jdn = ParseLongCountDay(text, options_.correlation, calendar_, error,
                                        options_.names.spelling);
            if (!jdn)
                break;
            ++line;
            start = lf + 1;
            if (options_.format != TableFormat::Tsv) {
                const AlmanacDay day = ComputeAlmanac(*jdn, options_.correlation);
                putRecord({&text, 1}, &day);
                continue;
            }
            char* o = out_.cursor();
            std::memcpy(o, text.data(), text.size());
            o += text.size();
            *o++ = '\t';
            out_.setCursor(putAlmanac(o, *jdn, JdnToCivil(Calendar::Gregorian, *jdn),
                                      JdnToCivil(Calendar::Julian, *jdn), options_.correlation,
                                      options_.names));
        }
        return start;
    }

    // Plain dates as csv or json rows.
    const char* convertPlainRecords(const char* start, long long& line) {
        PlainFields fields;
        while (ReadPlainLine(start, separator_, fields)) {
            const std::int32_t year = *AstronomicalYear(fields.year, fields.era);
            std::array<std::string_view, 4> inputs;
            for (std::size_t i = 0; i < inputs.size(); ++i)
                inputs[i] = {fields.at[i], std::size_t(fields.at[i + 1] - fields.at[i] - 1)};
            if (!YearInRange(year) || !DateExists(calendar_, year, fields.month, fields.day)) {
                // The reference path's error row: the rest of it is the same
                // for every row with this message.
                const bool outOfRange = !YearInRange(year);
                std::string& rest = failedTail_[outOfRange];
                if (rest.empty())
                    appendFailed(rest, outOfRange ? YearRangeMessage : NoSuchDayMessage);
                putRecord<true>(inputs, nullptr, rest);
            } else {
                const std::int64_t jdn = CivilDayNumber(calendar_, year, fields.month, fields.day);
                const AlmanacDay day = ComputeAlmanac(jdn, options_.correlation, calendar_,
                                                      {year, fields.month, fields.day});
                putRecord<true>(inputs, &day);
            }
            ++line;
            start = fields.next;
        }
        return start;
    }

    // A row in csv or json, byte for byte as writeCsv and writeJson write
    // it: the inputs (plain text, as the fast path takes them), ok, error,
    // and the day's values, or without a day the failed row's rest. Written straight into the
    // output where it has room for the longest row, else through record_. Short inputs (at most 16
    // bytes, with the input's slack after them) are copied as one block of that size, as the
    // values' texts are.
    template <bool ShortInputs = false>
    void putRecord(std::span<const std::string_view> inputs, const AlmanacDay* day,
                   std::string_view failedRest = {}) {
        const bool json = options_.format == TableFormat::Json;
        char* const cursor = out_.cursor();
        const bool direct =
            std::size_t(out_.limit() - cursor) + FdWriter::Reserve >= record_.size();
        char* const row = direct ? cursor : record_.data();
        char* o = row;
        const auto copy = [&o](std::string_view text) {
            std::memcpy(o, text.data(), text.size());
            o += text.size();
        };
        const auto copyInput = [&](std::string_view text) {
            if constexpr (ShortInputs) {
                std::memcpy(o, text.data(), 16);
                o += text.size();
            } else {
                copy(text);
            }
        };
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            if (json) {
                copy(i == 0 ? "{\"" : ",\"");
                copy(inputName(i));
                copy("\":\"");
                copyInput(inputs[i]);
                *o++ = '"';
            } else {
                if (i > 0)
                    *o++ = ',';
                copyInput(inputs[i]);
            }
        }
        if (day) {
            copy(json ? ",\"ok\":true,\"error\":null" : ",1,");
            o = PutAlmanacValues(o, json, *day, options_.names);
            copy(json ? "}\n" : "\n");
        } else {
            failedAny_ = true;
            if (failedRest.size() > AlmanacValuesSize) {
                finish(direct, row, o);
                out_.write(failedRest);
                return;
            }
            copy(failedRest);
        }
        finish(direct, row, o);
    }
    // Hands a row laid out by putRecord to the output.
    void finish(bool direct, const char* row, char* end) {
        if (direct)
            out_.setCursor(end);
        else
            out_.write({row, std::size_t(end - row)});
    }

    std::optional<std::int64_t> dateDay(const std::array<std::string_view, 4>& fields,
                                        std::int32_t era, std::string& error) {
        CivilDay day;
        const DateTexts date{fields[0], fields[1], fields[2], era};
        const CivilDayStatus status = CivilDayFromTexts(date, calendar_, day);
        if (status == CivilDayStatus::Ok)
            return day.jdn;
        error = CivilDayMessage(status, date);
        return std::nullopt;
    }

    void writeTsvField(std::string_view field) { WriteTsvField(out_, field); }

    void writeTsv(std::span<const std::string_view> inputs, std::optional<std::int64_t> jdn,
                  std::string_view error) {
        carried_.putFields(false, [this](std::string_view piece) { out_.write(piece); });
        for (const std::string_view field : inputs) {
            writeTsvField(field);
            out_.write('\t');
        }
        if (!jdn) {
            writeTsvField(error);
            if (options_.header)
                out_.write(TsvErrorPadding);
            out_.write('\n');
            return;
        }
        const AlmanacDay a = ComputeAlmanac(*jdn, options_.correlation);
        char row[256];
        out_.write({row, static_cast<std::size_t>(putAlmanac(row, a.jdn, a.gregorian, a.julian,
                                                             a.correlation, options_.names) -
                                                  row)});
    }

    void writeCsv(std::span<const std::string_view> inputs, std::optional<std::int64_t> jdn,
                  std::string_view error) {
        row_.clear();
        carried_.putFields(true, [this](std::string_view piece) { row_ += piece; });
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            if (i > 0)
                row_ += ',';
            ValueWriter::AppendCsvField(row_, inputs[i]);
        }
        if (jdn) {
            row_ += ",1,";
            ValueWriter values(row_, false);
            WriteAlmanacFields(ComputeAlmanac(*jdn, options_.correlation), values, options_.names);
            row_ += '\n';
        } else {
            appendFailed(row_, error);
        }
        out_.write(row_);
    }

    void writeJson(std::span<const std::string_view> inputs, std::optional<std::int64_t> jdn,
                   std::string_view error) {
        row_.clear();
        if (carried_.any()) {
            // "input" holds every column read, the date's among them.
            row_ += '{';
            carried_.putJsonInput([this](std::string_view piece) { row_ += piece; });
        }
        for (std::size_t i = 0; i < inputs.size() && !(carried_.any() && fields_ == 1); ++i) {
            row_ += row_.empty() ? "{\"" : ",\"";
            row_ += inputName(i);
            row_ += "\":";
            AppendJsonString(row_, inputs[i]);
        }
        if (jdn) {
            row_ += ",\"ok\":true,\"error\":null";
            ValueWriter values(row_, true);
            WriteAlmanacFields(ComputeAlmanac(*jdn, options_.correlation), values, options_.names);
            row_ += "}\n";
        } else {
            appendFailed(row_, error);
        }
        out_.write(row_);
    }

    // What follows a failed csv or json row's inputs: ok, the error, empty
    // or null values and the line end.
    void appendFailed(std::string& row, std::string_view error) const {
        if (options_.format == TableFormat::Json) {
            row += ",\"ok\":false,\"error\":";
            AppendJsonString(row, error);
            row += AlmanacColumns(options_.names.eraKey).jsonNulls;
            row += "}\n";
        } else {
            row += ",0,";
            ValueWriter::AppendCsvField(row, error);
            row.append(AlmanacColumns(options_.names.eraKey).columns, ',');
            row += '\n';
        }
    }

    FdWriter& out_;
    AlmanacTableOptions options_;
    Calendar calendar_;
    std::size_t fields_;
    bool fast_;
    char separator_;  // between the input's fields
    std::string row_; // a csv or json row, its storage kept from row to row
    // A fast path's csv or json row: its inputs (at most a short line) and values.
    std::array<char, 512 + AlmanacValuesSize> record_;
    // What follows a plain error row's inputs, for each of its two messages.
    std::array<std::string, 2> failedTail_;
    CarriedColumns carried_;
    bool failedAny_ = false;
};
} // namespace

int RunAlmanacTable(int inFd, FdWriter& out, FdWriter& err, const AlmanacTableOptions& options) {
    AlmanacConverter converter(out, options);
    const int status =
        ReadRows(inFd, options.input == TableInput::Csv ? RowInput::Csv : RowInput::Tab, err,
                 converter, shapeOf(options.what), {options.skipBlank, options.columns});
    return status == ExitOk && options.strict && converter.failedAny() ? ExitRowsFailed : status;
}

} // namespace zentolk::cli
