#pragma once

#include "cli/FdWriter.h"
#include "cli/Table.h"

namespace zentolk::cli {

// How the fast path writes its rows.
struct PlainRows {
    char inputSeparator = '\t'; // between the input's fields: a tab or a comma
    TableFormat format = TableFormat::Tsv;
    bool strict = false;         // a date outside its calendar is an error row
    char decimalSeparator = '.'; // for the tsv output's shares
    bool header = false;         // tsv output: error rows padded to the header's width
    bool exact = false; // readings of the true day; a date outside its calendar is an error row
};

// The batch's fast path: converts plain lines from `start` on straight into
// `out`, byte for byte as the engine's path would, and returns the start of
// the first line it left. A plain line is four fields (month, day and year
// as digits with an optional sign, each within a million either way; the era
// as such a number or A.D., AD, B.C., BC in any letter case) ended by LF or
// CR LF. Only lines ended within [start, end) are taken; the input must hold
// a NUL at `end` and RowReadSlack readable bytes from there. `line` counts on
// by one for each line taken; `failed` is set when a row is an error row.
const char* ConvertPlainLines(const char* start, const char* end, long long& line, FdWriter& out,
                              const PlainRows& rows, bool& failed);

} // namespace zentolk::cli
