#include "cli/Options.h"

#include "engine/NumberText.h"

#include <vector>

namespace zentolk::cli {

const char* const UsageText =
    "Usage: zentolk-cli [--crlf] [--decimal-separator C] [MONTH DAY YEAR [ERA]]\n"
    "       zentolk-cli --tsv [--decimal-separator C] < dates.tsv\n"
    "       zentolk-cli --tsv|--csv [--format=tsv|csv|json] [--strict] < dates\n"
    "       zentolk-cli almanac | long-count | next ...   (see zentolk-cli almanac --help)\n"
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
    "  --decimal-separator C    write the percentages with C instead of the\n"
    "                           locale's decimal separator\n"
    "  -h, --help               show this help and exit\n"
    "  --version                show the version and exit\n"
    "  --                       end of options (for a year such as --5)\n"
    "\n"
    "In tables the era is A.D., AD, B.C., BC in any letter case, or the index.\n"
    "\n"
    "Exit status: 0 success, 1 a date that cannot be read, a skipped batch line\n"
    "or (with --strict) a failed row, 2 wrong usage. In a table, a row whose date\n"
    "cannot be read carries its message and leaves the status 0 unless --strict.\n";

ParseOutcome ParseArguments(std::span<const std::string_view> args) {
    Options options;
    bool batch = false, help = false, version = false, tsv = false, csv = false;
    std::vector<std::string_view> positional;
    const auto fail = [](std::string message) { return ParseOutcome{std::nullopt, message}; };

    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg == "-h") {
            help = true;
        } else if (optionsEnded || !arg.starts_with("--")) {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--crlf") {
            options.crlf = true;
        } else if (arg == "--tsv") {
            batch = tsv = true;
        } else if (arg == "--csv") {
            batch = csv = true;
            options.input = TableInput::Csv;
        } else if (arg == "--strict") {
            options.strict = true;
        } else if (arg == "--format" || arg.starts_with("--format=")) {
            std::string_view value;
            if (arg.size() > 8) {
                value = arg.substr(9);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return fail("--format needs tsv, csv or json");
            }
            if (value == "tsv")
                options.format = TableFormat::Tsv;
            else if (value == "csv")
                options.format = TableFormat::Csv;
            else if (value == "json")
                options.format = TableFormat::Json;
            else
                return fail("the format must be tsv, csv or json, not '" + std::string(value) +
                            "'");
        } else if (arg == "--help") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (arg == "--decimal-separator" || arg.starts_with("--decimal-separator=")) {
            std::string_view value;
            if (arg.size() > 19) {
                value = arg.substr(20);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return fail("--decimal-separator needs a character");
            }
            if (value.size() != 1)
                return fail("the decimal separator must be one character, not '" +
                            std::string(value) + "'");
            // A tab or a line break would split the table's fields and rows.
            if (static_cast<unsigned char>(value[0]) < 0x20 || value[0] == 0x7f)
                return fail("the decimal separator cannot be a control character such as a tab "
                            "or a line break");
            options.decimalSeparator = value[0];
        } else {
            return fail("unknown option '" + std::string(arg) + "'");
        }
    }

    if (help) {
        options.mode = Mode::Help;
        return {options, {}};
    }
    if (version) {
        options.mode = Mode::Version;
        return {options, {}};
    }
    if (batch) {
        const std::string name = csv ? "--csv" : "--tsv";
        if (tsv && csv)
            return fail("--tsv and --csv cannot be used together");
        if (!positional.empty())
            return fail(name + " reads its dates from standard input, not from arguments");
        if (options.crlf)
            return fail("--crlf applies to the report, not to " + name);
        options.mode = Mode::Batch;
        return {options, {}};
    }
    if (options.format || options.strict)
        return fail(std::string(options.strict ? "--strict" : "--format") +
                    " applies to --tsv or --csv");
    if (positional.empty()) {
        options.mode = Mode::Today;
        return {options, {}};
    }
    if (positional.size() != 3 && positional.size() != 4)
        return fail("expected MONTH DAY YEAR [ERA], got " + std::to_string(positional.size()) +
                    " argument" + (positional.size() == 1 ? "" : "s"));
    options.mode = Mode::Date;
    options.month = positional[0];
    options.day = positional[1];
    options.year = positional[2];
    if (positional.size() == 4) {
        const std::optional<std::int32_t> era = ParseEra(positional[3]);
        if (!era)
            return fail("the era must be A.D., B.C. or an era index, not '" +
                        std::string(positional[3]) + "'");
        options.era = *era;
    }
    return {options, {}};
}

} // namespace zentolk::cli
