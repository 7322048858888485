#include "cli/PlainLine.h"

#include "cli/PlainDigits.h"
#include "engine/AlmanacDay.h"
#include "engine/CivilCalendar.h"
#include "engine/DayNames.h"
#include "engine/DayNumber.h"
#include "engine/GreatCycle.h"
#include "engine/ReadingNumbers.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zentolk::cli {

using namespace plain;

namespace {
// A plain line's fields: their values, and where each begins.
struct Line {
    std::int32_t month, day, year, era;
    const char* at[5]; // at[4]: one past the era, where a separator would stand
    const char* next;  // the following line
};

// An era index as a plain number, or A.D., AD, B.C., BC in any letter case,
// ended by LF or CR LF.
[[gnu::always_inline]] inline bool readEra(const char*& p, std::int32_t& era) {
    const int first = *p | 0x20;
    if (first != 'a' && first != 'b')
        return readField(p, '\n', era);
    const int second = first == 'a' ? 'd' : 'c';
    if ((p[1] | 0x20) == second)
        p += 2;
    else if (p[1] == '.' && (p[2] | 0x20) == second && p[3] == '.')
        p += 4;
    else
        return false;
    era = first == 'a' ? 0 : EraIndexBC;
    return *p == '\n' || (*p == '\r' && p[1] == '\n');
}

[[gnu::always_inline]] inline bool readLine(const char* p, char separator, Line& line) {
    line.at[0] = p;
    if (!readField(p, separator, line.month))
        return false;
    line.at[1] = ++p;
    if (!readField(p, separator, line.day))
        return false;
    line.at[2] = ++p;
    if (!readField(p, separator, line.year))
        return false;
    line.at[3] = ++p;
    if (!readEra(p, line.era))
        return false;
    line.at[4] = p + 1;
    line.next = p + (*p == '\r' ? 2 : 1);
    return true;
}

// The readings' day, formed exactly as the engine forms it; the field limits
// keep every step inside 32 bits.
struct Day {
    std::int32_t year;     // astronomical
    std::int32_t j;        // the readings' day number
    std::int32_t dayCount; // from the start day
    std::int32_t k;        // the day of the cycle, 1 to CycleLength (0 on the start day)
};

[[gnu::always_inline]] inline Day dayOf(const Line& line) {
    Day day;
    const std::int32_t m = line.month, d = line.day;
    const std::int32_t y = line.era == EraIndexBC ? 1 - line.year : line.year;
    day.year = y;
    const std::int32_t a = (m - 14) / 12;
    day.j = 1461 * (y + 4800 + a) / 4 + 367 * (m - 2 - 12 * a) / 12 -
            3 * ((y + 4900 + a) / 100) / 4 + d - 32075;
    day.dayCount = day.j - StartDay;
    std::int32_t k = day.dayCount % CycleLength;
    if (k < 0)
        k += CycleLength;
    if (k == 0 && (day.dayCount > 0 || y != StartYear))
        k = CycleLength;
    day.k = k;
    return day;
}

// Whether the month and day exist in the Gregorian calendar.
bool isReal(const Line& line, const Day& day) {
    const std::int32_t m = line.month, d = line.day, y = day.year;
    static constexpr std::int32_t monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || d < 1)
        return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= monthDays[std::size_t(m - 1)] + (m == 2 && leap);
}

// The true day number of a real date, with floor division throughout; false
// outside the calendar's range.
bool exactDayNumber(const Line& line, const Day& day, std::int32_t& jdn) {
    const std::int32_t m = line.month;
    const std::int64_t shifted = std::int64_t{day.year} + 4800 - (m <= 2);
    const std::int64_t era400 = (shifted >= 0 ? shifted : shifted - 399) / 400;
    const std::int64_t yearOfEra = shifted - era400 * 400;
    const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + line.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const std::int64_t exact = era400 * 146097 + dayOfEra - 32044;
    jdn = static_cast<std::int32_t>(exact);
    return exact >= MinJdn && exact <= MaxJdn;
}

// --tsv's ten readings after the four fields, and the line end.
[[gnu::always_inline]] inline char* putTsvReadings(char* o, const Day& day, char separator) {
    o = putCycleLabel(o, day.dayCount);
    *o++ = '\t';
    const std::int32_t k = day.k;
    o = putGrouped(o, static_cast<std::uint32_t>(k));
    *o++ = '\t';
    const float elapsed = ElapsedShare(k);
    o = putShare(o, elapsed, separator);
    *o++ = '\t';
    o = putGrouped(o, static_cast<std::uint32_t>(CycleLength - k));
    *o++ = '\t';
    o = putShare(o, RemainingShare(elapsed), separator);
    *o++ = '\t';
    o = putHarmonic(o, k);
    *o++ = '\t';
    o = putUInt(o, static_cast<std::uint32_t>(k / Baktun));
    o = putBelowBaktun(o, k % Baktun);
    *o++ = '\t';
    o = putHistorical(o, day.dayCount, k % Baktun);
    *o++ = '\t';

    const std::int32_t tzolkin = day.j - TzolkinBase;
    o = putUInt(o, static_cast<std::uint32_t>(nonNegativeRemainder(tzolkin, 13) + 1));
    std::memcpy(o, "  ", 2);
    o += 2;
    const auto& sign = DayNames[static_cast<std::size_t>(nonNegativeRemainder(tzolkin, 20))];
    std::memcpy(o, sign.text, sizeof sign.text);
    o += sign.size;
    *o++ = '\t';
    const auto& weekDay =
        WeekNames[static_cast<std::size_t>(nonNegativeRemainder(day.j - WeekBase, 7))];
    std::memcpy(o, weekDay.text, sizeof weekDay.text);
    o += weekDay.size;
    *o++ = '\n';
    return o;
}

// The csv and json rows' fields that follow from a place in a cycle, made
// once as runs of bytes with their keys or commas: a row copies them whole.
template <std::size_t Width> struct Run {
    char text[Width];
    std::size_t size;
};

template <std::size_t Width> char* put(char* o, const Run<Width>& run) {
    std::memcpy(o, run.text, Width);
    return o + run.size;
}

template <std::size_t Width> Run<Width> makeRun(std::initializer_list<std::string_view> parts) {
    Run<Width> run{};
    for (const std::string_view part : parts) {
        if (run.size + part.size() > Width)
            std::abort(); // a table below is too narrow: caught by any test
        std::memcpy(run.text + run.size, part.data(), part.size());
        run.size += part.size();
    }
    return run;
}

struct CycleRuns {
    std::array<Run<64>, 260> tzolkin;      // number, name index and name
    std::array<Run<48>, 7> week;           // index and name
    std::array<Run<64>, 365> haab;         // day, month index and month
    std::array<Run<32>, 260> roundTzolkin; // the calendar round's first half
    std::array<Run<16>, 365> roundHaab;    // and its second
    std::array<Run<32>, 9> lord;           // the lord of the night, and the line end

    explicit CycleRuns(bool json) {
        const auto n = [](int v) { return std::to_string(v); };
        for (std::size_t t = 0; t < 260; ++t) {
            const std::string number = n(int(t % 13 + 1)), index = n(int(t % 20 + 1));
            const std::string_view name = TzolkinSign[t % 20];
            tzolkin[t] = json
                             ? makeRun<64>({",\"tzolkin\":{\"number\":", number,
                                            ",\"name_index\":", index, ",\"name\":\"", name, "\"}"})
                             : makeRun<64>({",", number, ",", index, ",", name});
            roundTzolkin[t] =
                makeRun<32>({json ? ",\"calendar_round\":\"" : ",", number, " ", name, " "});
        }
        for (std::size_t w = 0; w < 7; ++w) {
            const std::string index = n(int(w));
            week[w] = json ? makeRun<48>({",\"week_day\":{\"index\":", index, ",\"name\":\"",
                                          WeekN[w], "\"}"})
                           : makeRun<48>({",", index, ",", WeekN[w]});
        }
        for (std::size_t h = 0; h < 365; ++h) {
            const std::string day = n(int(h % 20)), month = n(int(h / 20 + 1));
            const std::string_view name = HaabMonth[h / 20];
            haab[h] = json ? makeRun<64>({",\"haab\":{\"day\":", day, ",\"month_index\":", month,
                                          ",\"month\":\"", name, "\"}"})
                           : makeRun<64>({",", day, ",", month, ",", name});
            roundHaab[h] = makeRun<16>({day, " ", name});
        }
        for (std::size_t l = 0; l < 9; ++l)
            lord[l] = makeRun<32>({json ? "\",\"lord_of_the_night\":" : ",", n(l == 0 ? 9 : int(l)),
                                   json ? "}\n" : "\n"});
    }
};

template <std::size_t N> char* literal(char* o, const char (&text)[N]) {
    std::memcpy(o, text, N - 1);
    return o + N - 1;
}

// A plain field as it stands: it needs neither quoting nor escaping.
char* field(char* o, const Line& line, int i) {
    std::memcpy(o, line.at[i], 8); // a plain field is at most 8 bytes
    return o + (line.at[i + 1] - line.at[i] - 1);
}

char* share(char* o, float value) {
    return putShare(o, value, '.') - 1; // without the "%"
}

// The Long Count's places, `mark` between them.
char* putPlaces(char* o, char mark, std::int32_t baktun,
                const std::array<std::int32_t, 4>& places) {
    o = putUInt(o, static_cast<std::uint32_t>(baktun));
    for (const std::int32_t place : places) {
        std::memcpy(o, Digits.dotted[place], 4);
        *o = mark;
        o += Digits.dottedSize[place];
    }
    return o;
}

// A csv or json row of a plain line.
template <bool Json> const CycleRuns& cycleRuns() {
    static const CycleRuns runs(Json);
    return runs;
}

// A csv or json row's inputs and era index.
template <bool Json, char Separator> char* putInputs(char* o, const Line& line) {
    if constexpr (Json) {
        o = literal(o, "{\"month\":\"");
        o = field(o, line, 0);
        o = literal(o, "\",\"day\":\"");
        o = field(o, line, 1);
        o = literal(o, "\",\"year\":\"");
        o = field(o, line, 2);
        o = literal(o, "\",\"era\":\"");
        o = field(o, line, 3);
        o = literal(o, "\",\"era_index\":");
    } else {
        // The line as it stands, its separators made commas.
        std::memcpy(o, line.at[0], 40);
        const auto size = static_cast<std::size_t>(line.at[4] - line.at[0] - 1);
        if constexpr (Separator != ',')
            for (int i = 1; i < 4; ++i)
                o[line.at[i] - line.at[0] - 1] = ',';
        o += size;
        *o++ = ',';
    }
    return putSigned(o, line.era);
}

template <bool Json, char Separator>
char* putRecord(char* o, const Line& line, const Day& day, bool real, const CycleRuns& runs) {
    o = putInputs<Json, Separator>(o, line);
    o = Json ? literal(o, ",\"ok\":true,\"error\":null,\"jdn\":") : literal(o, ",1,,");
    o = putSigned(o, day.j);
    o = Json ? literal(o, ",\"exact_jdn\":") : literal(o, ",");
    std::int32_t exact;
    if (real && exactDayNumber(line, day, exact))
        o = putSigned(o, exact);
    else if constexpr (Json)
        o = literal(o, "null");
    const std::int32_t k = day.k;
    o = Json ? literal(o, ",\"days_elapsed\":") : literal(o, ",");
    o = putUInt(o, static_cast<std::uint32_t>(k));
    o = Json ? literal(o, ",\"days_remaining\":") : literal(o, ",");
    o = putUInt(o, static_cast<std::uint32_t>(CycleLength - k));
    const float elapsed = ElapsedShare(k);
    o = Json ? literal(o, ",\"elapsed_share\":") : literal(o, ",");
    o = share(o, elapsed);
    o = Json ? literal(o, ",\"remaining_share\":") : literal(o, ",");
    o = share(o, RemainingShare(elapsed));
    o = Json ? literal(o, ",\"great_cycle\":\"") : literal(o, ",");
    o = putCycleLabel(o, day.dayCount);
    // A fraction's step is written with thousands separators: quoted in csv.
    const bool quoted = Json || (k % 14625 == 0 && k != 0);
    o = Json ? literal(o, "\",\"harmonic\":\"") : quoted ? literal(o, ",\"") : literal(o, ",");
    o = putHarmonic(o, k);
    if (quoted)
        *o++ = '"';

    const std::int32_t below = k % Baktun;
    const std::array<std::int32_t, 4> places{below / Katun, below % Katun / Tun,
                                             below % Tun / Uinal, below % Uinal};
    o = Json ? literal(o, ",\"long_count\":{\"text\":\"") : literal(o, ",");
    o = putPlaces(o, '.', k / Baktun, places);
    o = Json ? literal(o, "\",\"places\":[") : literal(o, ",");
    o = putPlaces(o, ',', k / Baktun, places);
    o = Json ? literal(o, "]},\"historical_long_count\":\"") : literal(o, ",");
    o = putHistorical(o, day.dayCount, below);
    if constexpr (Json)
        *o++ = '"';

    const auto tzolkin = static_cast<std::size_t>(nonNegativeRemainder(day.j - TzolkinBase, 260));
    const auto haab = static_cast<std::size_t>(
        nonNegativeRemainder(day.dayCount + (17 * 20 + 8), 365)); // the start day: 8 Cumku
    o = put(o, runs.tzolkin[tzolkin]);
    o = put(o, runs.week[static_cast<std::size_t>(nonNegativeRemainder(day.j - WeekBase, 7))]);
    o = put(o, runs.haab[haab]);
    o = put(o, runs.roundTzolkin[tzolkin]);
    o = put(o, runs.roundHaab[haab]);
    return put(o, runs.lord[static_cast<std::size_t>(nonNegativeRemainder(day.dayCount, 9))]);
}

// A tsv row's four fields as the line holds them, each followed by a tab.
template <char Separator> char* putTsvInputs(char* o, const char* start, const Line& line) {
    // One fixed-size copy: the fields are shorter, and the input holds slack.
    std::memcpy(o, start, 40);
    if constexpr (Separator != '\t')
        for (int i = 1; i < 4; ++i)
            o[line.at[i] - start - 1] = '\t';
    o += line.at[4] - start;
    o[-1] = '\t';
    return o;
}

// A date outside its calendar under --strict: an error row, worded as the
// engine's path words it (the reason needs no quoting or escaping).
template <TableFormat Format, char Separator>
char* putCalendarError(char* o, const char* start, const Line& line, const Day& day) {
    ReadingNumbers date;
    date.month = line.month;
    date.day = line.day;
    date.year = line.year;
    date.astronomicalYear = day.year;
    if constexpr (Format == TableFormat::Tsv) {
        o = putTsvInputs<Separator>(o, start, line);
    } else if constexpr (Format == TableFormat::Csv) {
        o = putInputs<false, Separator>(o, line);
        o = literal(o, ",0,");
    } else {
        o = putInputs<true, Separator>(o, line);
        o = literal(o, ",\"ok\":false,\"error\":\"");
    }
    o += WriteCalendarRangeProblem(date, line.era, o);
    if constexpr (Format != TableFormat::Tsv) {
        if constexpr (Format == TableFormat::Json)
            *o++ = '"';
        const std::string_view rest =
            Format == TableFormat::Json ? JsonFailedReadings : CsvFailedReadings;
        std::memcpy(o, rest.data(), rest.size());
        o += rest.size();
    }
    *o++ = '\n';
    return o;
}

template <TableFormat Format, bool Strict, char Separator>
const char* convertLines(const char* start, long long& lineNumber, FdWriter& out,
                         const PlainRows& rows, bool& failed) {
    constexpr bool json = Format == TableFormat::Json;
    const CycleRuns* runs = nullptr;
    if constexpr (Format != TableFormat::Tsv)
        runs = &cycleRuns<json>();
    char* o = out.cursor();
    const char* const limit = out.limit();
    Line line;
    while (readLine(start, Separator, line)) {
        const Day day = dayOf(line);
        const bool real = (Strict || Format != TableFormat::Tsv) && isReal(line, day);
        if (o >= limit) {
            out.setCursor(o);
            o = out.cursor();
        }
        if (Strict && !real) {
            o = putCalendarError<Format, Separator>(o, start, line, day);
            failed = true;
        } else if constexpr (Format == TableFormat::Tsv) {
            o = putTsvInputs<Separator>(o, start, line);
            o = putTsvReadings(o, day, rows.decimalSeparator);
        } else {
            o = putRecord<json, Separator>(o, line, day, real, *runs);
        }
        ++lineNumber;
        start = line.next;
    }
    out.setCursor(o);
    return start;
}

template <TableFormat Format, char Separator>
const char* convertLines(const char* start, long long& line, FdWriter& out, const PlainRows& rows,
                         bool& failed) {
    return rows.strict ? convertLines<Format, true, Separator>(start, line, out, rows, failed)
                       : convertLines<Format, false, Separator>(start, line, out, rows, failed);
}

template <TableFormat Format>
const char* convertLines(const char* start, long long& line, FdWriter& out, const PlainRows& rows,
                         bool& failed) {
    return rows.inputSeparator == ',' ? convertLines<Format, ','>(start, line, out, rows, failed)
                                      : convertLines<Format, '\t'>(start, line, out, rows, failed);
}
} // namespace

const char* ConvertPlainLines(const char* start, const char* end, long long& line, FdWriter& out,
                              const PlainRows& rows, bool& failed) {
    (void)end; // the NUL there ends every plain field
    switch (rows.format) {
    case TableFormat::Tsv:
        return convertLines<TableFormat::Tsv>(start, line, out, rows, failed);
    case TableFormat::Csv:
        return convertLines<TableFormat::Csv>(start, line, out, rows, failed);
    case TableFormat::Json:
        return convertLines<TableFormat::Json>(start, line, out, rows, failed);
    }
    return start;
}

} // namespace zentolk::cli
