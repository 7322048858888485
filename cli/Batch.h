#pragma once

#include "cli/FdWriter.h"

namespace zentolk::cli {

// How lines are converted: plain lines by the batch's own fast formatter with
// the engine for every other line, or every line by the engine (the reference
// the fast path is checked against).
enum class BatchPath { Fast, Engine };

// Converts lines of month<TAB>day<TAB>year<TAB>era read from inFd (the era is
// A.D., AD, B.C., BC in any letter case, or an era index). Each output line
// repeats the four fields, then holds the ten readings or the error message.
// Lines without four fields, or whose era cannot be read, are named on err and
// skipped. Returns the exit status.
int RunBatch(int inFd, FdWriter& out, FdWriter& err, char decimalSeparator,
             BatchPath path = BatchPath::Fast);

} // namespace zentolk::cli
