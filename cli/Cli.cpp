#include "cli/Cli.h"

#include "cli/AlmanacCommands.h"
#include "cli/Batch.h"
#include "cli/FdWriter.h"
#include "cli/Messages.h"
#include "cli/Options.h"
#include "cli/PictureCommand.h"
#include "cli/RowReader.h"
#include "engine/Reading.h"
#include "engine/Report.h"
#include "engine/TextParsing.h"
#include "platform/Language.h"
#include "platform/LocalDate.h"
#include "platform/LocaleNumbers.h"

#include <optional>
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
    const Language language = SpokenLanguage();
    ReadingTexts reading;
    const ReadingStatus status = ComputeReadingTexts(date, separator, reading, language);
    if (status != ReadingStatus::Ok) {
        WriteEscaped(err, asSentence(ReadingErrorMessage(status, date, language)));
        err.write('\n');
        return 1;
    }
    const ReportTexts texts{date.Month, date.Day, date.Year, EraText(date.ADBC, language),
                            ViewsOf(reading)};
    out.write(BuildReport(texts, crlf ? "\r\n" : "\n", language));
    return 0;
}
} // namespace

namespace {
// Takes --lang out of the arguments, for every command alike, before they
// are read: the language of their messages is settled first. Why its value
// is refused, or empty.
std::string takeLanguage(std::span<const std::string_view> args,
                         std::vector<std::string_view>& rest) {
    std::optional<platform::Language> chosen;
    std::string_view refused;
    bool missing = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        if (arg != "--lang" && !arg.starts_with("--lang=")) {
            rest.push_back(arg);
            continue;
        }
        std::string_view value;
        if (arg != "--lang")
            value = arg.substr(7);
        else if (i + 1 < args.size())
            value = args[++i];
        else
            missing = true;
        if (const std::optional<platform::Language> read = platform::ReadLanguage(value))
            chosen = read;
        else if (!missing)
            refused = value;
    }
    SpeakLanguage(chosen.value_or(platform::UserLanguage()));
    const std::string needs = Fill(Tr("%1 needs %2"), {"--lang", Tr("en or es")});
    if (missing)
        return needs;
    if (refused.data() != nullptr)
        return Fill(Tr("%1, not %2"), {needs, QuotedText(refused)});
    return {};
}
} // namespace

int Run(std::span<const std::string_view> args, const Streams& streams) {
    std::vector<std::string_view> rest;
    const std::string languageProblem = takeLanguage(args, rest);
    const ParseOutcome parsed =
        languageProblem.empty() ? ParseArguments(rest) : ParseOutcome{{}, languageProblem};
    if (!parsed.options || parsed.options->mode == Mode::Help) {
        FdWriter out(streams.out, 1 << 12);
        FdWriter err(streams.err, 1 << 12);
        if (!parsed.options) {
            err.write(UsageError(parsed.error));
            return FinishRun(out, err, 2);
        }
        out.write(Tr(*CommandOf(parsed.options->command).usage));
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
