// Runs the built command-line calculator as a user's script would.
#include "WorkedExample.h"

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class TempFile {
public:
    TempFile() {
        char name[] = "/tmp/zentolk-cli-test-XXXXXX";
        const int fd = mkstemp(name);
        EXPECT_GE(fd, 0);
        close(fd);
        path_ = name;
    }
    ~TempFile() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

Result run(std::vector<std::string> args, const std::string& input = "",
           const char* stdoutPath = nullptr) {
    TempFile in, out, err;
    std::ofstream(in.path(), std::ios::binary) << input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.path().c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, stdoutPath ? stdoutPath : out.path().c_str(),
                                     O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err.path().c_str(), O_WRONLY | O_TRUNC, 0);
    args.insert(args.begin(), ZENTOLK_CLI);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    Result result;
    pid_t pid;
    if (posix_spawn(&pid, ZENTOLK_CLI, &actions, nullptr, argv.data(), environ) != 0) {
        ADD_FAILURE() << "cannot start " << ZENTOLK_CLI;
        return result;
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readFile(out.path());
    result.err = readFile(err.path());
    return result;
}

const std::string& WorkedExample = zentolk::testing::WorkedExampleReport;

std::string withLf(std::string text) {
    std::erase(text, '\r');
    return text;
}

TEST(CliReport, WritesTheClipboardBytesWithCrlf) {
    const Result r = run({"--crlf", "6", "15", "2024"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, WorkedExample);
    EXPECT_EQ(r.out.size(), 286u);
    EXPECT_EQ(r.err, "");
}

TEST(CliReport, EndsLinesInLfByDefault) {
    const Result r = run({"6", "15", "2024", "A.D."});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, withLf(WorkedExample));
}

TEST(CliReport, AcceptsEverySpellingOfTheEra) {
    const std::string bc = run({"8", "11", "3114", "B.C."}).out;
    ASSERT_NE(bc.find("Year:  3114   B.C.\n"), std::string::npos);
    ASSERT_NE(bc.find("Elapsed Kin:  0  (0.00000%)\n"), std::string::npos);
    for (const char* era : {"BC", "bc", "b.c.", "1", "$1"})
        EXPECT_EQ(run({"8", "11", "3114", era}).out, bc) << era;
    const std::string ad = run({"8", "11", "3114"}).out;
    for (const char* era : {"AD", "ad", "A.d.", "0", "-1", "7"})
        EXPECT_EQ(run({"8", "11", "3114", era}).out, ad) << era;
}

TEST(CliReport, TakesTextsLiterally) {
    const Result r = run({"--", " 6", "+15", "-2024"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Month:   6\nDay:  +15\nYear:  -2024   A.D.\n"), std::string::npos);
}

TEST(CliReport, WithoutArgumentsReportsToday) {
    for (int attempt = 0; attempt < 2; ++attempt) { // once more if midnight passed between
        const std::time_t now = std::time(nullptr);
        std::tm t{};
        localtime_r(&now, &t);
        const Result today = run({});
        const Result dated = run({std::to_string(t.tm_mon + 1), std::to_string(t.tm_mday),
                                  std::to_string(t.tm_year + 1900)});
        if (today.out == dated.out || attempt == 1) {
            EXPECT_EQ(today.status, 0);
            EXPECT_EQ(today.out, dated.out);
        }
    }
}

TEST(CliReport, DecimalSeparatorCanBeChosen) {
    for (const auto& args :
         {std::vector<std::string>{"--decimal-separator", ",", "6", "15", "2024"},
          std::vector<std::string>{"--decimal-separator=,", "6", "15", "2024"}}) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find("Elapsed Kin:  4,194  (0,22404%)"), std::string::npos);
        EXPECT_NE(r.out.find("Remaining Kin:  1,867,806  (99,77596%)"), std::string::npos);
    }
}

TEST(CliErrors, ConversionErrorIsTheErrorBoxSentence) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"--", "1", "1", "-"}, "'-' is not a valid integer value.\n"},
        {{"", "1", "2000"}, "'' is not a valid integer value.\n"},
        {{"a", "b", "2000"}, "'a' is not a valid integer value.\n"},
        {{"7 ", "1", "2000"}, "'7 ' is not a valid integer value.\n"},
        {{"1", "1", "2000000000"},
         "Month 1, day 1, year 2000000000 A.D. lies outside the range that can be computed.\n"},
    };
    for (const Case& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.message;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.message);
    }
}

TEST(CliErrors, WrongUsageExitsWithTwo) {
    const std::vector<std::string> cases[] = {
        {"1"},
        {"1", "2"},
        {"1", "2", "3", "4", "5"},
        {"--bogus"},
        {"--decimal-separator"},
        {"--decimal-separator", ",,", "1", "1", "1"},
        {"--tsv", "1", "1", "1"},
        {"--tsv", "--crlf"},
    };
    for (const auto& args : cases) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.starts_with("zentolk-cli: ")) << r.err;
        EXPECT_TRUE(r.err.ends_with("\nTry 'zentolk-cli --help'.\n")) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
    }
}

TEST(CliErrors, RefusesAControlCharacterAsDecimalSeparator) {
    for (const char* separator : {"\t", "\n", "\r", "\x01", "\x1f", "\x7f"})
        for (const auto& args :
             {std::vector<std::string>{"--tsv", "--decimal-separator", separator},
              std::vector<std::string>{std::string("--decimal-separator=") + separator, "6", "15",
                                       "2024"}}) {
            const Result r = run(args, "6\t15\t2024\t0\n");
            EXPECT_EQ(r.status, 2) << int(separator[0]);
            EXPECT_EQ(r.out, "");
            EXPECT_TRUE(r.err.starts_with("zentolk-cli: the decimal separator cannot be a control "
                                          "character such as a tab or a line break\n"))
                << r.err;
        }
}

TEST(CliErrors, HelpAndVersion) {
    const Result help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: zentolk-cli"));
    EXPECT_EQ(run({"6", "-h"}).out, help.out);
    for (const char* command : {"almanac", "long-count", "next"}) {
        const Result sub = run({command, "-h"});
        EXPECT_EQ(sub.status, 0) << command;
        EXPECT_EQ(sub.out, run({command, "--help"}).out) << command;
        EXPECT_TRUE(sub.out.starts_with("Usage: zentolk-cli almanac")) << command;
    }
    const Result version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "zentolk-cli 3.2.0\n");
}

TEST(CliErrors, AFailedWriteIsNoSuccess) {
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full";
    const Result r = run({"6", "15", "2024"}, "", "/dev/full");
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "zentolk-cli: cannot write the output\n");
}

TEST(CliBatch, ConvertsEachLineIntoFourteenOrFiveFields) {
    const std::string input = "6\t15\t2024\t0\n"
                              "8\t11\t3114\t1\r\n"
                              " 7\t1\t-\t0\n"
                              "12\t21\t2012\t-1";
    const Result r = run({"--tsv"}, input);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "6\t15\t2024\t0\tPlus 1\t4,194\t0.22404%\t1,867,806\t99.77596%\tnone\t"
              "0.0.11.11.14\t0.13.0.11.11.14\t12  Ix  (Jaguar)\tSaturday\n"
              "8\t11\t3114\t1\tStarting\t0\t0.00000%\t1,872,000\t100.00000%\tStart of Cycle\t"
              "0.0.0.0.0\t0.0.0.0.0.0\t4  Ahau  (Light, Lord)\tMonday\n"
              " 7\t1\t-\t0\t'-' is not a valid integer value\n"
              "12\t21\t2012\t-1\tPlus 1\t1,872,000\t100.00000%\t0\t0.00000%\t(1/1) 1,872,000\t"
              "13.0.0.0.0\t0.13.0.0.0.0\t4  Ahau  (Light, Lord)\tFriday\n");
}

// Row N in is row N out: a line that is no row is an error row in its place,
// echoing what could be read, and is named on standard error.
TEST(CliBatch, LinesThatAreNoRowsAreErrorRowsInTheirPlace) {
    const std::string input = "1\t1\t2000\n"                       // three fields
                              "1\t1\t2000\t0\t\n"                  // five fields
                              "1\t1\t2000\tB.C\n"                  // no era
                              "1\t1\t2000\tbc\n"                   // an era by name
                              "\n" +                               // blank line
                              std::string("\x01\t1\t1\t\0\n", 8) + // control bytes
                              "6\t15\t2024\t0\n";
    const Result r = run({"--tsv"}, input);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "zentolk-cli: line 1 is an error row: it has 3 fields, not four (month, day, "
                     "year, era)\n"
                     "zentolk-cli: line 2 is an error row: it has 5 fields, not four (month, day, "
                     "year, era)\n"
                     "zentolk-cli: line 3 is an error row: its era 'B.C' is none of A.D., AD, "
                     "B.C., BC or an era index\n"
                     "zentolk-cli: line 5 is an error row: the line is blank\n"
                     "zentolk-cli: line 6 is an error row: its era '\\x00' is none of A.D., AD, "
                     "B.C., BC or an era index\n"
                     "zentolk-cli: 5 of 7 lines are error rows\n");
    std::istringstream lines(r.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 7U);
    EXPECT_EQ(rows[0], "1\t1\t2000\t\tit has 3 fields, not four (month, day, year, era)");
    EXPECT_TRUE(rows[3].starts_with("1\t1\t2000\tbc\tStarting\t"));
    EXPECT_EQ(rows[4], "\t\t\t\tthe line is blank");
    EXPECT_TRUE(rows[5].starts_with("\\x01\t1\t1\t\\x00\tits era '\\x00'"));
    EXPECT_TRUE(rows[6].starts_with("6\t15\t2024\t0\tPlus 1\t"));
    // Passed over silently when asked.
    const Result skipping = run({"--tsv", "--skip-blank"}, "\n6\t15\t2024\t0\n\n");
    EXPECT_EQ(skipping.status, 0);
    EXPECT_EQ(skipping.err, "");
    EXPECT_EQ(std::count(skipping.out.begin(), skipping.out.end(), '\n'), 1);
}

// The ten readings of a report, in the batch's order: Great Cycle, elapsed
// days and share, remaining days and share, harmonic, Long Count, historical
// Long Count, Tzolkin day, week day.
std::vector<std::string> readingsOf(const std::string& report) {
    std::map<std::string, std::string> field;
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line))
        if (const std::size_t colon = line.find(":  "); colon != std::string::npos)
            field[line.substr(0, colon)] = line.substr(colon + 3);
    std::vector<std::string> readings{field["Great Cycle"]};
    for (const char* kin : {"Elapsed Kin", "Remaining Kin"}) {
        const std::string& text = field[kin]; // "4,194  (0.22404%)"
        const std::size_t open = text.find("  (");
        readings.push_back(text.substr(0, open));
        readings.push_back(
            open == std::string::npos ? "" : text.substr(open + 3, text.size() - open - 4));
    }
    for (const char* name :
         {"Cycle Harmonic", "Long Count", "Historical Long Count", "Tzolkin Day", "Week Day"})
        readings.push_back(field[name]);
    return readings;
}

std::vector<std::string> split(const std::string& line, char separator) {
    std::vector<std::string> fields(1);
    for (const char c : line)
        if (c == separator)
            fields.emplace_back();
        else
            fields.back() += c;
    return fields;
}

TEST(CliBatch, AgreesWithTheReportForManyLines) {
    std::string input;
    for (int year = 1990; year < 2030; ++year)
        for (int month = 0; month <= 13; ++month)
            for (int day = 0; day <= 32; day += 4)
                input += std::to_string(month) + "\t" + std::to_string(day) + "\t" +
                         std::to_string(year) + "\t" + std::to_string(year % 3 - 1) + "\n";
    // Dates read as the fields read them, far back, and that cannot be read.
    input += " 7\t$A\t3114\tbc\n-1\t-1\t-1\t1\n2\t29\t-999999\t0\nx\t1\t2000\t0\n"
             "1\t1\t2000000000\t0\n";
    const Result r = run({"--tsv", "--decimal-separator", ","}, input);
    ASSERT_EQ(r.status, 0);
    const std::vector<std::string> in = split(input, '\n'), out = split(r.out, '\n');
    ASSERT_EQ(out.size(), in.size());
    EXPECT_EQ(out.size(), 40u * 14 * 9 + 5 + 1);
    // The report is run once per line sampled: every 59th and the last five.
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        if (i % 59 != 0 && i + 6 < out.size())
            continue;
        const std::vector<std::string> date = split(in[i], '\t'), line = split(out[i], '\t');
        ASSERT_GE(line.size(), 5u) << out[i];
        EXPECT_EQ(std::vector(line.begin(), line.begin() + 4), date) << out[i];
        const Result report =
            run({"--decimal-separator", ",", "--", date[0], date[1], date[2], date[3]});
        if (line.size() == 5) { // the error message, which the report ends with a period
            EXPECT_EQ(report.status, 1) << out[i];
            EXPECT_EQ(report.err, line[4] + ".\n") << out[i];
        } else {
            EXPECT_EQ(report.status, 0) << out[i];
            EXPECT_EQ(std::vector(line.begin() + 4, line.end()), readingsOf(report.out)) << out[i];
        }
    }
}

} // namespace
