#pragma once

#include "FdWriter.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace zentolk::cli {

// How lines are converted: plain lines by the batch's own fast formatter with
// the engine for every other line, or every line by the engine (the reference
// the fast path is checked against).
enum class BatchPath { Fast, Engine };

// Converts lines of month<TAB>day<TAB>year<TAB>era-index read from inFd.
// Each output line repeats the four fields, then holds the ten readings or the
// error message. Lines without four fields (or with an era that is none of
// A.D., AD, B.C., BC or an index) are named on err and skipped. Returns the
// exit status.
int RunBatch(int inFd, FdWriter& out, FdWriter& err, char decimalSeparator,
             BatchPath path = BatchPath::Fast);

// A table line cut at its tabs, the CR of a CR LF line end dropped: the first
// four fields, and how many fields there were.
struct TabFields {
    std::array<std::string_view, 4> fields;
    std::size_t count = 0;
};
TabFields SplitTabFields(std::string_view line);

} // namespace zentolk::cli
