#include "cli/Cli.h"

#include "cli/AlmanacCommands.h"
#include "cli/Batch.h"
#include "cli/FdWriter.h"
#include "cli/Options.h"
#include "cli/PictureCommand.h"
#include "cli/RowReader.h"
#include "engine/Reading.h"
#include "engine/Report.h"
#include "platform/LocalDate.h"
#include "platform/LocaleNumbers.h"

#include <string>
#include <vector>

#ifndef ZENTOLK_VERSION
#define ZENTOLK_VERSION "unknown"
#endif

namespace zentolk::cli {

namespace {
// The window's error box appends "." to a message whose last character sorts
// after "."; the command line shows the same sentence.
std::string asSentence(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

int printReport(const DateTexts& date, bool crlf, char separator, FdWriter& out, FdWriter& err) {
    ReadingTexts reading;
    const ReadingStatus status = ComputeReadingTexts(date, separator, reading);
    if (status != ReadingStatus::Ok) {
        WriteEscaped(err, asSentence(ReadingErrorMessage(status, date)));
        err.write('\n');
        return 1;
    }
    const ReportTexts texts{date.Month, date.Day, date.Year, EraText(date.ADBC), ViewsOf(reading)};
    out.write(BuildReport(texts, crlf ? "\r\n" : "\n"));
    return 0;
}
} // namespace

int Run(std::span<const std::string_view> args, const Streams& streams) {
    const ParseOutcome parsed = ParseArguments(args);
    if (!parsed.options || parsed.options->mode == Mode::Help) {
        FdWriter out(streams.out, 1 << 12);
        FdWriter err(streams.err, 1 << 12);
        if (!parsed.options) {
            err.write(UsageError(parsed.error));
            return FinishRun(out, err, 2);
        }
        out.write(*CommandOf(parsed.options->command).usage);
        return FinishRun(out, err, 0);
    }
    return CommandOf(parsed.options->command).run(*parsed.options, streams);
}

int RunReport(const Options& options, const Streams& streams) {
    FdWriter out(streams.out, 1 << 20);
    FdWriter err(streams.err, 1 << 12);
    // The report is read by a person, in the locale's numbers; a table is
    // data, the same in every locale.
    const char separator = options.decimalSeparator.value_or(
        options.mode == Mode::Batch ? '.' : platform::LocaleDecimalSeparator());

    int status = 0;
    switch (options.mode) {
    case Mode::Help: // answered before any command runs
        break;
    case Mode::Version:
        out.write("zentolk-cli " ZENTOLK_VERSION "\n");
        break;
    case Mode::Batch: {
        const TableFormat format = options.format.value_or(
            options.input == TableInput::Csv ? TableFormat::Csv : TableFormat::Tsv);
        std::string why;
        const std::optional<DateColumns> columns = DateColumnsOf(options, false, why);
        if (!columns) {
            err.write(UsageError(why));
            status = ExitUsage;
        } else if (options.input == TableInput::Tsv && format == TableFormat::Tsv &&
                   !options.strict && !options.header && !options.exact && !options.skipBlank &&
                   !columns->wide()) {
            status = RunBatch(streams.in, out, err, separator);
        } else {
            status = RunTable(streams.in, out, err,
                              {options.input, format, options.strict, separator, true,
                               options.header, options.exact, options.skipBlank, *columns});
        }
        break;
    }
    case Mode::Date: {
        const std::vector<std::string_view>& w = options.words;
        std::string why;
        const std::optional<std::int32_t> era = EraOfDate(w, why);
        if (!era) {
            WriteProblem(err, why);
            status = 1;
        } else {
            status = printReport({w[0], w[1], w[2], *era}, options.crlf, separator, out, err);
        }
        break;
    }
    case Mode::Today: {
        const platform::LocalDate today = platform::TodayLocal();
        const std::string month = std::to_string(today.month);
        const std::string day = std::to_string(today.day);
        const std::string year = std::to_string(today.year);
        status = printReport({month, day, year, 0}, options.crlf, separator, out, err);
        break;
    }
    }
    return FinishRun(out, err, status);
}

} // namespace zentolk::cli
