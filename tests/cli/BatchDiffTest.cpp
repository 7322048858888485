// The batch converters' fast path against the engine converting every line:
// the same bytes on standard output and standard error, the same status, for
// --tsv and for every table format, input and mode.
#include "cli/AlmanacCommands.h"
#include "cli/Batch.h"
#include "cli/FdWriter.h"
#include "cli/RowReader.h"
#include "cli/Table.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using zentolk::AlmanacInput;
using zentolk::Spelling;
using zentolk::YearBearerSystem;
using zentolk::cli::BatchPath;
using zentolk::cli::FdWriter;
using zentolk::cli::MaxLineBytes;
using zentolk::cli::RunAlmanacTable;
using zentolk::cli::RunBatch;
using zentolk::cli::RunTable;
using zentolk::cli::TableFormat;
using zentolk::cli::TableInput;
using zentolk::cli::TableOptions;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class TempFile {
public:
    TempFile() {
        char name[] = "/tmp/zentolk-batch-test-XXXXXX";
        fd_ = mkstemp(name);
        EXPECT_GE(fd_, 0);
        path_ = name;
    }
    ~TempFile() {
        close(fd_);
        std::remove(path_.c_str());
    }
    int fd() const { return fd_; }
    std::string contents() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    int fd_;
    std::string path_;
};

// Feeds the input through a pipe in pieces of varying size, so that lines
// straddle the reads at every offset, to run(inFd, out, err) -> status.
template <typename Run> Outcome convertWith(const std::string& input, Run run) {
    int pipeFds[2];
    EXPECT_EQ(pipe(pipeFds), 0);
    std::thread writer([&input, fd = pipeFds[1]] {
        std::minstd_rand pieces(7);
        for (std::size_t done = 0; done < input.size();) {
            const std::size_t want =
                std::min<std::size_t>(input.size() - done, 1 + pieces() % 70000);
            const ssize_t n = write(fd, input.data() + done, want);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        close(fd);
    });
    TempFile out, err;
    Outcome outcome;
    {
        FdWriter outWriter(out.fd(), 1 << 20), errWriter(err.fd(), 1 << 12);
        outcome.status = run(pipeFds[0], outWriter, errWriter);
    }
    // What a converter that stopped early left unread, so that the writer ends.
    char rest[1 << 16];
    while (read(pipeFds[0], rest, sizeof rest) > 0) {
    }
    writer.join();
    close(pipeFds[0]);
    outcome.out = out.contents();
    outcome.err = err.contents();
    return outcome;
}

Outcome convert(const std::string& input, BatchPath path, char separator = '.') {
    return convertWith(input, [&](int in, FdWriter& out, FdWriter& err) {
        return RunBatch(in, out, err, separator, path);
    });
}

Outcome convert(const std::string& input, const TableOptions& options) {
    return convertWith(input, [&](int in, FdWriter& out, FdWriter& err) {
        return RunTable(in, out, err, options);
    });
}

// Both outcomes alike, or the first line where they differ.
void ExpectSame(const Outcome& fast, const Outcome& engine, const std::string& what) {
    EXPECT_EQ(fast.status, engine.status) << what;
    EXPECT_EQ(fast.err, engine.err) << what;
    if (fast.out != engine.out) {
        const std::size_t at =
            std::mismatch(fast.out.begin(), fast.out.end(), engine.out.begin(), engine.out.end())
                .first -
            fast.out.begin();
        const std::size_t from = fast.out.rfind('\n', at) + 1;
        ADD_FAILURE() << what
                      << "\nfast:   " << fast.out.substr(from, fast.out.find('\n', at) - from)
                      << "\nengine: " << engine.out.substr(from, engine.out.find('\n', at) - from);
    }
}

// Every table format from either input, strict or not, by both paths.
void ExpectTablesAgree(const std::string& tabInput) {
    std::string csvInput = tabInput;
    std::replace(csvInput.begin(), csvInput.end(), '\t', ',');
    for (const TableInput input : {TableInput::Tsv, TableInput::Csv})
        for (const TableFormat format : {TableFormat::Tsv, TableFormat::Csv, TableFormat::Json})
            for (const int mode : {0, 1, 2}) { // plain, strict, exact
                const std::string& text = input == TableInput::Csv ? csvInput : tabInput;
                const bool strict = mode == 1, exact = mode == 2;
                const Outcome fast =
                    convert(text, {input, format, strict, ',', true, false, exact});
                const Outcome engine =
                    convert(text, {input, format, strict, ',', false, false, exact});
                ExpectSame(fast, engine,
                           "input " + std::to_string(int(input)) + ", format " +
                               std::to_string(int(format)) + ", mode " + std::to_string(mode));
            }
}

// A field as a user's table may hold it: mostly plain numbers of every
// length, often a form only the engine reads or one it refuses.
std::string field(std::mt19937& random) {
    static const char* const Unusual[] = {
        "",
        " ",
        " 7",
        "7 ",
        "+5",
        "-5",
        "-0",
        "+",
        "-",
        "$A",
        "$a",
        "x1F",
        "X7fffffff",
        "0x10",
        "0X0",
        "$",
        "0x",
        "$FFFFFFFF",
        "$80000000",
        "$100000000",
        "2147483647",
        "2147483648",
        "-2147483648",
        "-2147483649",
        "4294967295",
        "1000000",
        "1000001",
        "9999999",
        "10000000",
        "0000000",
        "00000001",
        "1e3",
        "1.5",
        "ab",
        "\xc3\xa9",
        "\x00"
        "1",
        "\r",
        "3114",
        "13",
        "0",
        "99999",
    };
    const std::uint32_t kind = random() % 16;
    if (kind < 11) { // plain, of a length that varies
        const std::uint32_t digits = 1 + random() % 7;
        std::uint32_t limit = 1;
        for (std::uint32_t i = 0; i < digits; ++i)
            limit *= 10;
        const char* const signs[] = {"", "", "", "", "-", "+"};
        return signs[random() % 6] + std::to_string(random() % limit);
    }
    if (kind < 13)
        return std::to_string(random() % 40);
    const std::size_t count = sizeof Unusual / sizeof Unusual[0];
    const std::size_t i = random() % count;
    return i == 36 ? std::string("\0"
                                 "1",
                                 2)
                   : std::string(Unusual[i]);
}

std::string era(std::mt19937& random) {
    static const char* const Eras[] = {
        "0",  "1",       "0",   "1",     "2",     "-1",   "$1",       " 1", "01",  "BC",
        "",   "1000001", "1\r", "10",    "A.D.",  "ad",   "b.C.",     "Bc", "B.C", "AD.",
        "A.", "bd",      "AB",  "B.c.x", "a. C.", "d.C.", "A. de C.", "a.C"};
    return Eras[random() % (sizeof Eras / sizeof Eras[0])];
}

std::string generate(std::size_t lines, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::string input;
    for (std::size_t i = 0; i < lines; ++i) {
        const std::uint32_t shape = random() % 100;
        if (shape == 0) {
            input += "\n"; // empty line
            continue;
        }
        if (shape == 1) {
            input += field(random) + "\t" + field(random) + "\n"; // short line
            continue;
        }
        if (shape == 2) {
            input += "1\t2\t3\t0\t4\n"; // five fields
            continue;
        }
        input += field(random) + "\t" + field(random) + "\t" + field(random) + "\t" + era(random);
        input += shape < 10 ? "\r\n" : "\n";
    }
    input += "6\t15\t2024\t0"; // a last line without a line end
    return input;
}

std::size_t linesToCompare() {
    const char* wanted = std::getenv("ZENTOLK_BATCH_DIFF_LINES"); // for a longer run by hand
    return wanted ? std::strtoull(wanted, nullptr, 10) : 200000;
}

TEST(BatchFastPath, WritesWhatTheEngineWritesForEveryLine) {
    const std::string input = generate(linesToCompare(), 20121221);
    for (const char separator : {'.', ','}) {
        ExpectSame(convert(input, BatchPath::Fast, separator),
                   convert(input, BatchPath::Engine, separator), "--tsv");
    }
}

TEST(TableFastPath, WritesWhatTheEngineWritesForEveryRow) {
    ExpectTablesAgree(generate(linesToCompare() / 8, 31122012));
}

// Plain lines only, stepping through the whole range of the fast path's
// years in both eras, around the start day and cycle ends in particular.
std::string plainRange() {
    std::string input;
    for (int year = -1000000; year <= 1000000; year += 997)
        for (const char* era : {"0", "1"})
            input += "1\t" + std::to_string(year % 400) + "\t" + std::to_string(year) + "\t" + era +
                     "\n";
    // The fast path's limits, and just beyond them.
    for (const char* edge : {"1000000", "-1000000", "+1000000", "1000001", "-1000001", "0000001",
                             "-0000001", "00000001", "-00000001"})
        for (const char* era : {"0", "1", "-1", "B.C.", "ad"})
            input += std::string(edge) + "\t" + edge + "\t" + edge + "\t" + era + "\n";
    input += "-1000000\t-1000000\t-1000000\t-1000000\r\n"; // the longest plain line
    // Real dates at the ends of the years, where the true day number runs out.
    for (const char* year : {"-1000000", "-999999", "999999", "1000000"})
        for (const char* date : {"1\t1\t", "12\t31\t", "2\t29\t"})
            for (const char* era : {"\t0\n", "\t1\n"})
                input += date + std::string(year) + era;
    // January 1 plus 0 to 800 days: the start day, cycle ends after it and before it.
    for (int day = 0; day <= 800; ++day)
        for (const char* date :
             {"\t3114\t1\n", "\t3113\t1\n", "\t2012\t0\n", "\t7138\t0\n", "\t8239\t1\n"})
            input += "1\t" + std::to_string(day) + date;
    return input;
}

TEST(BatchFastPath, AgreesOverTheWholeRangeOfPlainYears) {
    const std::string input = plainRange();
    const Outcome fast = convert(input, BatchPath::Fast);
    EXPECT_EQ(fast.status, 0);
    EXPECT_EQ(fast.err, "");
    ExpectSame(fast, convert(input, BatchPath::Engine), "--tsv");
    EXPECT_NE(fast.out.find("-1000000\t-1000000\t-1000000\t-1000000\tMinus "), std::string::npos);
    ExpectTablesAgree(input);
    // The fast path writes a row straight into the output's reserve, with
    // whole-word copies past its end: the longest row leaves room for them.
    const std::string json = convert(input, {TableInput::Tsv, TableFormat::Json}).out;
    std::size_t longest = 0;
    for (std::size_t at = 0, end; (end = json.find('\n', at)) != std::string::npos; at = end + 1)
        longest = std::max(longest, end - at + 1);
    EXPECT_LE(longest + 64, FdWriter::Reserve);
}

// The almanac's table under both calendars and correlations at the ends of
// their range, where the day counts are largest, in every output format.
TEST(AlmanacFastPath, WritesWhatTheEngineWritesForEveryLine) {
    const std::string input = generate(linesToCompare() / 8, 11082012) + "\n" + plainRange();
    for (const TableFormat format : {TableFormat::Tsv, TableFormat::Csv, TableFormat::Json})
        for (const bool julian : {false, true})
            for (const std::int64_t correlation : {584283LL, -100000000LL, 100000000LL}) {
                const auto run = [&](BatchPath path) {
                    return convertWith(input, [&](int in, FdWriter& out, FdWriter& err) {
                        zentolk::cli::AlmanacTableOptions options;
                        options.format = format;
                        options.julian = julian;
                        options.correlation = correlation;
                        options.path = path;
                        return RunAlmanacTable(in, out, err, options);
                    });
                };
                ExpectSame(run(BatchPath::Fast), run(BatchPath::Engine),
                           "almanac, format " + std::to_string(int(format)) + ", correlation " +
                               std::to_string(correlation) + (julian ? ", Julian" : ""));
            }
}

// A line of MaxLineBytes is converted whole; a longer one (here 24 MiB, read
// through a pipe in pieces) is an error row in its place, and the rest of it
// is passed over unread: with every line end, the lines around it are
// untouched.
TEST(BatchLongLine, ALineBeyondTheBoundIsAnErrorRowInItsPlace) {
    const std::string longest(MaxLineBytes - 6, '7'); // "1\t1\t" and "\t0" make it MaxLineBytes
    const std::string tooLong(24 << 20, '7');
    const std::string plain = convert("6\t15\t2024\t0\n", BatchPath::Engine).out;
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        const auto line = [&](const std::string& year) { return "1\t1\t" + year + "\t0" + end; };
        const std::string around = "6\t15\t2024\t0" + end;
        const Outcome whole = convert(around + line(longest) + around, BatchPath::Fast);
        EXPECT_EQ(whole.status, 0);
        EXPECT_TRUE(whole.out == plain + "1\t1\t" + longest + "\t0\t'" + longest +
                                     "' is not a valid integer value\n" + plain);
        // One byte past the bound is already too long.
        const Outcome past = convert(around + line(longest + "7") + around, BatchPath::Fast);
        EXPECT_EQ(past.out, plain + "\t\t\t\tthe line is longer than 1,048,576 bytes\n" + plain);
        const Outcome cut = convert(around + line(tooLong) + around, BatchPath::Fast);
        EXPECT_EQ(cut.status, 1);
        EXPECT_EQ(cut.out, plain + "\t\t\t\tthe line is longer than 1,048,576 bytes\n" + plain);
        EXPECT_EQ(cut.err, "zentolk-cli: line 2 is an error row: the line is longer than "
                           "1,048,576 bytes\nzentolk-cli: 1 of 3 lines is an error row\n");
        const Outcome json = convert(around + line(tooLong) + around,
                                     TableOptions{TableInput::Tsv, TableFormat::Json});
        EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 3);
    }
}

// The input's last line ended by a lone CR, after longer lines held in the
// same buffer: the fast path stops there as the engine's does, rather than
// reading the older bytes after it as more lines.
TEST(BatchLongLine, ALoneCrAtTheEndEndsTheInput) {
    // The older bytes after the last CR are "\n8\t11\t3114\t1\r\n": a whole line.
    const std::string input = "6\t15\t2024\t0\n8\t11\t3114\t1\r\n-5\t+\t\n8\t11\t000\t1\r";
    const Outcome fast = convert(input, BatchPath::Fast);
    const Outcome engine = convert(input, BatchPath::Engine);
    EXPECT_EQ(fast.out, engine.out);
    EXPECT_EQ(fast.err, engine.err);
    EXPECT_EQ(std::count(fast.out.begin(), fast.out.end(), '\n'), 4);
}

// A row never spans lines: a quote left open in a line of any length is an
// error row for that line alone, and says so.
TEST(BatchLongLine, AnUnclosedQuoteLosesOnlyItsLine) {
    const std::string input = "6,15,2024,0\n\"" + std::string(1 << 19, '7') + "\n6,15,2024,0\n";
    const Outcome r = convert(input, TableOptions{TableInput::Csv, TableFormat::Json});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
    EXPECT_EQ(r.err, "zentolk-cli: line 2 is an error row: unclosed quote\n"
                     "zentolk-cli: 1 of 3 lines is an error row\n");
}

// One-field lines for each of the almanac's other inputs: mostly days it
// reads, some it refuses, some that are no row at all.
std::string almanacLines(AlmanacInput what, std::uint32_t seed) {
    std::mt19937 random(seed);
    static const char* const Odd[] = {"",         " ",
                                      "x",        "1\t2",
                                      "-",        "+",
                                      "0x10",     "--5",
                                      "1e5",      "\r",
                                      "\xc3\xa9", "99999999999999999999",
                                      "jdn",      "9.12.11.5.18 1 Ahau"};
    std::string input = what == AlmanacInput::Jdn ? "jdn\n" : "";
    for (int i = 0; i < 20000; ++i) {
        const std::uint32_t kind = random() % 20;
        if (kind == 0) {
            input += Odd[random() % (sizeof Odd / sizeof Odd[0])];
        } else if (what == AlmanacInput::Jdn) {
            const std::int64_t span = 800'000'000;
            input += (kind == 1 ? " " : "") +
                     std::to_string(std::int64_t(random() % span) - span / 2 + 1'700'000);
        } else if (what == AlmanacInput::Iso) {
            const std::int64_t year = std::int64_t(random() % 2'200'000) - 1'100'000;
            char text[40];
            std::snprintf(text, sizeof text, "%s%04lld-%02u-%02u", year < 0 ? "-" : "",
                          static_cast<long long>(year < 0 ? -year : year),
                          unsigned(1 + random() % 13), unsigned(1 + random() % 31));
            input += text;
        } else {
            const std::uint32_t places = kind == 2 ? 6 : 5;
            input += kind == 3 ? "-" : "";
            for (std::uint32_t p = 0; p < places; ++p)
                input += (p ? "." : "") + std::to_string(random() % (p == 0   ? 20
                                                                     : p == 3 ? 19
                                                                              : 21));
            if (kind == 4)
                input += " 4 Ahau 8 Cumku";
        }
        input += kind == 5 ? "\r\n" : "\n";
    }
    return input;
}

TEST(AlmanacFastPath, EveryInputWritesWhatTheEngineWrites) {
    for (const AlmanacInput what : {AlmanacInput::Iso, AlmanacInput::Jdn, AlmanacInput::LongCount})
        for (const bool julian : {false, true})
            for (const TableFormat format :
                 {TableFormat::Tsv, TableFormat::Csv, TableFormat::Json}) {
                const std::string input = almanacLines(what, 7 + static_cast<std::uint32_t>(what));
                const auto run = [&](BatchPath path) {
                    return convertWith(input, [&](int in, FdWriter& out, FdWriter& err) {
                        return RunAlmanacTable(
                            in, out, err,
                            {TableInput::Tsv,
                             format,
                             what,
                             julian,
                             584285,
                             false,
                             path,
                             // the other spelling and bearer system ride along with the Julian runs
                             {julian ? Spelling::Modern : Spelling::Colonial,
                              julian ? YearBearerSystem::Mayapan : YearBearerSystem::Classic}});
                    });
                };
                const Outcome fast = run(BatchPath::Fast);
                ExpectSame(fast, run(BatchPath::Engine),
                           "almanac input " + std::to_string(int(what)) + ", format " +
                               std::to_string(int(format)) + (julian ? ", Julian" : ""));
                EXPECT_GT(std::count(fast.out.begin(), fast.out.end(), '\n'), 15000);
            }
}

} // namespace
