#pragma once

#include <span>
#include <string_view>

namespace zentolk::cli {

struct Streams {
    int in = 0;
    int out = 1;
    int err = 2;
};

struct Options;

// Runs the command line (without the program name); returns the exit status:
// 0 success, 1 a date that cannot be read, a skipped batch line or an output
// failure, 2 wrong usage.
int Run(std::span<const std::string_view> args, const Streams& streams);

// The report of one date, today's, or a table's (no command word).
int RunReport(const Options& options, const Streams& streams);

} // namespace zentolk::cli
