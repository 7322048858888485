#pragma once

#include "cli/Batch.h"
#include "cli/Cli.h"
#include "cli/FdWriter.h"
#include "cli/Options.h"
#include "cli/Table.h"
#include "engine/AlmanacInput.h"
#include "engine/Correlation.h"

#include <cstdint>

namespace zentolk::cli {

// Runs "almanac", "long-count" or "next" as parsed; returns the exit status as
// Run does.
int RunAlmanacCommand(const Options& options, const Streams& streams);

// The almanac's table: what each line names, how lines are separated, what
// is written.
struct AlmanacTableOptions {
    TableInput input = TableInput::Tsv;
    TableFormat format = TableFormat::Tsv;
    AlmanacInput what = AlmanacInput::Mdy;
    bool julian = false; // dates read and checked in the Julian calendar
    std::int64_t correlation = DefaultCorrelation;
    bool header = false; // tsv output: a first line naming the columns (csv always has one)
    BatchPath path = BatchPath::Fast;
};

// The almanac of every line on inFd. Plain lines go by the fast path unless
// `path` asks for the reference. Returns the exit status.
int RunAlmanacTable(int inFd, FdWriter& out, FdWriter& err, const AlmanacTableOptions& options);

// The almanac of every line of month<TAB>day<TAB>year<TAB>era-index on inFd,
// written as tab-separated lines.
int RunAlmanacBatch(int inFd, FdWriter& out, FdWriter& err, bool julian, std::int64_t correlation,
                    BatchPath path = BatchPath::Fast);

} // namespace zentolk::cli
