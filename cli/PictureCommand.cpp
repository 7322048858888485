#include "cli/PictureCommand.h"

#include "cli/AlmanacCommands.h"
#include "cli/FdWriter.h"
#include "cli/Messages.h"
#include "cli/RowReader.h"
#include "engine/Epigraphy.h"
#include "engine/TextParsing.h"
#include "picture/Svg.h"
#include "platform/NewFile.h"

#include <cerrno>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace zentolk::cli {

// clang-format off
const char* const PictureUsage = N_(
    "Usage: zentolk-cli picture long-count|calendar-round [DAY] [--svg FILE]\n"
    "                   [--julian] [--correlation N|NAME]\n"
    "       zentolk-cli picture long-count|calendar-round --lines [--svg FILE] <days\n"
    "\n"
    "Draws a day as SVG: long-count, its Long Count as a column of bar-and-dot\n"
    "numerals (a bar is five, a dot one, a shell zero) with the Calendar Round\n"
    "below; calendar-round, the Tzolkin's wheels of 13 numbers and 20 day names\n"
    "meshing with the Haab's wheel of months, the day marked where they meet.\n"
    "\n"
    "DAY is a Long Count (9.12.11.5.18) or MONTH DAY YEAR [ERA] as almanac reads\n"
    "it; today by default.\n"
    "\n"
    "  --svg FILE         write to FILE, a new file (default standard output)\n"
    "  --lines            read one DAY a line from standard input and write one\n"
    "                     SVG document a line; a line that cannot be read is\n"
    "                     named on standard error and skipped (exit status 1)\n"
    "  --julian           read dates as Julian calendar dates\n"
    "  --correlation C    Julian Day Number of 0.0.0.0.0 (see almanac --help)\n"
    "\n"
    "PNG is not written here: save it from the Almanac window's Picture tab,\n"
    "or convert the SVG.\n");
// clang-format on

namespace {
std::string newFileMessage(std::string_view path, const platform::NewFileProblem& problem) {
    switch (problem.kind) {
    case platform::NewFileProblem::Exists:
        return Fill(Tr("%1 exists already and is left as it is"), {path});
    case platform::NewFileProblem::Incomplete:
        return Fill(Tr("%1 could not be written whole"), {path});
    case platform::NewFileProblem::System:
    case platform::NewFileProblem::Ok:
        break;
    }
    return std::string(path) + ": " + SystemErrorText(problem.errnum);
}

// The day of a DAY's words: a Long Count (with its Calendar Round if given),
// else a date.
bool dayOf(std::span<const std::string_view> words, const Options& o, std::int64_t& jdn,
           std::string& error) {
    if (!words.empty() && IsLongCountText(words[0])) {
        const std::optional<LongCountDate> date =
            ReadLongCountDate(JoinedWords(words), error, o.spelling, SpokenLanguage());
        if (!date)
            return false;
        jdn = date->dayCount + o.correlation;
        if (!InAlmanacRange(jdn, o.julian)) {
            error = AlmanacRangeError(SpokenLanguage());
            return false;
        }
        return true;
    }
    return DayNumberOfDate(words, o.julian, jdn, error);
}

// One picture a line; the document of each is reused, so a long worksheet
// costs no allocation a day once the first is drawn.
int drawLines(int inFd, picture::PictureKind kind, const Options& o, FdWriter& out, FdWriter& err) {
    long long lineNumber = 0, skipped = 0;
    std::string pending, svg;
    // No day is written in more than a few words: a longer line is skipped
    // without being held, however long it runs.
    constexpr std::size_t LongestLine = 4096;
    bool overlong = false;
    const auto drawLine = [&](std::string_view line) {
        ++lineNumber;
        const std::vector<std::string_view> words = Words(line);
        if (words.empty() && !overlong)
            return;
        std::int64_t jdn = 0;
        std::string error = Tr("the line is longer than 4096 characters");
        if (overlong || !dayOf(words, o, jdn, error)) {
            err.write("zentolk-cli: " +
                      Fill(Tr("line %1 skipped: "), {std::to_string(lineNumber)}));
            WriteEscaped(err, error);
            err.write('\n');
            ++skipped;
            return;
        }
        svg.clear();
        picture::AppendSvg(picture::PictureOf(kind, ComputeAlmanac(jdn, o.correlation)), {}, svg);
        out.write(svg);
    };
    const std::size_t blockSize = 1 << 16;
    const auto block = std::make_unique<char[]>(blockSize);
    for (;;) {
        const ssize_t n = ::read(inFd, block.get(), blockSize);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            err.write(std::string("zentolk-cli: ") + Tr("the input could not be read") + "\n");
            return 1;
        }
        if (n == 0)
            break;
        std::string_view data(block.get(), static_cast<std::size_t>(n));
        const auto hold = [&](std::string_view part) {
            overlong = overlong || pending.size() + part.size() > LongestLine;
            if (!overlong)
                pending.append(part);
        };
        for (std::size_t end; (end = data.find('\n')) != std::string_view::npos;) {
            const std::string_view part = data.substr(0, end);
            if (pending.empty() && !overlong && part.size() <= LongestLine) {
                drawLine(part);
            } else {
                hold(part);
                drawLine(pending);
                pending.clear();
            }
            overlong = false;
            data.remove_prefix(end + 1);
        }
        hold(data);
    }
    if (!pending.empty() || overlong)
        drawLine(pending);
    if (skipped > 0)
        WriteSkippedCount(err, skipped, lineNumber);
    return skipped > 0 ? 1 : 0;
}
} // namespace

int RunPictureCommand(const Options& o, const Streams& streams) {
    FdWriter err(streams.err, 1 << 12);
    const auto usage = [&](const std::string& why) {
        err.write(UsageError(why));
        err.flush();
        return 2;
    };
    const auto fail = [&](const std::string& why) {
        WriteProblem(err, why);
        err.flush();
        return 1;
    };
    if (!o.pngFile.empty())
        return usage(Tr("--png is not written by zentolk-cli: save a PNG from the Almanac "
                        "window's Picture tab, or convert the SVG"));
    std::span<const std::string_view> words = o.words;
    if (words.empty())
        return usage(Tr("expected long-count or calendar-round after picture"));
    picture::PictureKind kind;
    if (words[0] == "long-count")
        kind = picture::PictureKind::LongCount;
    else if (words[0] == "calendar-round")
        kind = picture::PictureKind::CalendarRound;
    else
        return usage(Fill(Tr("expected long-count or calendar-round after picture, not %1"),
                          {QuotedText(words[0])}));
    words = words.subspan(1);
    if (o.lines && !words.empty())
        return usage(Tr("--lines reads its days from standard input, not from arguments"));
    if (!o.lines && !words.empty() && !IsLongCountText(words[0]) && words.size() != 1 &&
        !DateWordsProblem(words).empty())
        return usage(Tr("expected a Long Count such as 9.12.11.5.18 or MONTH DAY YEAR [ERA]"));

    std::int64_t jdn = TodayJdn();
    std::string error;
    if (!o.lines && !words.empty() && !dayOf(words, o, jdn, error))
        return fail(error);

    // Only a file made here is written to; one that exists is left alone.
    int outFd = streams.out;
    const bool toFile = !o.svgFile.empty() && o.svgFile != "-";
    platform::NewFile file;
    platform::NewFileProblem problem;
    if (toFile) {
        file = platform::CreateNewFile(std::string(o.svgFile), problem);
        if (file.fd < 0)
            return fail(newFileMessage(o.svgFile, problem));
        outFd = file.fd;
    }
    int status = 0;
    bool written = false;
    {
        FdWriter out(outFd, 1 << 20);
        if (o.lines)
            status = drawLines(streams.in, kind, o, out, err);
        else
            out.write(picture::SvgOf(picture::PictureOf(kind, ComputeAlmanac(jdn, o.correlation))));
        written = out.flush();
        status = FinishRun(out, err, status);
    }
    // A file cut short by a failed write is not left behind.
    if (toFile && !platform::FinishNewFile(file, written, problem) && written)
        return fail(newFileMessage(o.svgFile, problem));
    return status;
}

} // namespace zentolk::cli
