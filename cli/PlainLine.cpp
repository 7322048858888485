#include "cli/PlainLine.h"

#include "cli/PlainFields.h"
#include "cli/TableColumns.h"
#include "engine/AlmanacInput.h"
#include "engine/CivilCalendar.h"
#include "engine/DayCycles.h"
#include "engine/Names.h"
#include "engine/ReadingDay.h"
#include "engine/ReadingWriters.h"
#include "engine/TextWriters.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace zentolk::cli {

namespace {
using Line = PlainFields;

// --tsv's ten readings after the four fields, and the line end.
[[gnu::always_inline]] inline char* putTsvReadings(char* o, const ReadingDay& day, char separator) {
    WriteReadings(
        day, separator, [&o](ReadingField) { return o; },
        [&o](ReadingField field, char* end) {
            *end = field == ReadingField::WeekD ? '\n' : '\t';
            o = end + 1;
        });
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

// Indexed by the engine's positions: Tzolkin and Haab position, week day,
// Lord of the Night (1 to 9). Each run is its first column's gap (quoted:
// the previous text's closing quote, this one's opening one), then that
// column's value and those of the columns it holds with their gaps.
template <bool Json> struct CycleRuns {
    static constexpr TableFormat Format = Json ? TableFormat::Json : TableFormat::Csv;
    // Widths that hold the longest run: a csv row copies less.
    static constexpr std::size_t Wide = Json ? 64 : 16, Middle = Json ? 48 : 16,
                                 Narrow = Json ? 32 : 16;
    std::array<Run<Wide>, TzolkinDays> tzolkin;        // number, name index and name
    std::array<Run<Middle>, 7> week;                   // index and name
    std::array<Run<Wide>, HaabDays> haab;              // day, month index and month
    std::array<Run<Middle>, TzolkinDays> roundTzolkin; // the calendar round's first half
    std::array<Run<16>, HaabDays> roundHaab;           // and its second
    std::array<Run<Narrow>, 10> lord;                  // the lord of the night

    template <Column C> static constexpr std::string_view gap = Gap<Format, C, true>;

    CycleRuns() {
        const auto n = [](int v) { return std::to_string(v); };
        for (int t = 0; t < TzolkinDays; ++t) {
            const TzolkinDay day = TzolkinAt(t);
            const std::string number = n(day.number), index = n(day.sign);
            const std::string_view name = TzolkinSign[std::size_t(day.sign - 1)];
            tzolkin[std::size_t(t)] =
                makeRun<Wide>({gap<Column::TzolkinNumber>, number, gap<Column::TzolkinNameIndex>,
                               index, gap<Column::TzolkinName>, name});
            roundTzolkin[std::size_t(t)] =
                makeRun<Middle>({gap<Column::CalendarRound>, number, " ", name, " "});
        }
        for (std::size_t w = 0; w < 7; ++w)
            week[w] = makeRun<Middle>(
                {gap<Column::WeekDayIndex>, n(int(w)), gap<Column::WeekDay>, WeekN[w]});
        for (int h = 0; h < HaabDays; ++h) {
            const HaabDay haabDay = HaabAt(h);
            const std::string day = n(haabDay.day), month = n(haabDay.month);
            const std::string_view name = HaabMonth[std::size_t(haabDay.month - 1)];
            haab[std::size_t(h)] =
                makeRun<Wide>({gap<Column::HaabDay>, day, gap<Column::HaabMonthIndex>, month,
                               gap<Column::HaabMonth>, name});
            roundHaab[std::size_t(h)] = makeRun<16>({day, " ", name});
        }
        for (int l = 1; l <= 9; ++l)
            lord[std::size_t(l)] = makeRun<Narrow>({gap<Column::LordOfTheNight>, n(l)});
    }
};

using columns::GapPiece;
using columns::PieceOf;

// The values of ok, of a value that is absent, and marks.
template <TableFormat Format, bool Ok>
inline constexpr auto OkValue = PieceOf(Format == TableFormat::Json ? (Ok ? "true" : "false")
                                                                    : (Ok ? "1" : "0"));
template <TableFormat Format>
inline constexpr auto NoValue = PieceOf(Format == TableFormat::Json ? "null" : "");
inline constexpr auto Quote = PieceOf("\""), LineEnd = PieceOf("\n");

// A plain field as it stands: it needs neither quoting nor escaping.
char* field(char* o, const Line& line, int i) {
    std::memcpy(o, line.at[i], 8); // a plain field is at most 8 bytes
    return o + (line.at[i + 1] - line.at[i] - 1);
}

char* share(char* o, float value) {
    return PutFiveDecimals(o, value, '.');
}

// A csv or json row of a plain line.
template <bool Json> const CycleRuns<Json>& cycleRuns() {
    static const CycleRuns<Json> runs;
    return runs;
}

// A csv or json row's inputs and era index.
template <bool Json, char Separator> char* putInputs(char* o, const Line& line) {
    constexpr TableFormat Format = Json ? TableFormat::Json : TableFormat::Csv;
    ForEachColumn<Column::Month, Column::EraIndex>([&](auto column) __attribute__((always_inline)) {
        constexpr Column c = column;
        if constexpr (c == Column::EraIndex) {
            o = ConstantText<GapPiece<Format, c, true>>(o);
            o = PutSigned(o, line.era);
        } else if constexpr (Json) {
            o = ConstantText<GapPiece<Format, c, true>>(o);
            o = field(o, line, int(c));
        } else if constexpr (c == Column::Month) {
            // The line as it stands, its separators made the gaps' commas.
            static_assert(Gap<Format, Column::Day> == "," && Gap<Format, Column::Era> == ",");
            std::memcpy(o, line.at[0], 40);
            const auto size = static_cast<std::size_t>(line.at[4] - line.at[0] - 1);
            if constexpr (Separator != ',')
                for (int i = 1; i < 4; ++i)
                    o[line.at[i] - line.at[0] - 1] = ',';
            o += size;
        }
    });
    return o;
}

// With Exact every value but jdn and day_shift is of the date's true day.
template <bool Json, char Separator, bool Exact>
char* putRecord(char* o, const Line& line, const ReadingDay& calculatorDay, bool real,
                const CycleRuns<Json>& runs) {
    constexpr TableFormat Format = Json ? TableFormat::Json : TableFormat::Csv;
    const ReadingDay& calculator = calculatorDay;
    const std::optional<std::int64_t> exact =
        real ? ExactDayNumberOfRealDate(calculator, line.month, line.day) : std::nullopt;
    // Exact rows are of dates that exist (the others are error rows).
    const ReadingDay day = Exact ? ExactReadingDay(calculator, exact.value_or(0)) : calculator;
    // What day_shift will say (GCC loses track of the optional by then).
    const bool shifted = exact.has_value();
    const std::int64_t shift = exact.value_or(0) - calculator.dayNumber;
    const std::int32_t k = day.cycleCount;
    // Values that more than one column writes, each found where first
    // written: kept for the rest of the row, not over the whole of it.
    float elapsed = 0;
    LongCountPlaces places;
    char *jdn = nullptr, *cycleText = nullptr, *cycleEnd = nullptr;
    std::size_t jdnSize = 0, tzolkin = 0, haab = 0;
    o = putInputs<Json, Separator>(o, line);
    ForEachColumn<Column::Ok>([&](auto column) __attribute__((always_inline)) {
        constexpr Column c = column;
        // Each value after its gap (quoted: with the quotes of texts).
        const auto gap = [&]() __attribute__((always_inline)) {
            o = ConstantText<GapPiece<Format, c, true>>(o);
        };
        if constexpr (c == Column::Ok) {
            // ok, the absent error and the gap after it: one constant.
            o = ConstantText<Joined<GapPiece<Format, c, true>, OkValue<Format, true>,
                                    GapPiece<Format, Column::Error, false>, NoValue<Format>,
                                    GapPiece<Format, Column::Jdn, false>>>(o);
        } else if constexpr (c == Column::Error) {
            // with ok
        } else if constexpr (c == Column::Jdn) {
            jdn = o;
            o = PutSignedCount(o, calculator.dayNumber);
            jdnSize = static_cast<std::size_t>(o - jdn);
        } else if constexpr (c == Column::ExactJdn) {
            gap();
            if (exact && *exact == calculator.dayNumber) { // mostly: the same text again
                std::memmove(o, jdn, 16);                  // "-2147483648" at most, and slack
                o += jdnSize;
            } else if (exact) {
                o = PutSigned(o, *exact);
            } else {
                o = ConstantText<NoValue<Format>>(o);
            }
        } else if constexpr (c == Column::DaysElapsed) {
            gap();
            o = PutCount(o, static_cast<std::uint32_t>(k));
        } else if constexpr (c == Column::DaysRemaining) {
            gap();
            o = PutCount(o, static_cast<std::uint32_t>(CycleLength - k));
        } else if constexpr (c == Column::ElapsedShare) {
            gap();
            elapsed = ElapsedShare(k);
            o = share(o, elapsed);
        } else if constexpr (c == Column::RemainingShare) {
            gap();
            o = share(o, RemainingShare(elapsed));
        } else if constexpr (c == Column::GreatCycle) {
            gap();
            o = PutCycleLabel(o, CycleNumber(day.dayCount));
        } else if constexpr (c == Column::Harmonic) {
            // A fraction's step is written with thousands separators: quoted in csv.
            const Harmonic harmonic = HarmonicOf(k);
            const bool quoted = !Json && harmonic.kind == Harmonic::Fraction;
            o = quoted ? ConstantText<Joined<GapPiece<Format, c, false>, Quote>>(o)
                       : ConstantText<GapPiece<Format, c, true>>(o);
            o = PutHarmonic(o, harmonic);
            if (quoted)
                *o++ = '"';
        } else if constexpr (c == Column::LongCount) {
            gap();
            places = CycleLongCountOf(k);
            cycleText = o;
            o = cycleEnd = PutPlaces(o, places);
        } else if constexpr (c == Column::Baktun) {
            static_assert(Gap<Format, Column::Katun> == "," && Gap<Format, Column::Kin> == ",");
            gap();
            o = PutPlaces<','>(o, places);
        } else if constexpr (c >= Column::Katun && c <= Column::Kin) {
            // with the baktun
        } else if constexpr (c == Column::HistoricalLongCount) {
            gap();
            o = PutHistoricalLongCountAfter(o, day.dayCount, places, cycleText, cycleEnd);
        } else if constexpr (c == Column::TzolkinNumber) {
            tzolkin = static_cast<std::size_t>(TzolkinPosition(day.dayCount));
            o = put(o, runs.tzolkin[tzolkin]);
        } else if constexpr (c == Column::WeekDayIndex) {
            o = put(o, runs.week[static_cast<std::size_t>(WeekDayOf(day.dayCount))]);
        } else if constexpr (c == Column::HaabDay) {
            haab = static_cast<std::size_t>(HaabPosition(day.dayCount));
            o = put(o, runs.haab[haab]);
        } else if constexpr (c == Column::CalendarRound) {
            o = put(o, runs.roundTzolkin[tzolkin]);
            o = put(o, runs.roundHaab[haab]);
        } else if constexpr (c == Column::LordOfTheNight) {
            o = put(o, runs.lord[static_cast<std::size_t>(LordOfTheNightOf(day.dayCount))]);
        } else if constexpr (c == Column::TzolkinNameIndex || c == Column::TzolkinName ||
                             c == Column::WeekDay || c == Column::HaabMonthIndex ||
                             c == Column::HaabMonth) {
            // in their runs
        } else if constexpr (c == Column::DayShift) {
            gap();
            o = shifted ? PutSigned(o, -shift) : ConstantText<NoValue<Format>>(o);
        } else {
            static_assert(UnwrittenColumn<c>);
        }
    });
    return ConstantText<Joined<columns::EndPiece<Format, true>, LineEnd>>(o);
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
char* putCalendarError(char* o, const char* start, const Line& line, const ReadingDay& day,
                       bool padded) {
    if constexpr (Format == TableFormat::Tsv) {
        o = putTsvInputs<Separator>(o, start, line);
    } else {
        constexpr bool json = Format == TableFormat::Json;
        o = putInputs < json, json ? '\t' : Separator > (o, line);
        o = ConstantText<Joined<GapPiece<Format, Column::Ok, true>, OkValue<Format, false>,
                                GapPiece<Format, Column::Error, true>>>(o);
    }
    o += WriteCalendarRangeProblem({line.month, line.day, line.year}, day.astronomicalYear,
                                   line.era, o);
    if constexpr (Format != TableFormat::Tsv) {
        if constexpr (Format == TableFormat::Json)
            *o++ = '"';
        const std::string_view rest =
            Format == TableFormat::Json ? JsonFailedReadings : CsvFailedReadings;
        std::memcpy(o, rest.data(), rest.size());
        o += rest.size();
    } else if (padded) {
        std::memcpy(o, TsvErrorPadding.data(), TsvErrorPadding.size());
        o += TsvErrorPadding.size();
    }
    *o++ = '\n';
    return o;
}

// Exact (which implies Strict): the readings of the date's true day.
template <TableFormat Format, bool Strict, bool Exact, char Separator>
const char* convertLines(const char* start, long long& lineNumber, FdWriter& out,
                         const PlainRows& rows, bool& failed) {
    constexpr bool json = Format == TableFormat::Json;
    // A json row is the same whatever separated the line's fields: one writer.
    constexpr char RecordSeparator = json ? '\t' : Separator;
    const CycleRuns<json>* runs = nullptr;
    if constexpr (Format != TableFormat::Tsv)
        runs = &cycleRuns<json>();
    char* o = out.cursor();
    const char* const limit = out.limit();
    Line line;
    while (ReadPlainLine(start, Separator, line)) {
        const ReadingDay day = ReadingDayOfPlainFields(line.month, line.day, line.year, line.era);
        if (!YearInRange(day.astronomicalYear))
            break; // the engine's path words the error row
        const bool real =
            (Strict || Format != TableFormat::Tsv) &&
            DateExists(Calendar::Gregorian, day.astronomicalYear, line.month, line.day);
        if (o >= limit) {
            out.setCursor(o);
            o = out.cursor();
        }
        if (Strict && !real) {
            o = putCalendarError<Format, Separator>(o, start, line, day, rows.header);
            failed = true;
        } else if constexpr (Format == TableFormat::Tsv) {
            o = putTsvInputs<Separator>(o, start, line);
            o = putTsvReadings(
                o,
                Exact ? ExactReadingDay(day, *ExactDayNumberOfRealDate(day, line.month, line.day))
                      : day,
                rows.decimalSeparator);
        } else {
            o = putRecord<json, RecordSeparator, Exact>(o, line, day, real, *runs);
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
    if (rows.exact)
        return convertLines<Format, true, true, Separator>(start, line, out, rows, failed);
    return rows.strict
               ? convertLines<Format, true, false, Separator>(start, line, out, rows, failed)
               : convertLines<Format, false, false, Separator>(start, line, out, rows, failed);
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
