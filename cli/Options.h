#pragma once

#include "cli/Table.h"
#include "engine/AlmanacDay.h"
#include "engine/AlmanacInput.h"
#include "engine/Epigraphy.h"
#include "engine/ReadingDay.h" // ParseEra

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentolk::cli {

// The report (no command word) and the almanac commands.
enum class Command { Report, Almanac, LongCount, Next, Distance, Match, Picture };

enum class Mode { Today, Date, Batch, Help, Version };

struct Options {
    Command command = Command::Report;
    // The report's; the almanac commands use Help only.
    Mode mode = Mode::Today;
    std::string_view month, day, year;
    std::int32_t era = 0;
    bool crlf = false;
    std::optional<char> decimalSeparator; // the locale's when absent
    // Batch mode: what is read, what is written (by default as read), and
    // whether dates outside their calendar are errors.
    TableInput input = TableInput::Tsv;
    std::optional<TableFormat> format;
    bool strict = false;
    bool header = false; // tsv output: a first line of column names
    bool exact = false;  // the calculator's tables: every value of the true day
    std::optional<AlmanacInput> almanacInput; // almanac's table: what a line names

    // The almanac commands: their words other than options, and their options.
    std::vector<std::string_view> words;
    std::vector<std::string_view> from; // next --from's date, when given
    bool tsv = false, julian = false, json = false, previous = false;
    std::int64_t correlation = DefaultCorrelation;
    std::int64_t count = 1;
    // The inscription commands and the almanac's block.
    bool previousEra = false;
    Spelling spelling = Spelling::Colonial;
    YearBearerSystem yearBearer = YearBearerSystem::Classic;
    std::string_view fromLongCount, toLongCount; // match's range, when given
    std::int64_t limit = 1000;
    // picture: where the SVG goes (standard output when empty), the PNG
    // asked for, and whether days come a line each from standard input.
    std::string_view svgFile, pngFile;
    bool lines = false;
};

struct ParseOutcome {
    std::optional<Options> options;
    std::string error; // why the arguments are not usable, when options is empty
};

// Parses a whole command line (without the program name), a command word
// first or not. Every option may be written --name=value or --name value.
ParseOutcome ParseArguments(std::span<const std::string_view> args);

// The two lines wrong usage writes to standard error; the problem is kept to
// one line whatever the arguments held.
std::string UsageError(std::string_view problem);

extern const char* const UsageText;

} // namespace zentolk::cli
