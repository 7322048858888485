#pragma once

#include "cli/FdWriter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zentolk::cli {

// What the batch converters share: reading the input in blocks, cutting it
// into rows, numbering the lines and naming the rows that cannot be read.

enum class RowInput {
    Tab, // lines of fields separated by tabs
    Csv, // comma-separated records: quoted fields may hold commas, quotes
         // written twice and line ends; blank lines and a first line of
         // column names are passed over
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
// case, or an era index) from inFd to its end and hands them to the sink.
// Lines end in LF or CR LF and may be of any length (a csv record, which an
// unclosed quote can run to the end of the input, at most 16 MB). A row that
// is not four fields, or whose era cannot be read, is named on err and
// skipped. Returns 1 when a row was skipped or the input could not be read
// whole, else 0.
int ReadRows(int inFd, RowInput input, FdWriter& err, RowSink& sink);

// A tab-separated line cut at its tabs, the CR of a CR LF line end dropped:
// the first four fields, and how many fields there were.
struct TabFields {
    std::array<std::string_view, 4> fields;
    std::size_t count = 0;
};
TabFields SplitTabFields(std::string_view line);

} // namespace zentolk::cli
