#pragma once

#include "cli/FdWriter.h"
#include "cli/RowReader.h"

#include <string_view>

namespace zentolk::cli {

enum class TableInput { Tsv, Csv };
enum class TableFormat { Tsv, Csv, Json };

struct TableOptions {
    TableInput input = TableInput::Tsv;
    TableFormat format = TableFormat::Tsv;
    // A day or month outside its calendar is an error row, not run on into
    // the next month; any failed row makes the exit status 1.
    bool strict = false;
    char decimalSeparator = '.'; // for the tsv output's shares only
    // Plain rows by the fast formatter (false: every row by the engine, the
    // reference the fast path is checked against).
    bool fast = true;
    bool header = false; // tsv output: a first line of column names
    // The readings and almanac columns of the true day (exact_jdn) rather
    // than the calculator's; a date outside its calendar is an error row.
    bool exact = false;
    // Blank lines are passed over rather than each being an error row.
    bool skipBlank = false;
    // Where the date stands in a wider table, whose other columns are
    // carried through.
    DateColumns columns = {};
};

// Converts rows of month, day, year and era (A.D., AD, B.C., BC in any letter
// case, or the index) read from inFd. Tsv output is laid out as --tsv's; csv
// output has a header line and the same columns on every row; json output is
// one object a line. Every line after the header is one row, in order: a
// line that is not four fields (a blank one among them), or whose era cannot
// be read, is an error row named on err. A year outside -1,000,000 to
// 1,000,000 is an error row. Returns the exit status.
int RunTable(int inFd, FdWriter& out, FdWriter& err, const TableOptions& options);

} // namespace zentolk::cli
