// How every command reads its options, and how it says it cannot.
#include "cli/Options.h"

#include "InProcessCli.h"
#include "cli/Messages.h"
#include "engine/TextParsing.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string_view>;

zentolk::testing::CliResult run(Args args) {
    return zentolk::testing::RunCliInProcess(std::move(args));
}

TEST(Options, EveryMistakeIsOneLineAndAPointerToHelp) {
    struct Case {
        Args args;
        int status;
        std::string firstLine; // after "zentolk-cli: "
    };
    const Case cases[] = {
        {{"--bogus"}, 2, "unknown option '--bogus'"},
        {{"--x\ny\tz"}, 2, "unknown option '--x\\ny\\tz'"},
        {{"--format"}, 2, "--format needs tsv, csv or json"},
        {{"--tsv", "--format=xml"}, 2, "--format needs tsv, csv or json, not 'xml'"},
        {{"--csv", "--format", "--strict"}, 2, "--format needs tsv, csv or json, not '--strict'"},
        {{"--crlf=yes"}, 2, "--crlf takes no value"},
        {{"--json", "6", "15", "2024"},
         2,
         "--json is an option of almanac, long-count, next, distance, match, period-ending, "
         "anniversaries, place and lunar"},
        {{"1", "2"}, 2, "expected MONTH DAY YEAR [ERA], got 2 arguments"},
        {{"--csv", "1"}, 2, "--csv reads its dates from standard input, not from arguments"},
        {{"--tsv", "--crlf"}, 2, "--crlf applies to the report, not to --tsv"},
        {{"--", "--bogus", "1", "1"}, 1, "'--bogus' is not a valid integer value."},
        {{"--", "1", "\x01", "1"}, 1, "'\\x01' is not a valid integer value."},
        {{"almanac", "--count", "3"},
         2,
         "--count is an option of next and anniversaries, not of almanac"},
        {{"almanac", "--from", "1"},
         2,
         "--from is an option of next, match and period-ending, not of almanac"},
        // One command a command line: a second command word is no word of the first.
        {{"almanac", "long-count", "9.12.11.5.18"},
         2,
         "long-count is a command of its own, not a word of almanac"},
        {{"almanac", "next", "4 Ahau"}, 2, "next is a command of its own, not a word of almanac"},
        {{"next", "--json", "long-count", "4 Ahau"},
         2,
         "long-count is a command of its own, not a word of next"},
        {{"almanac", "--crlf"}, 2, "--crlf is not an option of almanac"},
        {{"almanac", "--bogus"}, 2, "unknown option '--bogus' for almanac"},
        {{"almanac", "--tsv", "1"},
         2,
         "almanac --tsv reads its dates from standard input, not from arguments"},
        {{"almanac", "--", "--julian"}, 2, "expected MONTH DAY YEAR [ERA], got 1 argument"},
        {{"long-count"}, 2, "expected one Long Count such as 9.12.11.5.18"},
        {{"long-count", "--version"}, 2, "--version is not an option of long-count"},
        {{"next"}, 2, "expected a Tzolkin day, a Haab day or both, such as \"4 Ahau 8 Cumku\""},
        {{"next", "4 Ahau", "--count=0"}, 2, "--count needs a number from 1 to 100000, not '0'"},
        {{"next", "4 Ahau", "--from", "1", "1"}, 2, "--from needs MONTH DAY YEAR [ERA]"},
        // A date that cannot be read exits 1 wherever it stands.
        {{"next", "4 Ahau", "--from=1", "1", "x"}, 1, "'x' is not a valid integer value"},
        {{"almanac", "1", "1", "2000", "CE"},
         1,
         "the era must be A.D., B.C. or an era index, not 'CE'"},
        {{"1", "1", "2000", "C\nE"}, 1, "the era must be A.D., B.C. or an era index, not 'C\\nE'"},
        {{"picture", "long-count", "1", "x", "2000"}, 1, "'x' is not a valid integer value"},
        {{"long-count", "\x01"},
         1,
         "a Long Count has five places (baktun.katun.tun.uinal.kin) "
         "or six (pictun first), not 1: '\\x01'"},
        {{"--exact", "1", "1", "2000"}, 2, "--exact applies to --tsv or --csv"},
        {{"--tsv", "--header", "--format=json"},
         2,
         "--header applies to tsv or csv output, not to json"},
        {{"--tsv", "--input=iso"}, 2, "--input is an option of almanac"},
        {{"almanac", "--input=iso"}, 2, "--input applies to almanac --tsv or --csv"},
        {{"almanac", "--csv", "--input=ymd"},
         2,
         "--input needs mdy, iso, jdn or long-count, not 'ymd'"},
        {{"almanac", "--csv", "--json"}, 2, "--json is for one day; the table's is --format=json"},
        {{"match", "* Ahau", "--limit=0"}, 2, "--limit needs a number from 1 to 1000000, not '0'"},
        {{"match", "* Ahau", "--from", "9.0.0"},
         1,
         "--from: a Long Count has five places (baktun.katun.tun.uinal.kin) or six (pictun "
         "first), not 3: '9.0.0'"},
        {{"match", "* Ahau", "--from", "10.0.0.0.0", "--to", "9.0.0.0.0"},
         2,
         "--from 10.0.0.0.0 comes after --to 9.0.0.0.0"},
        {{"match"}, 2, "expected a pattern such as \"9.*.*.0.0 * Ahau 8 *\""},
        {{"almanac", "--spelling", "latin"}, 2, "--spelling needs colonial or modern, not 'latin'"},
        {{"distance", "--year-bearer=toltec"},
         2,
         "--year-bearer needs classic, campeche or mayapan, not 'toltec'"},
        {{"almanac", "--previous-era"},
         2,
         "--previous-era is an option of long-count, not of almanac"},
        {{"distance"},
         2,
         "expected two days, each a Long Count, a full date or MONTH DAY YEAR [ERA]"},
    };
    for (const Case& c : cases) {
        const zentolk::testing::CliResult r = run(c.args);
        const std::string where = std::string(c.args.front()) + " ... (" + c.firstLine + ")";
        EXPECT_EQ(r.status, c.status) << where;
        EXPECT_EQ(r.out, "") << where;
        const std::string report = c.args.front() == "--" ? "" : "zentolk-cli: ";
        const std::string rest = c.status == 2 ? "Try 'zentolk-cli --help'.\n" : "";
        EXPECT_EQ(r.err, report + c.firstLine + "\n" + rest) << where;
    }
}

TEST(Options, EverySpellingOfAnOptionDoesTheSame) {
    const std::vector<std::vector<Args>> spellings = {
        {{"--decimal-separator", ",", "6", "15", "2024"},
         {"6", "15", "--decimal-separator=,", "--", "2024"}},
        {{"--help"}, {"1", "-h", "--crlf"}},
        {{"almanac", "--help"}, {"next", "-h"}, {"long-count", "-h"}},
        {{"almanac", "8", "11", "3114", "BC", "--correlation", "lounsbury", "--json"},
         {"almanac", "--correlation=584285", "--json", "--", "8", "11", "3114", "bc"}},
        {{"next", "4 Ahau", "--from", "1", "1", "2000", "--count", "3", "--previous"},
         {"next", "--count=3", "--from=1", "1", "2000", "A.D.", "--previous", "--", "4", "Ahau"}},
        // The era of --from as almanac takes it, a number too, unless it begins the day.
        {{"next", "4 Ahau", "--from", "1", "1", "2000", "B.C."},
         {"next", "4 Ahau", "--from", "1", "1", "2000", "1"},
         {"next", "4 Ahau", "--from", "1", "1", "2000", "a.", "de", "C."},
         {"next", "--from", "1", "1", "2000", "a.", "C.", "4", "Ahau"},
         {"next", "--from", "1", "1", "2000", "bc", "4", "Ahau"}},
        // A Spanish era as one word or several, wherever a date is read.
        {{"distance", "8", "11", "3114", "B.C.", "9.13.0.0.0"},
         {"distance", "8 11 3114 a. C.", "9.13.0.0.0"},
         {"distance", "8", "11", "3114", "a.", "C.", "9.13.0.0.0"}},
        {{"anniversaries", "8 11 3114 BC", "--every", "katun"},
         {"anniversaries", "8", "11", "3114", "a.", "de", "C.", "--every", "katun"}},
        {{"lunar", "8", "11", "3114", "bc"},
         {"lunar", "8", "11", "3114", "a.C."},
         {"lunar", "8", "11", "3114", "a.", "C."}},
        {{"picture", "long-count", "8", "11", "3114", "B.C."},
         {"picture", "long-count", "8", "11", "3114", "a.", "C."}},
        {{"next", "--from", "1", "1", "2000", "4", "Ahau"},
         {"next", "4", "Ahau", "--from", "1", "1", "2000", "0"}},
    };
    for (const std::vector<Args>& same : spellings) {
        const zentolk::testing::CliResult first = run(same.front());
        EXPECT_NE(first.out, "");
        for (const Args& args : same) {
            const zentolk::testing::CliResult r = run(args);
            EXPECT_EQ(r.status, 0) << args.front() << " " << args.back() << r.err;
            EXPECT_EQ(r.out, first.out) << args.front() << " " << args.back();
        }
    }
}

// Every numeric limit of an option at both ends and one past them: the end
// is taken and does what it says, one past is refused.
TEST(Options, EveryLimitHoldsAtItsEndsAndNotOnePast) {
    struct Case {
        Args args;
        int status;
        long lines; // written to standard output
    };
    // 0.0.0.0.0 and 0.0.0.1.0 are the only Ahau days of these 21.
    const Args twoAhau = {"match", "* Ahau", "--from", "0.0.0.0.0", "--to", "0.0.0.1.0"};
    const Args baktun9Katuns = {"period-ending", "katun", "--from",
                                "9.0.0.0.0",     "--to",  "10.0.0.0.0"};
    const Args lateRound = {"place", "3 Ahau 3 Mol", "--within", "9.0.0.0.0..13.0.0.0.0"};
    const auto with = [](Args args, std::initializer_list<std::string_view> more) {
        args.insert(args.end(), more);
        return args;
    };
    const Case cases[] = {
        {{"next", "4 Ahau", "--count", "0"}, 2, 0},
        {{"next", "4 Ahau", "--count", "1"}, 0, 1},
        {{"next", "4 Ahau", "--count", "100000"}, 0, 100000},
        {{"next", "4 Ahau", "--count", "100001"}, 2, 0},
        {with(twoAhau, {"--limit", "0"}), 2, 0},
        {with(twoAhau, {"--limit", "1"}), 1, 1}, // one more day than shown
        {with(twoAhau, {"--limit", "2"}), 0, 2},
        {with(twoAhau, {"--limit", "1000000"}), 0, 2},
        {with(twoAhau, {"--limit", "1000001"}), 2, 0},
        {{"match", "* Ahau", "--from", "0.0.0.1.0", "--to", "0.0.0.1.0"}, 0, 1},
        {{"match", "* Ahau", "--from", "0.0.0.1.0", "--to", "0.0.0.0.19"}, 2, 0},
        {{"almanac", "1", "1", "2000", "--correlation", "-100000000"}, 0, 14},
        {{"almanac", "1", "1", "2000", "--correlation", "-100000001"}, 2, 0},
        {{"almanac", "1", "1", "2000", "--correlation", "100000000"}, 0, 14},
        {{"almanac", "1", "1", "2000", "--correlation", "100000001"}, 2, 0},
        {{"almanac", "12", "31", "1000000"}, 0, 14},
        {{"almanac", "1", "1", "1000001"}, 1, 0},
        {{"almanac", "1", "1", "1000001", "B.C."}, 0, 14},
        {{"almanac", "12", "31", "1000002", "B.C."}, 1, 0},
        {with(baktun9Katuns, {"--ajaw", "0"}), 2, 0},
        {with(baktun9Katuns, {"--ajaw", "1"}), 0, 1},
        {with(baktun9Katuns, {"--ajaw", "13"}), 0, 2},
        {with(baktun9Katuns, {"--ajaw", "14"}), 2, 0},
        {with(lateRound, {"--katun", "0"}), 2, 0},
        {with(lateRound, {"--katun", "1"}), 1, 0}, // none lies in a katun 1 Ahau
        {with(lateRound, {"--katun", "13"}), 0, 2},
        {with(lateRound, {"--katun", "14"}), 2, 0},
        {{"--decimal-separator", "\x1f", "6", "15", "2024"}, 2, 0},
        {{"--decimal-separator", " ", "6", "15", "2024"}, 0, 14},
        {{"--decimal-separator", "~", "6", "15", "2024"}, 0, 14},
        {{"--decimal-separator", "\x7f", "6", "15", "2024"}, 2, 0},
    };
    for (const Case& c : cases) {
        const zentolk::testing::CliResult r = run(c.args);
        std::string where;
        for (const std::string_view arg : c.args)
            where.append(arg).append(" ");
        EXPECT_EQ(r.status, c.status) << where << r.err;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), c.lines) << where;
    }
}

// The words every reader splits its text into: at any run of blanks (the C
// locale's white space, whatever the locale), and at a given stop.
TEST(TextHelpers, WordsEndAtBlanksAndAtTheirStop) {
    struct Case {
        std::string_view text;
        char stop;
        std::vector<std::string_view> words;
    };
    const std::string_view nbsp = "a\xa0z"; // no blank in any locale
    const Case cases[] = {
        {" \t\r\n\v\f", ' ', {}},
        {" 4\tAhau\v8\fCumku\r\n", ' ', {"4", "Ahau", "8", "Cumku"}},
        {"1/2/2000 B.C.", '/', {"1", "2", "2000", "B.C."}},
        {"1//2000", '/', {"1", "", "2000"}},
        {nbsp, ' ', {nbsp}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(zentolk::Words(c.text, c.stop), c.words) << c.text;
    EXPECT_EQ(zentolk::Trimmed(" \tx y\t ", " "), "\tx y\t");
}

// The options of each command as the table has them (the listed ones, --help
// left out: the manual shows it once and every command takes it).
using OptionSets = std::map<std::string, std::set<std::string>>;

OptionSets tableOptions() {
    OptionSets sets;
    for (const zentolk::cli::CommandSpec& command : zentolk::cli::CommandTable()) {
        std::set<std::string>& set = sets[std::string(command.name)];
        for (const zentolk::cli::OptionRule* rule : command.options)
            if (rule->listed && rule->name != "--help")
                set.emplace(rule->name);
    }
    return sets;
}

std::string readSource(const std::string& path) {
    std::ifstream in(std::string(ZENTOLK_SOURCE_DIR) + "/" + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The options each synopsis line of a manual page shows, by the command it
// names ("" for the report).
OptionSets synopsisOptions(const std::string& path, std::set<std::string>& unknownCommands) {
    const std::string page = readSource(path);
    const bool spanish = path.find("/es/") != std::string::npos;
    const std::size_t start = page.find(spanish ? ".SH SINOPSIS" : ".SH SYNOPSIS"),
                      end = page.find(spanish ? ".SH DESCRIPCI" : ".SH DESCRIPTION");
    std::string synopsis = page.substr(start, end - start);
    synopsis = std::regex_replace(synopsis, std::regex(R"(\\-)"), "-");
    const OptionSets table = tableOptions();
    OptionSets sets;
    std::set<std::string>* current = nullptr;
    std::istringstream lines(synopsis);
    const std::regex option(R"((^|[^-\w])(--?[a-z][a-z-]*))");
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_match(line, m, std::regex(R"(\.B zentolk-cli(?: ([a-z][a-z-]*))?\b.*)"))) {
            const std::string name = m[1];
            if (!name.empty() && !table.contains(name))
                unknownCommands.insert(name);
            current = &sets[name];
        }
        if (!current)
            continue;
        for (auto it = std::sregex_iterator(line.begin(), line.end(), option);
             it != std::sregex_iterator(); ++it)
            current->insert((*it)[2]);
    }
    return sets;
}

// What the completion offers after "zentolk-cli WORDS... -", as option names.
std::set<std::string> completed(const std::string& words) {
    const std::string script = "source '" + std::string(ZENTOLK_SOURCE_DIR) +
                               "/data/man/zentolk-cli.bash'; COMP_WORDS=(zentolk-cli " + words +
                               "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _zentolk_cli; " +
                               "printf '%s\\n' \"${COMPREPLY[@]}\"";
    std::FILE* pipe = popen(("bash 2>/dev/null <<'END'\n" + script + "\nEND\n").c_str(), "r");
    std::set<std::string> offered;
    if (!pipe)
        return offered;
    char line[256];
    while (std::fgets(line, sizeof line, pipe)) {
        std::string word(line);
        while (!word.empty() && (word.back() == '\n' || word.back() == '='))
            word.pop_back();
        if (!word.empty() && word != "--")
            offered.insert(word);
    }
    pclose(pipe);
    return offered;
}

TEST(CommandTable, TheManualPagesShowEveryCommandWithItsOptionsAndNothingElse) {
    // --lang is taken before any command's options are read: each form shows it.
    OptionSets expected = tableOptions();
    for (auto& [name, set] : expected)
        set.insert("--lang");
    for (const std::string page : {"data/man/zentolk-cli.1", "data/man/es/zentolk-cli.1"}) {
        std::set<std::string> unknown;
        OptionSets shown = synopsisOptions(page, unknown);
        EXPECT_EQ(unknown, std::set<std::string>{}) << page;
        // -h and --help stand once, beside --version.
        EXPECT_TRUE(shown[""].contains("-h") && shown[""].contains("--help")) << page;
        for (auto& [name, set] : shown) {
            set.erase("-h");
            set.erase("--help");
        }
        EXPECT_EQ(shown, expected) << page;
    }
}

TEST(CommandTable, TheCompletionOffersEveryCommandAndItsOptionsAndNothingElse) {
    std::set<std::string> names;
    for (const zentolk::cli::CommandSpec& command : zentolk::cli::CommandTable())
        if (!command.name.empty())
            names.emplace(command.name);
    EXPECT_EQ(completed("''"), names);
    for (auto [name, options] : tableOptions()) {
        // After picture comes the picture's name, then its options.
        const std::string words = name.empty()        ? "-"
                                  : name == "picture" ? "picture long-count -"
                                                      : name + " -";
        options.insert({"-h", "--help"});
        // --lang is taken before any command's options are read.
        if (name.empty())
            options.insert("--lang");
        EXPECT_EQ(completed(words), options) << "completion after " << words;
    }
}

TEST(CommandTable, EachHelpTextNamesItsCommandsOptions) {
    for (const zentolk::cli::CommandSpec& command : zentolk::cli::CommandTable()) {
        const std::string help = *command.usage;
        for (const zentolk::cli::OptionRule* rule : command.options) {
            if (!rule->listed)
                continue;
            EXPECT_NE(help.find(rule->name), std::string::npos)
                << rule->name << " in the help of '" << command.name << "'";
        }
        EXPECT_NE(help.find("zentolk-cli " + std::string(command.name)), std::string::npos)
            << command.name;
        // The report's help points to every command.
        EXPECT_NE(std::string(zentolk::cli::UsageText).find(command.name), std::string::npos)
            << command.name;
    }
}

} // namespace

// In English an error's text is the system's, as the C locale words it, for
// every error number.
TEST(Messages, SystemErrorsInEnglishAreTheSystemsWords) {
    for (int errnum = 0; errnum < 200; ++errnum) {
        // strerror's text for an unknown number lives only until the next call.
        const std::string system = std::strerror(errnum);
        EXPECT_EQ(zentolk::cli::SystemErrorText(errnum), system) << errnum;
    }
}

// A translation may reorder the blanks, leave one out or carry a stray '%':
// each is filled or kept as written, never read past the values.
TEST(Messages, FillPutsEachValueWhereItsTranslationAsks) {
    struct Case {
        std::string_view pattern, filled;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"%1 of %2", "3 of 7"},
             {"%2 de %1", "7 de 3"},
             {"%1%2", "37"},
             {"%3 and %9", "%3 and %9"},
             {"100% and %0", "100% and %0"},
             {"ends in %", "ends in %"},
             {"%10", "30"},
             {"", ""},
         })
        EXPECT_EQ(zentolk::cli::Fill(c.pattern, {"3", "7"}), c.filled) << c.pattern;
}
