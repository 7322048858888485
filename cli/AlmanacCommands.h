#pragma once

#include "cli/Batch.h"
#include "cli/Cli.h"
#include "cli/FdWriter.h"
#include "cli/Options.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zentolk::cli {

// Runs "almanac", "long-count" or "next" as parsed; returns the exit status as
// Run does.
int RunAlmanacCommand(const Options& options, const Streams& streams);

// The almanac of every line of month<TAB>day<TAB>year<TAB>era-index on inFd.
// Plain lines go by the fast path unless `path` asks for the reference.
int RunAlmanacBatch(int inFd, FdWriter& out, FdWriter& err, bool julian, std::int64_t correlation,
                    BatchPath path = BatchPath::Fast);

// Reads MONTH DAY YEAR [ERA] as almanac does; false with the reason in error.
bool ReadDayWords(std::span<const std::string_view> date, bool julian, std::int64_t& jdn,
                  std::string& error);
// Today's Julian Day Number.
std::int64_t TodayJdn();

} // namespace zentolk::cli
