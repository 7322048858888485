#include "Table.h"

#include "AlmanacDay.h"
#include "CivilCalendar.h"
#include "DayNames.h"
#include "DayNumber.h"
#include "GreatCycle.h"
#include "LongCount.h"
#include "NumberText.h"
#include "Options.h"
#include "PlainDigits.h"
#include "Reading.h"
#include "ReadingNumbers.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <deque>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

using namespace std::string_view_literals;

namespace zentolk::cli {

const char* const CsvHeader =
    "month,day,year,era,era_index,ok,error,jdn,exact_jdn,days_elapsed,days_remaining,"
    "elapsed_share,remaining_share,great_cycle,harmonic,long_count,baktun,katun,tun,uinal,kin,"
    "historical_long_count,tzolkin_number,tzolkin_name_index,tzolkin_name,week_day_index,"
    "week_day,haab_day,haab_month_index,haab_month,calendar_round,lord_of_the_night";

namespace {
constexpr int kReadingColumns = 25; // the columns after "error"
constexpr std::size_t kLongestRecord = 16u << 20;
// The fast path's rows stay well within the output's reserve with inputs this short.
constexpr std::size_t kFastInputs = 128;

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IsHeader(std::string_view first) {
    first = TrimBlanks(first);
    if (first.size() >= 3 && first.substr(0, 3) == "\xEF\xBB\xBF")
        first.remove_prefix(3);
    if (first.size() != 5)
        return false;
    for (std::size_t i = 0; i < 5; ++i)
        if (std::tolower(static_cast<unsigned char>(first[i])) != "month"[i])
            return false;
    return true;
}

// One row's readings, as numbers and the texts that have no number.
struct Row {
    ReadingNumbers n;
    FixedText greatCycle, harmonic, longCount, historical, elapsed, remaining;
    std::array<int, 5> places{};
    std::int64_t exactJdn = 0;
    bool hasExactJdn = false;
    HaabDay haab;
    int lord = 9;
};

class Output {
public:
    explicit Output(TableFormat format) : format_(format), data_(1024) {}

    void begin() { size_ = 0; }
    std::string_view line() const { return {data_.data(), size_}; }

    // A text field: quoted where the format needs it.
    void text(std::string_view s) {
        switch (format_) {
        case TableFormat::Csv:
            if (std::none_of(s.begin(), s.end(), [](char c) {
                    return c == ',' || c == '"' || c == '\r' || c == '\n';
                })) {
                raw(s);
                return;
            }
            room(2 * s.size() + 2);
            put('"');
            for (char c : s) {
                if (c == '"')
                    put('"');
                put(c);
            }
            put('"');
            return;
        case TableFormat::Json:
            JsonString(s);
            return;
        case TableFormat::Tsv:
            // Only comma-separated input can hold these; a field keeps its place.
            room(s.size());
            for (char c : s)
                put((c == '\t' || c == '\n') ? ' ' : c);
            return;
        }
    }
    void number(std::int64_t v) {
        room(24);
        size_ = static_cast<std::size_t>(
            std::to_chars(data_.data() + size_, data_.data() + size_ + 24, v).ptr - data_.data());
    }
    // Room for `size` bytes written straight in, then `done` with their end.
    char* cursor(std::size_t size) {
        room(size);
        return data_.data() + size_;
    }
    void done(char* end) { size_ = static_cast<std::size_t>(end - data_.data()); }

    void raw(std::string_view s) {
        room(s.size());
        std::memcpy(data_.data() + size_, s.data(), s.size());
        size_ += s.size();
    }

private:
    void room(std::size_t more) {
        if (size_ + more > data_.size())
            data_.resize(std::max(data_.size() * 2, size_ + more));
    }
    void put(char c) { data_[size_++] = c; }

    // Quoted, escaped, and valid UTF-8: a byte that starts no valid sequence
    // becomes U+FFFD, so every line parses whatever the input held.
    void JsonString(std::string_view s) {
        room(6 * s.size() + 2);
        put('"');
        // Most texts are plain ASCII with nothing to escape: copied whole.
        std::size_t plain = 0;
        while (plain < s.size() && s[plain] >= 0x20 && s[plain] < 0x7F && s[plain] != '"' &&
               s[plain] != '\\')
            ++plain;
        std::memcpy(data_.data() + size_, s.data(), plain);
        size_ += plain;
        for (std::size_t i = plain; i < s.size();) {
            const auto c = static_cast<unsigned char>(s[i]);
            if (c == '"' || c == '\\') {
                put('\\');
                put(char(c));
                ++i;
            } else if (c < 0x20 || c == 0x7F) {
                static const char hex[] = "0123456789abcdef";
                for (char e : {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 15]})
                    put(e);
                ++i;
            } else if (c < 0x80) {
                put(char(c));
                ++i;
            } else {
                const std::size_t n = Utf8Length(s.substr(i));
                const std::string_view piece = n == 0 ? "\xEF\xBF\xBD" : s.substr(i, n);
                for (char e : piece)
                    put(e);
                i += n == 0 ? 1 : n;
            }
        }
        put('"');
    }

    // The length of the valid UTF-8 sequence at the start of s, or 0.
    static std::size_t Utf8Length(std::string_view s) {
        const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
        const unsigned char c = b(0);
        std::size_t n;
        std::uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            n = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 4;
            cp = c & 0x07;
        } else {
            return 0;
        }
        if (s.size() < n)
            return 0;
        for (std::size_t i = 1; i < n; ++i) {
            if ((b(i) & 0xC0) != 0x80)
                return 0;
            cp = cp << 6 | (b(i) & 0x3F);
        }
        const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
        if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return 0;
        return n;
    }

    TableFormat format_;
    std::vector<char> data_;
    std::size_t size_ = 0;
};

// The fast path for the common row: month, day and year plain decimals within
// a million either way and a real date (or any date when not strict), written
// straight into the line with the batch's own formatting; every other row
// takes the engine's path. Both give the same bytes.
namespace fast {
using namespace plain;

inline const auto SignNames = pad<16>(TzolkinSign);
// The start day's place in the Haab year: 8 Cumku.
constexpr std::int32_t HaabStart = 17 * 20 + 8;
inline const auto HaabNames = pad<16>(HaabMonth);

bool plainField(std::string_view text, std::int32_t& value) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        i = 1;
    if (i == text.size() || text.size() - i > 7)
        return false;
    std::uint32_t v = 0;
    for (; i < text.size(); ++i) {
        const unsigned d = static_cast<unsigned char>(text[i]) - unsigned{'0'};
        if (d > 9)
            return false;
        v = v * 10 + d;
    }
    if (v > FieldMax)
        return false;
    value = negative ? -static_cast<std::int32_t>(v) : static_cast<std::int32_t>(v);
    return true;
}

template <std::size_t N> char* literal(char* o, const char (&text)[N]) {
    std::memcpy(o, text, N - 1);
    return o + N - 1;
}

template <bool Json, std::size_t N> char* key(char* o, const char (&json)[N]) {
    if constexpr (Json) {
        std::memcpy(o, json, N - 1);
        return o + N - 1;
    } else {
        *o = ',';
        return o + 1;
    }
}

// A text that needs neither quoting nor escaping.
template <bool Json> char* text(char* o, std::string_view s) {
    if constexpr (Json)
        *o++ = '"';
    std::memcpy(o, s.data(), s.size());
    o += s.size();
    if constexpr (Json)
        *o++ = '"';
    return o;
}

template <bool Json, std::size_t W> char* name(char* o, const PaddedText<W>& padded) {
    if constexpr (Json)
        *o++ = '"';
    std::memcpy(o, padded.text, W);
    o += padded.size;
    if constexpr (Json)
        *o++ = '"';
    return o;
}

char* signedNumber(char* o, std::int64_t v) {
    return std::to_chars(o, o + 24, v).ptr;
}

char* share(char* o, float value) {
    return putShare(o, value, '.') - 1; // without the "%"
}

// Writes the row and returns its end, or null when the row is not plain.
template <bool Json>
char* row(char* o, const std::array<std::string_view, 4>& inputs, std::int32_t era, bool strict) {
    std::int32_t m, d, yearField;
    if (!plainField(inputs[0], m) || !plainField(inputs[1], d) || !plainField(inputs[2], yearField))
        return nullptr;
    // The era is copied as it stands, so it must need no quoting or escaping.
    for (const char c : inputs[3])
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '+' && c != '-')
            return nullptr;
    const std::int32_t y = era == EraIndexBC ? 1 - yearField : yearField;
    static constexpr std::int32_t monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    const bool real = m >= 1 && m <= 12 && d >= 1 &&
                      d <= monthDays[std::size_t(m > 0 && m <= 12 ? m - 1 : 0)] + (m == 2 && leap);
    if (strict && !real)
        return nullptr;

    const std::int32_t a = (m - 14) / 12;
    const std::int32_t j = 1461 * (y + 4800 + a) / 4 + 367 * (m - 2 - 12 * a) / 12 -
                           3 * ((y + 4900 + a) / 100) / 4 + d - 32075;
    const std::int32_t dayCount = j - StartDay;
    std::int32_t k = dayCount % CycleLength;
    if (k < 0)
        k += CycleLength;
    if (k == 0 && (dayCount > 0 || y != StartYear))
        k = CycleLength;

    static constexpr const char* firstKeys[] = {
        "{\"month\":", ",\"day\":", ",\"year\":", ",\"era\":"};
    for (std::size_t i = 0; i < 4; ++i) {
        if constexpr (Json) {
            const std::size_t n = std::strlen(firstKeys[i]);
            std::memcpy(o, firstKeys[i], n);
            o += n;
        } else if (i > 0) {
            *o++ = ',';
        }
        o = text<Json>(o, inputs[i]);
    }
    o = key<Json>(o, ",\"era_index\":");
    o = signedNumber(o, era);
    if constexpr (Json) {
        o = literal(o, ",\"ok\":true,\"error\":null");
    } else {
        o = literal(o, ",1,");
    }
    o = key<Json>(o, ",\"jdn\":");
    o = signedNumber(o, j);
    o = key<Json>(o, ",\"exact_jdn\":");
    if (real) {
        // The exact day number, with floor division throughout.
        const std::int64_t shifted = std::int64_t{y} + 4800 - (m <= 2);
        const std::int64_t era400 = (shifted >= 0 ? shifted : shifted - 399) / 400;
        const std::int64_t yearOfEra = shifted - era400 * 400;
        const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
        const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
        o = signedNumber(o, era400 * 146097 + dayOfEra - 32044);
    } else if constexpr (Json)
        o = text<false>(o, "null");
    o = key<Json>(o, ",\"days_elapsed\":");
    o = putUInt(o, static_cast<std::uint32_t>(k));
    o = key<Json>(o, ",\"days_remaining\":");
    o = putUInt(o, static_cast<std::uint32_t>(CycleLength - k));
    const float elapsed = ElapsedShare(k);
    o = key<Json>(o, ",\"elapsed_share\":");
    o = share(o, elapsed);
    o = key<Json>(o, ",\"remaining_share\":");
    o = share(o, RemainingShare(elapsed));

    o = key<Json>(o, ",\"great_cycle\":");
    if constexpr (Json)
        *o++ = '"';
    const std::int32_t cycles = dayCount / CycleLength;
    if (cycles > 0) {
        std::memcpy(o, "Plus ", 5);
        o = putUInt(o + 5, static_cast<std::uint32_t>(cycles));
    } else if (cycles < 0) {
        std::memcpy(o, "Minus ", 6);
        o = putUInt(o + 6, static_cast<std::uint32_t>(1 - (dayCount + 1) / CycleLength));
    } else if (dayCount >= 0) {
        std::memcpy(o, "Starting", 8);
        o += 8;
    } else {
        std::memcpy(o, "Minus 1", 7);
        o += 7;
    }
    if constexpr (Json)
        *o++ = '"';

    o = key<Json>(o, ",\"harmonic\":");
    // A fraction's step is written with thousands separators: quoted in CSV.
    const bool quoted = Json || (k % 14625 == 0 && k != 0);
    if (quoted)
        *o++ = '"';
    o = putHarmonic(o, k);
    if (quoted)
        *o++ = '"';

    const std::int32_t below = k % Baktun;
    o = key<Json>(o, ",\"long_count\":{\"text\":");
    if constexpr (Json)
        *o++ = '"';
    o = putUInt(o, static_cast<std::uint32_t>(k / Baktun));
    o = putBelowBaktun(o, below);
    if constexpr (Json) {
        o = literal(o, "\",\"places\":[");
    }
    const std::int32_t places[] = {k / Baktun, below / Katun, below % Katun / Tun,
                                   below % Tun / Uinal, below % Uinal};
    for (std::size_t i = 0; i < 5; ++i) {
        if (!Json || i > 0)
            *o++ = ',';
        o = putUInt(o, static_cast<std::uint32_t>(places[i]));
    }
    if constexpr (Json) {
        std::memcpy(o, "]}", 2);
        o += 2;
    }

    o = key<Json>(o, ",\"historical_long_count\":");
    if constexpr (Json)
        *o++ = '"';
    if (dayCount < 0) {
        std::memcpy(o, "< 0.0.0.0.0.0", 13);
        o += 13;
    } else {
        const std::int32_t pictun = dayCount / Pictun;
        o = putUInt(o, static_cast<std::uint32_t>(pictun));
        *o++ = '.';
        o = putUInt(o, static_cast<std::uint32_t>((dayCount - pictun * Pictun) / Baktun));
        o = putBelowBaktun(o, below);
    }
    if constexpr (Json)
        *o++ = '"';

    const std::int32_t tzolkin = j - TzolkinBase;
    const std::int32_t number = nonNegativeRemainder(tzolkin, 13) + 1;
    const std::int32_t sign = nonNegativeRemainder(tzolkin, 20);
    o = key<Json>(o, ",\"tzolkin\":{\"number\":");
    o = putUInt(o, static_cast<std::uint32_t>(number));
    o = key<Json>(o, ",\"name_index\":");
    o = putUInt(o, static_cast<std::uint32_t>(sign + 1));
    o = key<Json>(o, ",\"name\":");
    o = name<Json>(o, SignNames[static_cast<std::size_t>(sign)]);
    const std::int32_t weekDay = nonNegativeRemainder(j - WeekBase, 7);
    o = key<Json>(o, "},\"week_day\":{\"index\":");
    o = putUInt(o, static_cast<std::uint32_t>(weekDay));
    o = key<Json>(o, ",\"name\":");
    o = name<Json>(o, WeekNames[static_cast<std::size_t>(weekDay)]);

    const std::int32_t haabPosition = nonNegativeRemainder(dayCount + HaabStart, 365);
    const HaabDay haab{haabPosition % 20, haabPosition / 20 + 1};
    const auto& month = HaabNames[static_cast<std::size_t>(haab.month - 1)];
    o = key<Json>(o, "},\"haab\":{\"day\":");
    o = putUInt(o, static_cast<std::uint32_t>(haab.day));
    o = key<Json>(o, ",\"month_index\":");
    o = putUInt(o, static_cast<std::uint32_t>(haab.month));
    o = key<Json>(o, ",\"month\":");
    o = name<Json>(o, month);
    o = key<Json>(o, "},\"calendar_round\":");
    if constexpr (Json)
        *o++ = '"';
    o = putUInt(o, static_cast<std::uint32_t>(number));
    *o++ = ' ';
    o = name<false>(o, SignNames[static_cast<std::size_t>(sign)]);
    *o++ = ' ';
    o = putUInt(o, static_cast<std::uint32_t>(haab.day));
    *o++ = ' ';
    o = name<false>(o, month);
    if constexpr (Json)
        *o++ = '"';
    o = key<Json>(o, ",\"lord_of_the_night\":");
    const std::int32_t lord = nonNegativeRemainder(dayCount, 9);
    o = putUInt(o, static_cast<std::uint32_t>(lord == 0 ? 9 : lord));
    if constexpr (Json)
        *o++ = '}';
    *o++ = '\n';
    return o;
}
} // namespace fast

class TableConverter {
public:
    TableConverter(FdWriter& out, FdWriter& err, const TableOptions& options)
        : out_(out), err_(err), options_(options), output_(options.format) {
        if (options.format == TableFormat::Csv) {
            out_.write(CsvHeader);
            out_.write('\n');
        }
    }

    // One record's fields; `line` is the number of the input line it starts on.
    void convert(const std::vector<std::string_view>& fields, long long line) {
        const bool csv = options_.input == TableInput::Csv;
        if (csv && fields.size() == 1 && TrimBlanks(fields[0]).empty())
            return; // blank lines carry no row
        if (csv && !seenRecord_ && IsHeader(fields[0])) {
            seenRecord_ = true;
            return;
        }
        seenRecord_ = true;
        if (fields.size() != 4) {
            skip(line, "it has " + std::to_string(fields.size()) + " field" +
                           (fields.size() == 1 ? "" : "s") + ", not four (month, day, year, era)");
            return;
        }
        // Comma-separated files often put a blank after each comma.
        const std::optional<std::int32_t> era = ParseEra(csv ? TrimBlanks(fields[3]) : fields[3]);
        if (!era) {
            skip(line, "its era '" + std::string(fields[3]) +
                           "' is none of A.D., AD, B.C., BC or an era index");
            return;
        }
        const DateTexts date{fields[0], fields[1], fields[2], *era};
        output_.begin();
        const std::size_t inputSize =
            fields[0].size() + fields[1].size() + fields[2].size() + fields[3].size();
        if (options_.fast && options_.format != TableFormat::Tsv && inputSize <= kFastInputs) {
            // Straight into the output's buffer, which always has room for a
            // row this short and the paddings the copies run into.
            const std::array<std::string_view, 4> inputs{fields[0], fields[1], fields[2],
                                                         fields[3]};
            char* start = out_.cursor();
            char* end = options_.format == TableFormat::Json
                            ? fast::row<true>(start, inputs, *era, options_.strict)
                            : fast::row<false>(start, inputs, *era, options_.strict);
            if (end != nullptr) {
                out_.setCursor(end);
                return;
            }
        }
        if (options_.format == TableFormat::Tsv)
            writeTsv(date, fields[3]);
        else
            writeRecord(date, fields[3]);
        output_.raw("\n");
        out_.write(output_.line());
    }

    int status() const { return skippedAny_ || (options_.strict && failedAny_) ? 1 : 0; }

private:
    void skip(long long line, const std::string& why) {
        skippedAny_ = true;
        err_.write("zentolk-cli: line " + std::to_string(line) + " skipped: " + why + "\n");
    }

    // Laid out as --tsv lays out its lines.
    void writeTsv(const DateTexts& date, std::string_view eraText) {
        for (std::string_view field : {date.Month, date.Day, date.Year, eraText}) {
            output_.text(field);
            output_.raw("\t");
        }
        std::string problem;
        ReadingStatus status = ComputeReadingTexts(date, options_.decimalSeparator, texts_);
        if (status == ReadingStatus::Ok && options_.strict) {
            ComputeReadingNumbers(date, row_.n);
            if (auto why = CalendarRangeProblem(row_.n, date.ADBC))
                problem = *why;
        }
        if (status != ReadingStatus::Ok || !problem.empty()) {
            failedAny_ = true;
            output_.text(status != ReadingStatus::Ok ? ReadingErrorMessage(status, date) : problem);
            return;
        }
        for (const FixedText& text : texts_.texts) {
            if (&text != &texts_.texts.front())
                output_.raw("\t");
            output_.raw(text.view());
        }
    }

    // The csv and json outputs: the inputs, then ok, error and the readings.
    void writeRecord(const DateTexts& date, std::string_view eraText) {
        const bool json = options_.format == TableFormat::Json;
        std::string problem;
        const ReadingStatus status = ComputeReadingNumbers(date, row_.n);
        if (status != ReadingStatus::Ok)
            problem = ReadingErrorMessage(status, date);
        else if (options_.strict)
            problem = CalendarRangeProblem(row_.n, date.ADBC).value_or(std::string());
        const bool ok = problem.empty();
        if (!ok)
            failedAny_ = true;
        else
            fillRow();

        const std::string_view keys[] = {"{\"month\":", ",\"day\":", ",\"year\":", ",\"era\":"};
        const std::string_view inputs[] = {date.Month, date.Day, date.Year, eraText};
        for (int i = 0; i < 4; ++i) {
            sep(keys[i], i > 0);
            output_.text(inputs[i]);
        }
        sep(",\"era_index\":"sv, true);
        output_.number(date.ADBC);
        sep(",\"ok\":"sv, true);
        output_.raw(json ? (ok ? "true" : "false") : (ok ? "1" : "0"));
        sep(",\"error\":"sv, true);
        if (!ok)
            output_.text(problem);
        else if (json)
            output_.raw("null");
        if (!ok) {
            if (json)
                output_.raw(
                    ",\"jdn\":null,\"exact_jdn\":null,\"days_elapsed\":null,\"days_remaining\":"
                    "null,\"elapsed_share\":null,\"remaining_share\":null,\"great_cycle\":null,"
                    "\"harmonic\":null,\"long_count\":null,\"historical_long_count\":null,"
                    "\"tzolkin\":null,\"week_day\":null,\"haab\":null,\"calendar_round\":null,"
                    "\"lord_of_the_night\":null}");
            else
                output_.raw(std::string_view(",,,,,,,,,,,,,,,,,,,,,,,,,", kReadingColumns));
            return;
        }
        const ReadingNumbers& n = row_.n;
        sep(",\"jdn\":"sv, true);
        output_.number(n.dayNumber);
        sep(",\"exact_jdn\":"sv, true);
        if (row_.hasExactJdn)
            output_.number(row_.exactJdn);
        else if (json)
            output_.raw("null");
        sep(",\"days_elapsed\":"sv, true);
        output_.number(n.cycleCount);
        sep(",\"days_remaining\":"sv, true);
        output_.number(CycleLength - n.cycleCount);
        sep(",\"elapsed_share\":"sv, true);
        output_.raw(row_.elapsed.view());
        sep(",\"remaining_share\":"sv, true);
        output_.raw(row_.remaining.view());
        sep(",\"great_cycle\":"sv, true);
        output_.text(row_.greatCycle.view());
        sep(",\"harmonic\":"sv, true);
        output_.text(row_.harmonic.view());
        sep(",\"long_count\":{\"text\":"sv, true);
        output_.text(row_.longCount.view());
        if (json) {
            output_.raw(",\"places\":[");
            for (int i = 0; i < 5; ++i) {
                if (i > 0)
                    output_.raw(",");
                output_.number(row_.places[std::size_t(i)]);
            }
            output_.raw("]}");
        } else {
            for (int place : row_.places) {
                output_.raw(",");
                output_.number(place);
            }
        }
        sep(",\"historical_long_count\":"sv, true);
        output_.text(row_.historical.view());
        sep(",\"tzolkin\":{\"number\":"sv, true);
        output_.number(n.tzolkinNumber);
        sep(",\"name_index\":"sv, true);
        output_.number(n.tzolkinSign);
        sep(",\"name\":"sv, true);
        output_.text(TzolkinSign[std::size_t(n.tzolkinSign - 1)]);
        sep("},\"week_day\":{\"index\":"sv, true);
        output_.number(n.weekDay);
        sep(",\"name\":"sv, true);
        output_.text(WeekN[std::size_t(n.weekDay)]);
        sep("},\"haab\":{\"day\":"sv, true);
        output_.number(row_.haab.day);
        sep(",\"month_index\":"sv, true);
        output_.number(row_.haab.month);
        sep(",\"month\":"sv, true);
        const std::string_view haabMonth = HaabMonth[std::size_t(row_.haab.month - 1)];
        output_.text(haabMonth);
        sep("},\"calendar_round\":"sv, true);
        // No quoting needed: numbers, names and blanks.
        if (json)
            output_.raw("\"");
        output_.number(n.tzolkinNumber);
        output_.raw(" ");
        output_.raw(TzolkinSign[std::size_t(n.tzolkinSign - 1)]);
        output_.raw(" ");
        output_.number(row_.haab.day);
        output_.raw(" ");
        output_.raw(haabMonth);
        if (json)
            output_.raw("\"");
        sep(",\"lord_of_the_night\":"sv, true);
        output_.number(row_.lord);
        if (json)
            output_.raw("}");
    }

    // Between fields: the json key, or the csv comma.
    void sep(std::string_view jsonKey, bool notFirst) {
        if (options_.format == TableFormat::Json)
            output_.raw(jsonKey);
        else if (notFirst)
            output_.raw(",");
    }

    void fillRow() {
        const ReadingNumbers& n = row_.n;
        for (FixedText* t : {&row_.greatCycle, &row_.harmonic, &row_.longCount, &row_.historical,
                             &row_.elapsed, &row_.remaining})
            t->clear();
        AppendCycleLabel(row_.greatCycle, n.dayCount);
        AppendHarmonic(row_.harmonic, n.cycleCount);
        AppendCycleLongCount(row_.longCount, n.cycleCount);
        AppendHistoricalLongCount(row_.historical, n.dayCount, n.cycleCount);
        AppendFiveDecimals(row_.elapsed, n.elapsedShare, '.');
        AppendFiveDecimals(row_.remaining, n.remainingShare, '.');
        std::size_t place = 0;
        int value = 0;
        row_.places = {};
        for (char c : row_.longCount.view()) {
            if (c == '.') {
                if (place < 4)
                    row_.places[place++] = value;
                value = 0;
            } else if (c >= '0' && c <= '9') {
                value = value * 10 + (c - '0');
            }
        }
        row_.places[place] = value;
        const std::optional<std::int64_t> exact =
            CivilToJdn(Calendar::Gregorian, {n.astronomicalYear, n.month, n.day});
        row_.hasExactJdn = exact.has_value();
        row_.exactJdn = exact.value_or(0);
        row_.haab = HaabOf(n.dayCount);
        row_.lord = LordOfTheNightOf(n.dayCount);
    }

    FdWriter& out_;
    FdWriter& err_;
    TableOptions options_;
    Output output_;
    ReadingTexts texts_;
    Row row_;
    bool seenRecord_ = false;
    bool skippedAny_ = false;
    bool failedAny_ = false;
};

// Splits the input into records: lines at tabs, or csv records (quoted
// fields may hold commas, quotes written twice and line ends).
class RecordReader {
public:
    explicit RecordReader(TableInput input) : csv_(input == TableInput::Csv) {}

    // The end of the record that begins at `start`, looking from `from` on
    // (what lies before was looked at already), or null when it goes on past
    // `end`.
    const char* recordEnd(const char* from, const char* end) {
        if (!csv_)
            return static_cast<const char*>(
                std::memchr(from, '\n', static_cast<std::size_t>(end - from)));
        while (from < end) {
            // Up to the next line end, a record ends there unless a quote
            // lies open across it.
            const auto* lf =
                static_cast<const char*>(std::memchr(from, '\n', std::size_t(end - from)));
            const char* stop = lf != nullptr ? lf : end;
            for (const char* q = from;
                 (q = static_cast<const char*>(std::memchr(q, '"', std::size_t(stop - q)))); ++q)
                quoted_ = !quoted_;
            if (lf == nullptr)
                return nullptr;
            if (!quoted_)
                return lf;
            from = lf + 1;
        }
        return nullptr;
    }
    void recordDone() { quoted_ = false; }

    const std::vector<std::string_view>& split(std::string_view record) {
        if (!record.empty() && record.back() == '\r')
            record.remove_suffix(1);
        fields_.clear();
        if (!csv_) {
            for (;;) {
                const std::size_t tab = record.find('\t');
                fields_.push_back(record.substr(0, tab));
                if (tab == std::string_view::npos)
                    return fields_;
                record.remove_prefix(tab + 1);
            }
        }
        // Quoted fields are unquoted into storage of their own.
        std::size_t used = 0;
        std::size_t at = 0;
        for (;;) {
            if (at < record.size() && record[at] == '"') {
                if (used == unquoted_.size())
                    unquoted_.emplace_back();
                std::string& field = unquoted_[used++];
                field.clear();
                ++at;
                while (at < record.size()) {
                    if (record[at] == '"') {
                        if (at + 1 < record.size() && record[at + 1] == '"') {
                            field += '"';
                            at += 2;
                            continue;
                        }
                        ++at;
                        break;
                    }
                    field += record[at++];
                }
                // Text after the closing quote is kept, as spreadsheets do.
                const std::size_t comma = record.find(',', at);
                field += record.substr(at, comma == std::string_view::npos ? comma : comma - at);
                fields_.push_back(field);
                if (comma == std::string_view::npos)
                    break;
                at = comma + 1;
            } else {
                const std::size_t comma = record.find(',', at);
                fields_.push_back(record.substr(
                    at, comma == std::string_view::npos ? std::string_view::npos : comma - at));
                if (comma == std::string_view::npos)
                    break;
                at = comma + 1;
            }
        }
        return fields_;
    }

    // Line ends inside a record, for the number of the next record's line.
    static long long linesIn(std::string_view record) {
        long long count = 0;
        for (char c : record)
            count += c == '\n';
        return count;
    }

private:
    bool csv_;
    bool quoted_ = false;
    std::vector<std::string_view> fields_;
    // A deque: growing it moves no string that a field already points into.
    std::deque<std::string> unquoted_;
};
} // namespace

int RunTable(int inFd, FdWriter& out, FdWriter& err, const TableOptions& options) {
    TableConverter converter(out, err, options);
    RecordReader reader(options.input);
    const bool csv = options.input == TableInput::Csv;
    std::vector<char> buffer(1 << 20);
    std::size_t held = 0;
    long long line = 1;
    auto convert = [&](std::string_view record) {
        converter.convert(reader.split(record), line);
        line += 1 + (csv ? RecordReader::linesIn(record) : 0);
    };
    std::size_t scanned = 0; // bytes of the held record already looked at
    for (;;) {
        if (held == buffer.size()) {
            if (held >= kLongestRecord) {
                err.write("zentolk-cli: line " + std::to_string(line) +
                          " is longer than 16 MB (an unclosed quote?); the rest is not read\n");
                return 1;
            }
            buffer.resize(buffer.size() * 2);
        }
        const ssize_t n = ::read(inFd, buffer.data() + held, buffer.size() - held);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            err.write(std::string("zentolk-cli: cannot read the input: ") + std::strerror(errno) +
                      "\n");
            return 1;
        }
        if (n == 0)
            break;
        const char* start = buffer.data();
        const char* end = buffer.data() + held + static_cast<std::size_t>(n);
        const char* from = start + scanned;
        while (const char* recordEnd = reader.recordEnd(from, end)) {
            convert(std::string_view(start, static_cast<std::size_t>(recordEnd - start)));
            reader.recordDone();
            start = from = recordEnd + 1;
        }
        held = static_cast<std::size_t>(end - start);
        scanned = held;
        std::memmove(buffer.data(), start, held);
    }
    if (held > 0)
        convert(std::string_view(buffer.data(), held));
    return converter.status();
}

} // namespace zentolk::cli
