#include "cli/Options.h"

#include "cli/AlmanacCommands.h"
#include "cli/LunarCommand.h"
#include "cli/Messages.h"
#include "cli/PictureCommand.h"
#include "cli/RowReader.h"
#include "engine/NumberText.h"
#include "engine/TextParsing.h"

#include <cctype>
#include <iterator>
#include <utility>
#include <vector>

namespace zentolk::cli {

// clang-format off
const char* const UsageText = N_(
    "Usage: zentolk-cli [--crlf] [--decimal-separator C] [MONTH DAY YEAR [ERA]]\n"
    "       zentolk-cli --tsv [--decimal-separator C] < dates.tsv\n"
    "       zentolk-cli --tsv|--csv [--format=tsv|csv|json] [--strict] [--exact] [--header]\n"
    "                   [--skip-blank] [--column N|NAME | --columns M,D,Y[,ERA]] [--era AD|BC]\n"
    "                   < dates\n"
    "       zentolk-cli almanac | long-count | next ...   (see zentolk-cli almanac --help)\n"
    "       zentolk-cli distance | match ...              (see zentolk-cli match --help)\n"
    "       zentolk-cli picture long-count|calendar-round [DAY] (see picture --help)\n"
    "       zentolk-cli period-ending | anniversaries | place ... (see place --help)\n"
    "       zentolk-cli lunar [DAY] [--recorded SERIES]   (see lunar --help)\n"
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
    "  --skip-blank             pass over blank lines instead of making each an\n"
    "                           error row\n"
    "  --column N|NAME          the date's (first) column in a wider table; the\n"
    "                           other columns are carried through, before the\n"
    "                           table's own (json: an object \"input\")\n"
    "  --columns M,D,Y[,ERA]    the date's columns by number or name\n"
    "  --era AD|BC              the era of dates without an era column\n"
    "  --decimal-separator C    write the percentages with C instead of the\n"
    "                           locale's decimal separator (the report) or '.'\n"
    "                           (tables)\n"
    "  -h, --help               show this help and exit\n"
    "  --version                show the version and exit\n"
    "  --lang en|es             the language of the help and messages (by default\n"
    "                           the locale's); tables are always written in English\n"
    "  --                       end of options (for a year such as --5)\n"
    "\n"
    "In tables the era is A.D., AD, B.C., BC in any letter case, or the index.\n"
    "A first line starting 'month' is a header. Every other line is one row, in\n"
    "order: a line that is no row (blank, the wrong number of fields, a quote\n"
    "left open) is an error row. Years run from -1,000,000 to 1,000,000.\n"
    "\n"
    "Exit status: 0 success, 1 a date that cannot be read, a table line that is\n"
    "no row or (with --strict) a failed row, 2 wrong usage, 3 the input could not\n"
    "be read or the output written. In a table, a row whose date cannot be read\n"
    "carries its message and leaves the status 0 unless --strict.\n");
// clang-format on

namespace {
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
        why =
            Tr("the decimal separator cannot be a control character such as a tab or a line break");
        return false;
    }
    o.decimalSeparator = v[0];
    return true;
}

bool setCorrelation(std::string_view v, Options& o, std::string& why) {
    const std::optional<std::int64_t> c = ParseCorrelation(v, why, SpokenLanguage());
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

bool setEra(std::string_view v, Options& o, std::string&) {
    o.era = v;
    return ParseEra(v).has_value();
}

template <std::optional<int> Options::*Field>
bool setAjaw(std::string_view v, Options& o, std::string&) {
    std::int32_t n;
    if (!ParseInteger(v, n) || n < 1 || n > TzolkinNumbers)
        return false;
    o.*Field = n;
    return true;
}

bool setEvery(std::string_view v, Options& o, std::string& why) {
    o.every = ParseInterval(v, why, SpokenLanguage());
    return o.every.has_value();
}

bool setPeriodEnding(std::string_view v, Options& o, std::string&) {
    o.periodEnding = ParsePeriod(v);
    return o.periodEnding.has_value();
}

// The parser collects the words itself.
bool setFrom(std::string_view, Options&, std::string&) {
    return true;
}

constexpr OptionRule Help{"--help", Takes::Nothing, "", setHelp};
constexpr OptionRule Version{"--version", Takes::Nothing, "", setVersion};
constexpr OptionRule Crlf{"--crlf", Takes::Nothing, "", setSwitch<&Options::crlf>};
constexpr OptionRule Tsv{"--tsv", Takes::Nothing, "", setSwitch<&Options::tsv>};
constexpr OptionRule Csv{"--csv", Takes::Nothing, "", setCsv};
constexpr OptionRule Strict{"--strict", Takes::Nothing, "", setSwitch<&Options::strict>};
constexpr OptionRule Exact{"--exact", Takes::Nothing, "", setSwitch<&Options::exact>};
constexpr OptionRule Format{"--format", Takes::Value, N_("tsv, csv or json"), setFormat};
constexpr OptionRule Header{"--header", Takes::Nothing, "", setSwitch<&Options::header>};
constexpr OptionRule SkipBlank{"--skip-blank", Takes::Nothing, "", setSwitch<&Options::skipBlank>};
constexpr OptionRule ColumnOption{"--column", Takes::Value, N_("a column's number or name"),
                                  setText<&Options::column>};
constexpr OptionRule ColumnsOption{"--columns", Takes::Value,
                                   N_("the date's columns, M,D,Y,ERA or M,D,Y with --era"),
                                   setText<&Options::columns>};
constexpr OptionRule EraOption{"--era", Takes::Value, N_("AD or BC"), setEra};
constexpr OptionRule Input{"--input", Takes::Value, N_("mdy, iso, jdn or long-count"), setInput};
constexpr OptionRule DecimalSeparator{"--decimal-separator", Takes::Value, N_("one character"),
                                      setDecimalSeparator};
constexpr OptionRule Julian{"--julian", Takes::Nothing, "", setSwitch<&Options::julian>};
constexpr OptionRule Json{"--json", Takes::Nothing, "", setSwitch<&Options::json>};
constexpr OptionRule Correlation{"--correlation", Takes::Value, N_("a number or a name"),
                                 setCorrelation};
constexpr OptionRule Previous{"--previous", Takes::Nothing, "", setSwitch<&Options::previous>};
constexpr OptionRule Count{"--count", Takes::Value, N_("a number from 1 to 100000"), setCount};
constexpr OptionRule FromDate{"--from", Takes::Date, N_("MONTH DAY YEAR [ERA]"), setFrom};
constexpr OptionRule FromLongCount{"--from", Takes::Value, N_("a Long Count"),
                                   setText<&Options::fromLongCount>};
constexpr OptionRule To{"--to", Takes::Value, N_("a Long Count"), setText<&Options::toLongCount>};
constexpr OptionRule Limit{"--limit", Takes::Value, N_("a number from 1 to 1000000"), setLimit};
constexpr OptionRule PreviousEra{"--previous-era", Takes::Nothing, "",
                                 setSwitch<&Options::previousEra>};
constexpr OptionRule SpellingOption{"--spelling", Takes::Value, N_("colonial or modern"),
                                    setSpelling};
constexpr OptionRule YearBearer{"--year-bearer", Takes::Value, N_("classic, campeche or mayapan"),
                                setYearBearer};
constexpr OptionRule Svg{"--svg", Takes::Value, N_("a file name"), setText<&Options::svgFile>};
constexpr OptionRule Png{"--png", Takes::Value, N_("a file name"), setText<&Options::pngFile>,
                         false};
constexpr OptionRule Lines{"--lines", Takes::Nothing, "", setSwitch<&Options::lines>};
constexpr OptionRule Recorded{"--recorded", Takes::Value,
                              N_("a Lunar Series such as \"D 5 C 2 A 29\""),
                              setText<&Options::recorded>};
constexpr OptionRule Ajaw{"--ajaw", Takes::Value, N_("a number from 1 to 13"),
                          setAjaw<&Options::ajaw>};
constexpr OptionRule KatunOption{"--katun", Takes::Value,
                                 N_("the number of the katun's Ahau day, 1 to 13"),
                                 setAjaw<&Options::katunAjaw>};
constexpr OptionRule Every{"--every", Takes::Value,
                           N_("tun, katun, another period, a number of days or a distance number"),
                           setEvery};
constexpr OptionRule Within{"--within", Takes::Value, N_("a range of Long Counts, LC..LC"),
                            setText<&Options::within>};
constexpr OptionRule PeriodEndingOption{
    "--period-ending", Takes::Value, N_("baktun, katun, lahuntun, hotun or tun"), setPeriodEnding};

constexpr const OptionRule* ReportOptions[] = {
    &Help,   &Version, &Crlf,      &Tsv,          &Csv,           &Strict,    &Exact,
    &Format, &Header,  &SkipBlank, &ColumnOption, &ColumnsOption, &EraOption, &DecimalSeparator};
constexpr const OptionRule* AlmanacOptions[] = {
    &Help,           &Tsv,           &Csv,       &Format, &Header, &SkipBlank, &Strict,
    &ColumnOption,   &ColumnsOption, &EraOption, &Input,  &Julian, &Json,      &Correlation,
    &SpellingOption, &YearBearer};
constexpr const OptionRule* LongCountOptions[] = {
    &Help, &Julian, &Json, &Correlation, &PreviousEra, &SpellingOption, &YearBearer};
constexpr const OptionRule* NextOptions[] = {&Help,        &Julian,         &Json,
                                             &Correlation, &Previous,       &Count,
                                             &FromDate,    &SpellingOption, &YearBearer};
constexpr const OptionRule* DistanceOptions[] = {&Help,        &Julian,         &Json,
                                                 &Correlation, &SpellingOption, &YearBearer};
constexpr const OptionRule* MatchOptions[] = {
    &Help, &Julian, &Json, &Correlation, &FromLongCount, &To, &Limit, &SpellingOption, &YearBearer};
constexpr const OptionRule* PictureOptions[] = {&Help, &Julian, &Correlation, &Svg, &Png, &Lines};
constexpr const OptionRule* LunarOptions[] = {&Help,        &Julian,   &Json,
                                              &Correlation, &Recorded, &SpellingOption};
constexpr const OptionRule* PeriodEndingOptions[] = {
    &Help,          &Julian, &Json,  &Correlation,    &Ajaw,
    &FromLongCount, &To,     &Limit, &SpellingOption, &YearBearer};
constexpr const OptionRule* AnniversaryOptions[] = {&Help,  &Julian, &Json,           &Correlation,
                                                    &Every, &Count,  &SpellingOption, &YearBearer};
constexpr const OptionRule* PlaceOptions[] = {
    &Help,           &Julian,    &Json,  &Correlation,
    &KatunOption,    &Within,    &Limit, &PeriodEndingOption,
    &SpellingOption, &YearBearer};

constexpr CommandSpec Commands[] = {
    {Command::Report, "", ReportOptions, RunReport, &UsageText},
    {Command::Almanac, "almanac", AlmanacOptions, WithWriters<RunAlmanac>, &AlmanacUsage},
    {Command::LongCount, "long-count", LongCountOptions, WithWriters<RunLongCount>, &AlmanacUsage},
    {Command::Next, "next", NextOptions, WithWriters<RunNext>, &AlmanacUsage},
    {Command::Distance, "distance", DistanceOptions, WithWriters<RunDistance>, &InscriptionUsage},
    {Command::Match, "match", MatchOptions, WithWriters<RunMatch>, &InscriptionUsage},
    {Command::Picture, "picture", PictureOptions, RunPictureCommand, &PictureUsage, true},
    {Command::PeriodEnding, "period-ending", PeriodEndingOptions, WithWriters<RunPeriodEnding>,
     &PeriodUsage},
    {Command::Anniversaries, "anniversaries", AnniversaryOptions, WithWriters<RunAnniversaries>,
     &PeriodUsage},
    {Command::Place, "place", PlaceOptions, WithWriters<RunPlace>, &PeriodUsage},
    {Command::Lunar, "lunar", LunarOptions, WithWriters<RunLunar>, &LunarUsage},
};

// CommandOf finds a command's row by its place.
static_assert([] {
    for (std::size_t i = 0; i < std::size(Commands); ++i)
        if (Commands[i].command != static_cast<Command>(i))
            return false;
    return std::size(Commands) == static_cast<std::size_t>(Command::Lunar) + 1;
}());

const OptionRule* findOption(const CommandSpec& command, std::string_view name) {
    for (const OptionRule* rule : command.options)
        if (rule->name == name)
            return rule;
    return nullptr;
}

// Why the option cannot be used with this command: the commands it belongs
// to ("almanac", "almanac and next", "almanac, long-count and next"), or that
// none has it.
std::string notAnOptionOf(std::string_view name, const CommandSpec& command) {
    std::vector<std::string_view> owners;
    bool known = false;
    for (const CommandSpec& other : Commands)
        if (findOption(other, name)) {
            known = true;
            if (!other.name.empty())
                owners.push_back(other.name);
        }
    if (!known)
        return command.name.empty()
                   ? Fill(Tr("unknown option %1"), {QuotedText(name)})
                   : Fill(Tr("unknown option %1 for %2"), {QuotedText(name), command.name});
    if (owners.empty())
        return Fill(Tr("%1 is not an option of %2"), {name, command.name});
    std::string list;
    for (std::size_t i = 0; i < owners.size(); ++i)
        list.append(i == 0 ? "" : i + 1 == owners.size() ? Tr(" and ") : ", ").append(owners[i]);
    return command.name.empty()
               ? Fill(Tr("%1 is an option of %2"), {name, list})
               : Fill(Tr("%1 is an option of %2, not of %3"), {name, list, command.name});
}

// Reads the options and collects the other words; returns why the command
// line is not usable, or nothing.
std::string parseOptions(std::span<const std::string_view> args, const CommandSpec& command,
                         Options& o) {
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
        const OptionRule* rule = findOption(command, name);
        if (!rule)
            return notAnOptionOf(name, command);
        const std::string needs = Fill(Tr("%1 needs %2"), {name, Tr(rule->needs.data())});
        const bool inlineValue = equals != std::string_view::npos;
        if (rule->takes == Takes::Nothing && inlineValue)
            return Fill(Tr("%1 takes no value"), {name});
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
                if (ParseEra(args[i + 1]) && !dayFollows) {
                    o.from.push_back(args[++i]);
                } else if (const std::optional<EraWords> era = ParseEraWords(args.subspan(i + 1))) {
                    for (std::size_t k = 0; k < era->count; ++k)
                        o.from.push_back(args[++i]);
                }
            }
        }
        std::string why;
        if (!rule->apply(value, o, why))
            return why.empty() ? Fill(Tr("%1, not %2"), {needs, QuotedText(value)}) : why;
    }
    return {};
}

// The column option given, if any: they apply to tables only.
std::string_view TableOnlyOption(const Options& o) {
    return !o.column.empty()    ? "--column"
           : !o.columns.empty() ? "--columns"
           : !o.era.empty()     ? "--era"
                                : "";
}

// What the report's options and words come to.
std::string settleReport(Options& o) {
    if (o.mode == Mode::Help || o.mode == Mode::Version)
        return {};
    const bool csv = o.input == TableInput::Csv;
    if (o.tsv || csv) {
        const std::string name = csv ? "--csv" : "--tsv";
        if (o.tsv && csv)
            return Tr("--tsv and --csv cannot be used together");
        if (!o.words.empty())
            return Fill(Tr("%1 reads its dates from standard input, not from arguments"), {name});
        if (o.crlf)
            return Fill(Tr("--crlf applies to the report, not to %1"), {name});
        if (o.header && o.format == TableFormat::Json)
            return Tr("--header applies to tsv or csv output, not to json");
        o.mode = Mode::Batch;
        return {};
    }
    if (o.format || o.strict || o.exact || o.header || o.skipBlank || !TableOnlyOption(o).empty())
        return Fill(Tr("%1 applies to --tsv or --csv"), {o.strict      ? "--strict"
                                                         : o.exact     ? "--exact"
                                                         : o.header    ? "--header"
                                                         : o.skipBlank ? "--skip-blank"
                                                         : o.format    ? "--format"
                                                                       : TableOnlyOption(o)});
    if (o.words.empty()) {
        o.mode = Mode::Today;
        return {};
    }
    o.mode = Mode::Date;
    return DateWordsProblem(o.words);
}
} // namespace

std::span<const CommandSpec> CommandTable() {
    return Commands;
}

const CommandSpec& CommandOf(Command command) {
    return Commands[static_cast<std::size_t>(command)];
}

std::string DateWordsProblem(std::span<const std::string_view> words) {
    const std::size_t count = words.size();
    if (count == 3 || count == 4 || (count > 4 && EraOfWords(words.subspan(3))))
        return {};
    return Fill(TrN("expected MONTH DAY YEAR [ERA], got %1 argument",
                    "expected MONTH DAY YEAR [ERA], got %1 arguments", count),
                {std::to_string(count)});
}

std::optional<std::int32_t> EraOfDate(std::span<const std::string_view> date, std::string& why) {
    if (date.size() < 4)
        return 0;
    const std::optional<std::int32_t> era =
        date.size() == 4 ? ParseEra(date[3]) : EraOfWords(date.subspan(3));
    if (!era)
        why = Fill(Tr("the era must be A.D., B.C. or an era index, not %1"),
                   {QuotedText(JoinedWords(date.subspan(3)))});
    return era;
}

std::string JoinedWords(std::span<const std::string_view> words) {
    std::string text;
    for (const std::string_view w : words)
        text.append(text.empty() ? "" : " ").append(w);
    return text;
}

ParseOutcome ParseArguments(std::span<const std::string_view> args) {
    Options options;
    const auto named = [](std::string_view word) -> const CommandSpec* {
        for (const CommandSpec& c : Commands)
            if (!c.name.empty() && c.name == word)
                return &c;
        return nullptr;
    };
    const CommandSpec* command = args.empty() ? nullptr : named(args[0]);
    if (command)
        args = args.subspan(1);
    else
        command = &Commands[0];
    options.command = command->command;
    std::string error = parseOptions(args, *command, options);
    if (error.empty() && options.command == Command::Report)
        error = settleReport(options);
    // One command at a time: "almanac long-count ..." is no almanac.
    const bool secondCommand = !command->name.empty() && !command->takesCommandWords &&
                               !options.words.empty() && named(options.words[0]);
    if (error.empty() && options.mode != Mode::Help && secondCommand)
        error = Fill(Tr("%1 is a command of its own, not a word of %2"),
                     {options.words[0], command->name});
    if (!error.empty())
        return {std::nullopt, error};
    return {std::move(options), {}};
}

std::optional<DateColumns> DateColumnsOf(const Options& o, bool oneField, std::string& why) {
    DateColumns c;
    if (!o.column.empty() && !o.columns.empty())
        why = Tr("--column and --columns cannot be used together");
    else if (oneField && !o.columns.empty())
        why = Tr("--columns names a date's four columns; a one-field input takes --column");
    else if (oneField && !o.era.empty())
        why = Tr("--era applies to dates of month, day and year (--input mdy)");
    if (!why.empty())
        return std::nullopt;
    if (!o.column.empty())
        c.picks = {o.column};
    for (std::string_view list = o.columns; !list.empty();) {
        const std::size_t comma = list.find(',');
        c.picks.push_back(Trimmed(list.substr(0, comma)));
        if (c.picks.back().empty()) {
            why = Fill(Tr("--columns needs a number or name between its commas, not %1"),
                       {QuotedText(o.columns)});
            return std::nullopt;
        }
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    if (!o.era.empty()) {
        c.eraText = o.era;
        c.era = ParseEra(o.era);
    }
    if (!o.columns.empty() && c.picks.size() != (c.era ? 3U : 4U)) {
        why = c.era ? Tr("--columns with --era needs three columns, M,D,Y")
                    : Tr("--columns needs four columns, M,D,Y,ERA (or three, M,D,Y, with --era)");
        return std::nullopt;
    }
    return c;
}

std::string UsageError(std::string_view problem) {
    return "zentolk-cli: " + Escaped(problem) + "\n" + Tr("Try 'zentolk-cli --help'.") + "\n";
}

} // namespace zentolk::cli
