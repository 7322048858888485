#pragma once

#include "cli/FdWriter.h"
#include "cli/Options.h"

namespace zentolk::cli {

// "lunar DAY [--recorded SERIES]": the Lunar Series the day should carry
// under each convention, and how a recorded one fits them.
int RunLunar(const Options& options, int inFd, FdWriter& out, FdWriter& err);
extern const char* const LunarUsage;

} // namespace zentolk::cli
