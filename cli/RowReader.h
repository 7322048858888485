#pragma once

#include "cli/FdWriter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zentolk::cli {

// What the batch converters share: reading the input in blocks, cutting it
// into rows, numbering the lines and naming the rows that cannot be read.

enum class RowInput {
    Tab, // lines of fields separated by tabs
    Csv, // comma-separated lines: quoted fields may hold commas and quotes
         // written twice, but never a line end
};

// What a row holds: month, day, year and era, or one field (an almanac
// input such as a day number or a Long Count).
struct RowShape {
    bool oneField = false;
    // For a one-field row: what the field is, in the message of a line that
    // has more ("a Long Count"), and the words that name the column in a
    // header line. A four-field row's header begins "month".
    std::string_view what;
    std::array<std::string_view, 3> headerWords{};
};

// Bytes after the end of the data that a converter's fast path may read: a
// NUL that ends every plain field, then slack for whole-word reads.
inline constexpr std::size_t RowReadSlack = 64;

class RowSink {
public:
    // Converts plain lines from `start` on, as many as it takes in a row, and
    // returns the start of the first line it left (`start` when none). Only
    // lines ended by LF within [start, end) may be taken; RowReadSlack
    // readable bytes follow `end`, the first a NUL. `line` is the number of
    // the line at `start`, counted on by one for each line taken.
    virtual const char* convertPlain(const char* start, const char* end, long long& line) {
        (void)end;
        (void)line;
        return start;
    }
    // A row of four fields and its era index; `line` is where it starts.
    virtual void convert(const std::array<std::string_view, 4>& fields, std::int32_t era,
                         long long line) = 0;

protected:
    ~RowSink() = default;
};

// Reads rows of month, day, year and era (A.D., AD, B.C., BC in any letter
// case, or an era index), or of one field, from inFd to its end and hands
// them to the sink. Every line is one row: lines end in LF or CR LF and may
// be of any length; a quote left open ends with its line. Blank lines and a
// first line of column names are passed over. A line that is not a row (the
// wrong number of fields, an unreadable era, an unclosed quote) is named on
// err and skipped, and the count of skipped lines closes the run there.
// Returns 1 when a line was skipped or the input could not be read whole,
// else 0.
int ReadRows(int inFd, RowInput input, FdWriter& err, RowSink& sink, const RowShape& shape = {});

// Writes text with its control characters as escapes (\t, \n, \r, \xNN),
// so that a message stays one line and shows what the input held.
void WriteEscaped(FdWriter& out, std::string_view text);
std::string Escaped(std::string_view text);
// The count that closes a run in which lines were skipped ("3 of 1,002
// lines skipped").
void WriteSkippedCount(FdWriter& err, long long skipped, long long lines);
// One line on standard error: "zentolk-cli: " and the problem, escaped.
void WriteProblem(FdWriter& err, std::string_view problem);

// Writes a field into a tab-separated row with a blank for each tab or line
// end it holds, which keeps the row's columns (only comma-separated input
// can hold them).
void WriteTsvField(FdWriter& out, std::string_view field);

// A comma-separated row's field: in quotes, with each quote doubled, when it
// holds a comma, a quote or a line end. `put` takes the pieces in order, so a
// field of any size is never copied whole.
template <typename Put> void WriteCsvField(std::string_view field, Put put) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        put(field);
        return;
    }
    put(std::string_view("\""));
    for (;;) {
        const std::size_t quote = field.find('"');
        put(field.substr(0, quote));
        if (quote == std::string_view::npos)
            break;
        put(std::string_view("\"\""));
        field.remove_prefix(quote + 1);
    }
    put(std::string_view("\""));
}

// A tab-separated line cut at its tabs, the CR of a CR LF line end dropped:
// the first four fields, and how many fields there were.
struct TabFields {
    std::array<std::string_view, 4> fields;
    std::size_t count = 0;
    bool unclosedQuote = false; // csv only: a quoted field ran to the line's end
};
TabFields SplitTabFields(std::string_view line);

} // namespace zentolk::cli
