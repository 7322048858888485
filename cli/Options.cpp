#include "cli/Options.h"

#include "cli/RowReader.h"
#include "engine/NumberText.h"
#include "engine/TextParsing.h"

#include <cctype>
#include <utility>
#include <vector>

namespace zentolk::cli {

const char* const UsageText =
    "Usage: zentolk-cli [--crlf] [--decimal-separator C] [MONTH DAY YEAR [ERA]]\n"
    "       zentolk-cli --tsv [--decimal-separator C] < dates.tsv\n"
    "       zentolk-cli --tsv|--csv [--format=tsv|csv|json] [--strict] [--exact] [--header]\n"
    "                   < dates\n"
    "       zentolk-cli almanac | long-count | next ...   (see zentolk-cli almanac --help)\n"
    "       zentolk-cli distance | match ...              (see zentolk-cli match --help)\n"
    "       zentolk-cli picture long-count|calendar-round [DAY] (see picture --help)\n"
    "\n"
    "Prints where a day lies in the Great Cycle of the Long Count calendar.\n"
    "\n"
    "Without a date the report is for today. MONTH, DAY and YEAR are taken as\n"
    "typed into the calculator's fields; ERA is A.D. (the default) or B.C.\n"
    "(also AD, BC, in any letter case) or an era index (1 = B.C.).\n"
    "\n"
    "  --crlf                   end the report's lines in CR LF, as on the clipboard\n"
    "  --tsv                    convert lines of month<TAB>day<TAB>year<TAB>era-index\n"
    "                           from standard input into 14 tab-separated fields\n"
    "                           (the four given, then the ten readings) or 5 (the\n"
    "                           four given, then the error message)\n"
    "  --csv                    read comma-separated lines (quoted as spreadsheets\n"
    "                           quote; a first line of column names is skipped) and\n"
    "                           write CSV: a header line, then the same columns on\n"
    "                           every row (the inputs, ok, error, plain numbers)\n"
    "  --format=tsv|csv|json    the output for --tsv or --csv input; json is one\n"
    "                           object a line with typed fields\n"
    "  --strict                 a day or month outside its calendar (31 February,\n"
    "                           month 13) is an error row instead of running on;\n"
    "                           exit status 1 when any row failed\n"
    "  --exact                  every value of the true day (exact_jdn), not of\n"
    "                           the calculator's day, which runs up to two days\n"
    "                           off before 1 March 4801 B.C.; a date outside its\n"
    "                           calendar is an error row\n"
    "  --header                 tsv output: a first line naming the columns\n"
    "  --decimal-separator C    write the percentages with C instead of the\n"
    "                           locale's decimal separator\n"
    "  -h, --help               show this help and exit\n"
    "  --version                show the version and exit\n"
    "  --                       end of options (for a year such as --5)\n"
    "\n"
    "In tables the era is A.D., AD, B.C., BC in any letter case, or the index.\n"
    "A first line starting 'month' is a header and blank lines are no rows; both\n"
    "are passed over. Every line is one row: a quote left open ends with its\n"
    "line, which is skipped. Years run from -1,000,000 to 1,000,000.\n"
    "\n"
    "Exit status: 0 success, 1 a date that cannot be read, a skipped table line\n"
    "or (with --strict) a failed row, 2 wrong usage. In a table, a row whose date\n"
    "cannot be read carries its message and leaves the status 0 unless --strict.\n";

namespace {
// The commands an option belongs to, as bits.
constexpr unsigned bit(Command c) {
    return 1u << static_cast<unsigned>(c);
}
constexpr unsigned ReportOnly = bit(Command::Report);
constexpr unsigned AlmanacOnly = bit(Command::Almanac);
constexpr unsigned NextOnly = bit(Command::Next);
constexpr unsigned MatchOnly = bit(Command::Match);
constexpr unsigned AlmanacCommands =
    AlmanacOnly | bit(Command::LongCount) | NextOnly | bit(Command::Distance) | MatchOnly;
constexpr unsigned PictureOnly = bit(Command::Picture);
constexpr unsigned Every = ReportOnly | AlmanacCommands | PictureOnly;

constexpr std::string_view CommandNames[] = {"",         "almanac", "long-count", "next",
                                             "distance", "match",   "picture"};
constexpr Command NamedCommands[] = {Command::Almanac,  Command::LongCount, Command::Next,
                                     Command::Distance, Command::Match,     Command::Picture};

// Nothing: a switch. Value: one word, after "=" or the next argument. Date:
// next --from's MONTH DAY YEAR, the first of them possibly after "=", and an
// era when the word after them reads as a named one.
enum class Takes { Nothing, Value, Date };

// Stores the value; false refuses it, with the reason in why or, when why is
// left empty, with what the option needs.
using Apply = bool (*)(std::string_view value, Options& options, std::string& why);

struct OptionRule {
    std::string_view name;
    Takes takes;
    unsigned commands;
    std::string_view needs; // what its value must be
    Apply apply;
};

template <bool Options::*Field> bool setSwitch(std::string_view, Options& o, std::string&) {
    o.*Field = true;
    return true;
}

bool setHelp(std::string_view, Options& o, std::string&) {
    o.mode = Mode::Help;
    return true;
}

bool setVersion(std::string_view, Options& o, std::string&) {
    if (o.mode != Mode::Help) // help wins in whatever order they come
        o.mode = Mode::Version;
    return true;
}

bool setCsv(std::string_view, Options& o, std::string&) {
    o.input = TableInput::Csv;
    return true;
}

bool setFormat(std::string_view v, Options& o, std::string&) {
    if (v == "tsv")
        o.format = TableFormat::Tsv;
    else if (v == "csv")
        o.format = TableFormat::Csv;
    else if (v == "json")
        o.format = TableFormat::Json;
    else
        return false;
    return true;
}

bool setInput(std::string_view v, Options& o, std::string&) {
    if (v == "mdy")
        o.almanacInput = AlmanacInput::Mdy;
    else if (v == "iso")
        o.almanacInput = AlmanacInput::Iso;
    else if (v == "jdn")
        o.almanacInput = AlmanacInput::Jdn;
    else if (v == "long-count")
        o.almanacInput = AlmanacInput::LongCount;
    else
        return false;
    return true;
}

bool setDecimalSeparator(std::string_view v, Options& o, std::string& why) {
    if (v.size() != 1)
        return false;
    // A tab or a line break would split the table's fields and rows.
    if (static_cast<unsigned char>(v[0]) < 0x20 || v[0] == 0x7f) {
        why = "the decimal separator cannot be a control character such as a tab or a line break";
        return false;
    }
    o.decimalSeparator = v[0];
    return true;
}

bool setCorrelation(std::string_view v, Options& o, std::string& why) {
    const std::optional<std::int64_t> c = ParseCorrelation(v, why);
    o.correlation = c.value_or(o.correlation);
    return c.has_value();
}

bool setCount(std::string_view v, Options& o, std::string&) {
    std::int32_t n;
    if (!ParseInteger(v, n) || n < 1 || n > 100000)
        return false;
    o.count = n;
    return true;
}

bool setLimit(std::string_view v, Options& o, std::string&) {
    std::int32_t n;
    if (!ParseInteger(v, n) || n < 1 || n > 1000000)
        return false;
    o.limit = n;
    return true;
}

bool setSpelling(std::string_view v, Options& o, std::string&) {
    const std::optional<Spelling> s = ParseSpelling(v);
    o.spelling = s.value_or(o.spelling);
    return s.has_value();
}

bool setYearBearer(std::string_view v, Options& o, std::string&) {
    const std::optional<YearBearerSystem> s = ParseYearBearerSystem(v);
    o.yearBearer = s.value_or(o.yearBearer);
    return s.has_value();
}

template <std::string_view Options::*Field>
bool setText(std::string_view v, Options& o, std::string&) {
    o.*Field = v;
    return !v.empty();
}

// The parser collects the words itself.
bool setFrom(std::string_view, Options&, std::string&) {
    return true;
}

const OptionRule OptionTable[] = {
    {"--help", Takes::Nothing, Every, "", setHelp},
    {"--version", Takes::Nothing, ReportOnly, "", setVersion},
    {"--crlf", Takes::Nothing, ReportOnly, "", setSwitch<&Options::crlf>},
    {"--tsv", Takes::Nothing, ReportOnly | AlmanacOnly, "", setSwitch<&Options::tsv>},
    {"--csv", Takes::Nothing, ReportOnly | AlmanacOnly, "", setCsv},
    {"--strict", Takes::Nothing, ReportOnly, "", setSwitch<&Options::strict>},
    {"--exact", Takes::Nothing, ReportOnly, "", setSwitch<&Options::exact>},
    {"--format", Takes::Value, ReportOnly | AlmanacOnly, "tsv, csv or json", setFormat},
    {"--header", Takes::Nothing, ReportOnly | AlmanacOnly, "", setSwitch<&Options::header>},
    {"--input", Takes::Value, AlmanacOnly, "mdy, iso, jdn or long-count", setInput},
    {"--decimal-separator", Takes::Value, ReportOnly, "one character", setDecimalSeparator},
    {"--julian", Takes::Nothing, AlmanacCommands | PictureOnly, "", setSwitch<&Options::julian>},
    {"--json", Takes::Nothing, AlmanacCommands, "", setSwitch<&Options::json>},
    {"--correlation", Takes::Value, AlmanacCommands | PictureOnly, "a number or a name",
     setCorrelation},
    {"--previous", Takes::Nothing, NextOnly, "", setSwitch<&Options::previous>},
    {"--count", Takes::Value, NextOnly, "a number from 1 to 100000", setCount},
    {"--from", Takes::Date, NextOnly, "MONTH DAY YEAR [ERA]", setFrom},
    {"--from", Takes::Value, MatchOnly, "a Long Count", setText<&Options::fromLongCount>},
    {"--to", Takes::Value, MatchOnly, "a Long Count", setText<&Options::toLongCount>},
    {"--limit", Takes::Value, MatchOnly, "a number from 1 to 1000000", setLimit},
    {"--previous-era", Takes::Nothing, bit(Command::LongCount), "",
     setSwitch<&Options::previousEra>},
    {"--spelling", Takes::Value, AlmanacCommands, "colonial or modern", setSpelling},
    {"--year-bearer", Takes::Value, AlmanacCommands, "classic, campeche or mayapan", setYearBearer},
    {"--svg", Takes::Value, PictureOnly, "a file name", setText<&Options::svgFile>},
    {"--png", Takes::Value, PictureOnly, "a file name", setText<&Options::pngFile>},
    {"--lines", Takes::Nothing, PictureOnly, "", setSwitch<&Options::lines>},
};

// "almanac", "almanac and next", "almanac, long-count and next".
std::string commandList(unsigned commands) {
    std::vector<std::string_view> names;
    for (const Command c : NamedCommands)
        if (commands & bit(c))
            names.push_back(CommandNames[static_cast<int>(c)]);
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list.append(i == 0 ? "" : i + 1 == names.size() ? " and " : ", ").append(names[i]);
    return list;
}

// Why the option cannot be used with this command.
std::string notAnOptionOf(const OptionRule& rule, Command command) {
    const std::string name(rule.name);
    const std::string_view commandName = CommandNames[static_cast<int>(command)];
    const std::string owners = commandList(rule.commands);
    if (owners.empty())
        return name + " is not an option of " + std::string(commandName);
    if (command == Command::Report)
        return name + " is an option of " + owners;
    return name + " is an option of " + owners + ", not of " + std::string(commandName);
}

// Reads the options and collects the other words; returns why the command
// line is not usable, or nothing.
std::string parseOptions(std::span<const std::string_view> args, Options& o) {
    const std::string_view commandName = CommandNames[static_cast<int>(o.command)];
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || (!arg.starts_with("--") && arg != "-h")) {
            o.words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg == "-h" ? "--help" : arg.substr(0, equals);
        const OptionRule* rule = nullptr;
        // An option of two commands may take a different value in each.
        for (const OptionRule& s : OptionTable)
            if (s.name == name && (!rule || (s.commands & bit(o.command))))
                rule = &s;
        if (!rule)
            return "unknown option " + QuotedText(name) +
                   (commandName.empty() ? "" : " for " + std::string(commandName));
        if (!(rule->commands & bit(o.command)))
            return notAnOptionOf(*rule, o.command);
        const std::string needs = std::string(name) + " needs " + std::string(rule->needs);
        const bool inlineValue = equals != std::string_view::npos;
        if (rule->takes == Takes::Nothing && inlineValue)
            return std::string(name) + " takes no value";
        std::string_view value;
        if (rule->takes != Takes::Nothing) {
            if (inlineValue)
                value = arg.substr(equals + 1);
            else if (i + 1 < args.size())
                value = args[++i];
            else
                return needs;
        }
        if (rule->takes == Takes::Date) {
            o.from = {value};
            for (int k = 1; k < 3; ++k) {
                if (i + 1 >= args.size())
                    return needs;
                o.from.push_back(args[++i]);
            }
            // An era as almanac takes it, named or an index, unless the
            // number begins a day written out after it ("4 Ahau").
            if (i + 1 < args.size() && !args[i + 1].starts_with("--")) {
                std::int32_t unused;
                const bool dayFollows = ParseInteger(args[i + 1], unused) && i + 2 < args.size() &&
                                        !args[i + 2].empty() &&
                                        std::isalpha(static_cast<unsigned char>(args[i + 2][0]));
                if (ParseEra(args[i + 1]) && !dayFollows)
                    o.from.push_back(args[++i]);
            }
        }
        std::string why;
        if (!rule->apply(value, o, why))
            return why.empty() ? needs + ", not " + QuotedText(value) : why;
    }
    return {};
}

// What the report's options and words come to.
std::string settleReport(Options& o) {
    if (o.mode == Mode::Help || o.mode == Mode::Version)
        return {};
    const bool csv = o.input == TableInput::Csv;
    if (o.tsv || csv) {
        const std::string name = csv ? "--csv" : "--tsv";
        if (o.tsv && csv)
            return "--tsv and --csv cannot be used together";
        if (!o.words.empty())
            return name + " reads its dates from standard input, not from arguments";
        if (o.crlf)
            return "--crlf applies to the report, not to " + name;
        if (o.header && o.format == TableFormat::Json)
            return "--header applies to tsv or csv output, not to json";
        o.mode = Mode::Batch;
        return {};
    }
    if (o.format || o.strict || o.exact || o.header)
        return std::string(o.strict   ? "--strict"
                           : o.exact  ? "--exact"
                           : o.header ? "--header"
                                      : "--format") +
               " applies to --tsv or --csv";
    const std::vector<std::string_view>& w = o.words;
    if (w.empty()) {
        o.mode = Mode::Today;
        return {};
    }
    if (w.size() != 3 && w.size() != 4)
        return "expected MONTH DAY YEAR [ERA], got " + std::to_string(w.size()) + " argument" +
               (w.size() == 1 ? "" : "s");
    o.mode = Mode::Date;
    o.month = w[0];
    o.day = w[1];
    o.year = w[2];
    if (w.size() == 4) {
        const std::optional<std::int32_t> era = ParseEra(w[3]);
        if (!era)
            return "the era must be A.D., B.C. or an era index, not " + QuotedText(w[3]);
        o.era = *era;
    }
    return {};
}
} // namespace

ParseOutcome ParseArguments(std::span<const std::string_view> args) {
    Options options;
    for (const Command c : NamedCommands)
        if (!args.empty() && args[0] == CommandNames[static_cast<int>(c)]) {
            options.command = c;
            args = args.subspan(1);
        }
    std::string error = parseOptions(args, options);
    if (error.empty() && options.command == Command::Report)
        error = settleReport(options);
    if (!error.empty())
        return {std::nullopt, error};
    return {std::move(options), {}};
}

std::string UsageError(std::string_view problem) {
    return "zentolk-cli: " + Escaped(problem) + "\nTry 'zentolk-cli --help'.\n";
}

} // namespace zentolk::cli
