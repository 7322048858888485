#pragma once

#include "cli/Cli.h"
#include "cli/FdWriter.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace zentolk::cli {

// True when the first argument names an almanac subcommand.
bool IsAlmanacCommand(std::string_view first);

// Runs "almanac", "long-count" or "next" (args[0] is the subcommand); returns
// the exit status as Run does.
int RunAlmanacCommand(std::span<const std::string_view> args, const Streams& streams);

// The almanac of every line of month<TAB>day<TAB>year<TAB>era-index on inFd.
int RunAlmanacBatch(int inFd, FdWriter& out, FdWriter& err, bool julian, std::int64_t correlation);

} // namespace zentolk::cli
