#pragma once

// The calculator table's columns, listed once. The csv header, the json keys
// and their nesting, the texts between values, a failed row's empty readings
// and the tsv header are made from this list at compile time, and both row
// writers (the engine's path and the fast path) walk it in order with
// ForEachColumn: a column added here does not compile until each writes it.

#include "cli/Table.h"
#include "engine/Reading.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <utility>

namespace zentolk::cli {

enum class Column : std::uint8_t {
    Month,
    Day,
    Year,
    Era,
    EraIndex,
    Ok,
    Error,
    Jdn,
    ExactJdn,
    DaysElapsed,
    DaysRemaining,
    ElapsedShare,
    RemainingShare,
    GreatCycle,
    Harmonic,
    LongCount,
    Baktun,
    Katun,
    Tun,
    Uinal,
    Kin,
    HistoricalLongCount,
    TzolkinNumber,
    TzolkinNameIndex,
    TzolkinName,
    WeekDayIndex,
    WeekDay,
    HaabDay,
    HaabMonthIndex,
    HaabMonth,
    CalendarRound,
    LordOfTheNight,
    DayShift,
};

// The json key of an element of an array.
inline constexpr std::string_view Element = "[]";

struct ColumnSpec {
    Column column;
    std::string_view csv; // its name in the csv header
    // Its json path: the keys of the objects (or arrays) that hold it, then
    // its own key, or Element in an array.
    std::array<std::string_view, 3> json;
    bool text; // a json string; in csv quoted where it needs to be
};

inline constexpr ColumnSpec Columns[] = {
    {Column::Month, "month", {"month"}, true},
    {Column::Day, "day", {"day"}, true},
    {Column::Year, "year", {"year"}, true},
    {Column::Era, "era", {"era"}, true},
    {Column::EraIndex, "era_index", {"era_index"}, false},
    {Column::Ok, "ok", {"ok"}, false},
    {Column::Error, "error", {"error"}, true},
    {Column::Jdn, "jdn", {"jdn"}, false},
    {Column::ExactJdn, "exact_jdn", {"exact_jdn"}, false},
    {Column::DaysElapsed, "days_elapsed", {"days_elapsed"}, false},
    {Column::DaysRemaining, "days_remaining", {"days_remaining"}, false},
    {Column::ElapsedShare, "elapsed_share", {"elapsed_share"}, false},
    {Column::RemainingShare, "remaining_share", {"remaining_share"}, false},
    {Column::GreatCycle, "great_cycle", {"great_cycle"}, true},
    {Column::Harmonic, "harmonic", {"harmonic"}, true},
    {Column::LongCount, "long_count", {"long_count", "text"}, true},
    {Column::Baktun, "baktun", {"long_count", "places", Element}, false},
    {Column::Katun, "katun", {"long_count", "places", Element}, false},
    {Column::Tun, "tun", {"long_count", "places", Element}, false},
    {Column::Uinal, "uinal", {"long_count", "places", Element}, false},
    {Column::Kin, "kin", {"long_count", "places", Element}, false},
    {Column::HistoricalLongCount, "historical_long_count", {"historical_long_count"}, true},
    {Column::TzolkinNumber, "tzolkin_number", {"tzolkin", "number"}, false},
    {Column::TzolkinNameIndex, "tzolkin_name_index", {"tzolkin", "name_index"}, false},
    {Column::TzolkinName, "tzolkin_name", {"tzolkin", "name"}, true},
    {Column::WeekDayIndex, "week_day_index", {"week_day", "index"}, false},
    {Column::WeekDay, "week_day", {"week_day", "name"}, true},
    {Column::HaabDay, "haab_day", {"haab", "day"}, false},
    {Column::HaabMonthIndex, "haab_month_index", {"haab", "month_index"}, false},
    {Column::HaabMonth, "haab_month", {"haab", "month"}, true},
    {Column::CalendarRound, "calendar_round", {"calendar_round"}, true},
    {Column::LordOfTheNight, "lord_of_the_night", {"lord_of_the_night"}, false},
    {Column::DayShift, "day_shift", {"day_shift"}, false},
};
inline constexpr std::size_t ColumnCount = std::size(Columns);

// The tsv output's readings after the four inputs: the engine's ten, in its
// order (WriteReadings).
inline constexpr std::array<std::string_view, ReadingFieldCount> TsvReadingNames = {
    "great_cycle", "days_elapsed", "elapsed_share",         "days_remaining", "remaining_share",
    "harmonic",    "long_count",   "historical_long_count", "tzolkin",        "week_day",
};

namespace columns {
// Text made at compile time. A writer copies it with a size known then, not
// through a view read at run time (ConstantText).
template <std::size_t Capacity> struct Piece {
    char text[Capacity]{};
    std::size_t size = 0;

    constexpr Piece& operator+=(std::string_view s) {
        for (const char c : s)
            text[size++] = c; // past Capacity: not a constant expression
        return *this;
    }
    constexpr std::string_view view() const { return {text, size}; }
};
template <std::size_t Capacity = 64> constexpr Piece<Capacity> PieceOf(std::string_view s) {
    Piece<Capacity> p;
    p += s;
    return p;
}

constexpr int depthOf(const ColumnSpec& c) {
    int depth = 0;
    while (depth < 3 && !c.json[std::size_t(depth)].empty())
        ++depth;
    return depth;
}

constexpr bool indexed() {
    for (std::size_t i = 0; i < ColumnCount; ++i)
        if (Columns[i].column != Column(i) || depthOf(Columns[i]) == 0)
            return false;
    return true;
}
static_assert(indexed(), "Columns lists every Column once, in the enum's order, each with a key");

// What json writes before column i's value: the closing of the objects and
// arrays the previous value was in and this one is not, the comma, the
// opening of those this one is in, its key. With quoted, the quotes of the
// text values on either side as well.
constexpr Piece<64> jsonGap(std::size_t i, bool quoted) {
    Piece<64> p;
    const ColumnSpec& b = Columns[i];
    const int inB = depthOf(b) - 1; // how many objects and arrays hold it
    int common = 0;
    if (i == 0) {
        p += "{";
    } else {
        const ColumnSpec& a = Columns[i - 1];
        if (quoted && a.text)
            p += "\"";
        const int inA = depthOf(a) - 1;
        while (common < inA && common < inB &&
               a.json[std::size_t(common)] == b.json[std::size_t(common)])
            ++common;
        for (int level = inA - 1; level >= common; --level)
            p += a.json[std::size_t(level + 1)] == Element ? "]" : "}";
        p += ",";
    }
    for (int level = common; level < inB; ++level) {
        p += "\"";
        p += b.json[std::size_t(level)];
        p += "\":";
        p += b.json[std::size_t(level + 1)] == Element ? "[" : "{";
    }
    if (b.json[std::size_t(inB)] != Element) {
        p += "\"";
        p += b.json[std::size_t(inB)];
        p += "\":";
    }
    if (quoted && b.text)
        p += "\"";
    return p;
}

// What json writes after the last value: its quote, if asked for, and every
// closing.
constexpr Piece<64> jsonEnd(bool quoted) {
    Piece<64> p;
    const ColumnSpec& last = Columns[ColumnCount - 1];
    if (quoted && last.text)
        p += "\"";
    for (int level = depthOf(last) - 2; level >= 0; --level)
        p += last.json[std::size_t(level + 1)] == Element ? "]" : "}";
    p += "}";
    return p;
}

constexpr Piece<1024> csvHeader() {
    Piece<1024> p;
    for (std::size_t i = 0; i < ColumnCount; ++i) {
        if (i > 0)
            p += ",";
        p += Columns[i].csv;
    }
    return p;
}

constexpr Piece<512> tsvHeader() {
    Piece<512> p;
    for (std::size_t i = 0; i <= std::size_t(Column::Era); ++i) {
        p += Columns[i].csv;
        p += "\t";
    }
    for (std::size_t i = 0; i < ReadingFieldCount; ++i) {
        if (i > 0)
            p += "\t";
        p += TsvReadingNames[i];
    }
    return p;
}

// A failed row's readings after its error: csv's empty columns; json's
// top-level keys, each null, and the object's end.
constexpr Piece<64> csvFailed() {
    Piece<64> p;
    for (std::size_t i = std::size_t(Column::Error) + 1; i < ColumnCount; ++i)
        p += ",";
    return p;
}
constexpr Piece<512> jsonFailed() {
    Piece<512> p;
    for (std::size_t i = std::size_t(Column::Error) + 1; i < ColumnCount; ++i)
        if (Columns[i].json[0] != Columns[i - 1].json[0]) {
            p += ",\"";
            p += Columns[i].json[0];
            p += "\":null";
        }
    p += "}";
    return p;
}

template <auto Make> inline constexpr auto Made = Make();
// Gap and RowEnd as pieces.
template <TableFormat Format, Column C, bool Quoted>
inline constexpr auto GapPiece = Format == TableFormat::Json ? jsonGap(std::size_t(C), Quoted)
                                 : C == Column::Month        ? Piece<64>{}
                                                             : Piece<64>{{','}, 1};
template <TableFormat Format, bool Quoted>
inline constexpr auto EndPiece = Format == TableFormat::Json ? jsonEnd(Quoted) : Piece<64>{};
} // namespace columns

// The csv output's header line, and the tsv output's (--header), without
// their line ends.
inline constexpr std::string_view CsvHeader = columns::Made<columns::csvHeader>.view();
inline constexpr std::string_view TsvHeader = columns::Made<columns::tsvHeader>.view();
// What pads a tsv error row (the inputs and a message) to the header's width.
inline constexpr std::string_view TsvErrorPadding =
    std::string_view("\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t").substr(0, ReadingFieldCount - 1);
static_assert(ReadingFieldCount - 1 == TsvErrorPadding.size());

// What follows the error text of a failed row: empty columns in csv, null
// readings and the object's end in json.
inline constexpr std::string_view CsvFailedReadings = columns::Made<columns::csvFailed>.view();
inline constexpr std::string_view JsonFailedReadings = columns::Made<columns::jsonFailed>.view();

// What csv or json writes before column C's value (a comma; or the json
// key, with what opens and closes around it). Quoted: with json's quotes of
// a text value before and of one after, for a writer that puts texts as
// they stand.
template <TableFormat Format, Column C, bool Quoted = false>
inline constexpr std::string_view Gap = columns::GapPiece<Format, C, Quoted>.view();
// What follows the last value.
template <TableFormat Format, bool Quoted = false>
inline constexpr std::string_view RowEnd = columns::EndPiece<Format, Quoted>.view();

// Calls write(std::integral_constant<Enum, E>) for each E from First to
// Last in order: a row writer's columns, each its own branch at compile time.
template <typename Enum, Enum First, Enum Last, typename Write>
[[gnu::always_inline]] inline void ForEachOf(Write&& write) {
    [&]<std::size_t... I>(std::index_sequence<I...>) __attribute__((always_inline)) {
        (write(std::integral_constant<Enum,
                                      static_cast<Enum>(static_cast<std::size_t>(First) + I)>{}),
         ...);
    }
    (std::make_index_sequence<std::size_t(Last) - std::size_t(First) + 1>{});
}

template <Column First = Column::Month, Column Last = Column(ColumnCount - 1), typename Write>
[[gnu::always_inline]] inline void ForEachColumn(Write&& write) {
    ForEachOf<Column, First, Last>(std::forward<Write>(write));
}

// Writes a piece (by reference: columns::GapPiece<...>, ...) with one copy
// of its size, a constant.
template <const auto& Text> [[gnu::always_inline]] inline char* ConstantText(char* o) {
    constexpr std::size_t size = Text.size;
    std::memcpy(o, Text.text, size);
    return o + size;
}

// Pieces joined at compile time, written with one copy.
template <const auto&... Parts>
inline constexpr auto Joined = [] {
    columns::Piece<64> joined;
    ((joined += Parts.view()), ...);
    return joined;
}();

// For the branch of a writer that no column should reach.
template <auto> inline constexpr bool UnwrittenColumn = false;

} // namespace zentolk::cli
