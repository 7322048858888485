#pragma once

#include "cli/Cli.h"
#include "cli/RowReader.h"
#include "cli/Table.h"
#include "engine/AlmanacDay.h"
#include "engine/AlmanacInput.h"
#include "engine/Epigraphy.h"
#include "engine/Periods.h"
#include "engine/ReadingDay.h" // ParseEra

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentolk::cli {

// The report (no command word) and the named commands, in the order of the
// command table.
enum class Command {
    Report,
    Almanac,
    LongCount,
    Next,
    Distance,
    Match,
    Picture,
    PeriodEnding,
    Anniversaries,
    Place,
    Lunar
};

enum class Mode { Today, Date, Batch, Help, Version };

struct Options {
    Command command = Command::Report;
    // The report's; the other commands use Help only.
    Mode mode = Mode::Today;
    bool crlf = false;
    std::optional<char> decimalSeparator; // the locale's when absent
    // Batch mode: what is read, what is written (by default as read), and
    // whether dates outside their calendar are errors.
    TableInput input = TableInput::Tsv;
    std::optional<TableFormat> format;
    bool strict = false;
    bool header = false;    // tsv output: a first line of column names
    bool exact = false;     // the calculator's tables: every value of the true day
    bool skipBlank = false; // tables: blank lines passed over, not error rows
    // Tables of more columns than the date's: where the date stands (a
    // column, or the date's columns by number or name) and the era of a
    // date without an era column.
    std::string_view column, columns, era;
    std::optional<AlmanacInput> almanacInput; // almanac's table: what a line names

    // The words other than options (the report's date), and the options.
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
    // lunar: a recorded Lunar Series to check.
    std::string_view recorded;
    // period-ending, anniversaries and place: the Ahau day of the endings
    // listed, of the katun a date lies in, the span anniversaries count,
    // place's range and the period its date ends.
    std::optional<int> ajaw, katunAjaw;
    std::optional<Interval> every;
    std::string_view within;
    std::optional<Period> periodEnding;
};

// How an option's value is taken. Nothing: a switch. Value: one word, after
// "=" or the next argument. Date: next --from's MONTH DAY YEAR, the first of
// them possibly after "=", and an era when the word after them reads as one.
enum class Takes { Nothing, Value, Date };

struct OptionRule {
    std::string_view name;
    Takes takes;
    std::string_view needs; // what its value must be, for the message
    // Stores the value; false refuses it, with the reason in why or, when why
    // is left empty, with what the option needs.
    bool (*apply)(std::string_view value, Options& options, std::string& why);
    // False for an option taken only to be refused with a pointer elsewhere:
    // the help, manual page and completion leave it out.
    bool listed = true;
};

// One command: its word, the options it takes, what runs it, its --help text.
struct CommandSpec {
    Command command;
    std::string_view name; // empty for the report
    std::span<const OptionRule* const> options;
    int (*run)(const Options& options, const Streams& streams);
    const char* const* usage;
    // Whether its first word may be another command's name (picture
    // long-count); for the others that is a second command, refused.
    bool takesCommandWords = false;
};

// Every command, the report first, then in the order of Command.
std::span<const CommandSpec> CommandTable();
const CommandSpec& CommandOf(Command command);

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

// Why MONTH DAY YEAR [ERA] cannot be these words, or empty when it can: three,
// four, or more when the era's name takes several ("a. de C.").
std::string DateWordsProblem(std::span<const std::string_view> words);
// The era of MONTH DAY YEAR [ERA], A.D. when it has none; empty, with why,
// when the era is none.
std::optional<std::int32_t> EraOfDate(std::span<const std::string_view> date, std::string& why);

// A command's words as one text, a blank between each two.
std::string JoinedWords(std::span<const std::string_view> words);

// Where a table's date stands, from --column, --columns and --era; empty,
// with why, when they do not fit together or the input.
std::optional<DateColumns> DateColumnsOf(const Options& options, bool oneField, std::string& why);

extern const char* const UsageText;

} // namespace zentolk::cli
