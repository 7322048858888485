#pragma once

#include "FdWriter.h"

namespace zentolk::cli {

// Converts lines of month<TAB>day<TAB>year<TAB>era-index read from inFd.
// Each output line repeats the four fields, then holds the ten readings or the
// error message. Lines without four fields (or with an era that is no
// integer) are named on err and skipped. Returns the exit status.
int RunBatch(int inFd, FdWriter& out, FdWriter& err, char decimalSeparator);

} // namespace zentolk::cli
