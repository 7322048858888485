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
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentolk::cli {

// The commands of the command table, run by WithWriters; each returns the
// exit status as Run does. almanac also converts tables.
int RunAlmanac(const Options& options, int inFd, FdWriter& out, FdWriter& err);
int RunNext(const Options& options, int inFd, FdWriter& out, FdWriter& err);
int RunLongCount(const Options& options, int inFd, FdWriter& out, FdWriter& err);
int RunDistance(const Options& options, int inFd, FdWriter& out, FdWriter& err);
int RunMatch(const Options& options, int inFd, FdWriter& out, FdWriter& err);
int RunPeriodEnding(const Options& options, int inFd, FdWriter& out, FdWriter& err);
int RunAnniversaries(const Options& options, int inFd, FdWriter& out, FdWriter& err);
int RunPlace(const Options& options, int inFd, FdWriter& out, FdWriter& err);
// Their --help texts: almanac, long-count and next share one, distance and
// match another.
extern const char* const AlmanacUsage;
extern const char* const InscriptionUsage;
// period-ending, anniversaries and place share one.
extern const char* const PeriodUsage;

// What these commands write with: their options, the output and error
// writers, and the exit status so far.
struct CommandRun {
    const Options& r;
    FdWriter& out;
    FdWriter& err;
    int status = 0;

    void usage(const std::string& why); // wrong usage: status 2
    void fail(std::string_view why);    // a day that cannot be read or found: status 1
    // The almanac of a day count, or empty (with the message) when the
    // correlation puts it outside the years the almanac covers.
    std::optional<AlmanacDay> dayOf(std::int64_t dayCount);
    // Its block, or its JSON object under --json.
    void show(const AlmanacDay& day);
    // A list written as it is found, one day at a time: one line each, or
    // under --json an array of one object a line. endList() closes it.
    void listItem(const AlmanacDay& day);
    // The same with a line of the caller's own in place of the plain one.
    void listItem(const AlmanacDay& day, const std::string& line);
    void endList();
    std::size_t listed = 0;
    // A range's two ends, Long Counts of any era, given by the options named
    // (each end defaults to this era's first or last day); false, with the
    // message, when one does not read, they are in the wrong order or the
    // correlation puts one outside the almanac's years.
    bool readRange(std::string_view fromText, std::string_view toText, const char* fromName,
                   const char* toName, std::int64_t& from, std::int64_t& to);
};

// Runs a command with writers on the streams, then flushes them.
template <int (*Command)(const Options&, int inFd, FdWriter& out, FdWriter& err)>
int WithWriters(const Options& options, const Streams& streams) {
    FdWriter out(streams.out, 1 << 20);
    FdWriter err(streams.err, 1 << 12);
    const int status = Command(options, streams.in, out, err);
    return FinishRun(out, err, status);
}

// The almanac of one day as a block of lines, a compact JSON object, or the
// one line `next` and `match` print, in the options' spelling and year
// bearer system.
std::string AlmanacBlock(const AlmanacDay& day, const Options& options);
std::string AlmanacJson(const AlmanacDay& day, const Options& options);
std::string AlmanacLine(const AlmanacDay& day, const Options& options);
// One line of a block: the label, blanks to the values' column, the value.
void AppendBlockLine(std::string& out, std::string_view label, const std::string& value);
// A label and the blanks that bring it to the values' column, `column` in
// English (two blanks at least).
std::string PaddedLabel(std::string_view label, std::size_t column);
// "584283 (Goodman-Martinez-Thompson)", the name where the number has one.
std::string CorrelationText(std::int64_t correlation);

// MONTH DAY YEAR [ERA] read as the calculator's fields are read.
bool DayNumberOfDate(std::span<const std::string_view> date, bool julian, std::int64_t& jdn,
                     std::string& error);
bool InAlmanacRange(std::int64_t jdn, bool julian);
std::string AlmanacRangeError(Language language);

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
    AlmanacNames names;       // spelling and year bearer system of csv and json values
    bool strict = false;      // any error row makes the exit status 1
    bool skipBlank = false;   // blank lines are passed over, not error rows
    DateColumns columns = {}; // where the date stands in a wider table
};

// The almanac of every line on inFd. Plain lines go by the fast path unless
// `path` asks for the reference. Returns the exit status.
int RunAlmanacTable(int inFd, FdWriter& out, FdWriter& err, const AlmanacTableOptions& options);

// Today's Julian Day Number.
std::int64_t TodayJdn();

} // namespace zentolk::cli
