#pragma once

#include "cli/AlmanacColumns.h"
#include "cli/Batch.h"
#include "cli/Cli.h"
#include "cli/FdWriter.h"
#include "cli/Options.h"
#include "cli/Table.h"
#include "engine/AlmanacInput.h"
#include "engine/Correlation.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zentolk::cli {

// Runs "almanac", "long-count" or "next" as parsed; returns the exit status as
// Run does.
int RunAlmanacCommand(const Options& options, const Streams& streams);

// The almanac of one day as a block of lines, a compact JSON object, or the
// one line `next` and `match` print, in the options' spelling and year
// bearer system.
std::string AlmanacBlock(const AlmanacDay& day, const Options& options);
std::string AlmanacJson(const AlmanacDay& day, const Options& options);
std::string AlmanacLine(const AlmanacDay& day, const Options& options);

// MONTH DAY YEAR [ERA] read as the calculator's fields are read.
bool DayNumberOfDate(std::span<const std::string_view> date, bool julian, std::int64_t& jdn,
                     std::string& error);
bool InAlmanacRange(std::int64_t jdn, bool julian);
std::string AlmanacRangeError();

// long-count (with distance numbers and full dates), distance and match.
int RunLongCount(const Options& options, FdWriter& out, FdWriter& err);
int RunDistance(const Options& options, FdWriter& out, FdWriter& err);
int RunMatch(const Options& options, FdWriter& out, FdWriter& err);
extern const char* const InscriptionUsage;

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
    AlmanacNames names; // spelling and year bearer system of csv and json values
};

// The almanac of every line on inFd. Plain lines go by the fast path unless
// `path` asks for the reference. Returns the exit status.
int RunAlmanacTable(int inFd, FdWriter& out, FdWriter& err, const AlmanacTableOptions& options);

// Today's Julian Day Number.
std::int64_t TodayJdn();

} // namespace zentolk::cli
