// Fuzzing of the table converter: tab-separated input written back as tsv
// must give --tsv's very bytes, messages and status, one row for each line
// after the header; the fast rows must be the engine's, and every JSON line
// one whole object, whatever the input, also with the date picked from a
// wider table; the almanac's fast rows are its reference path's too.
#include "FuzzRun.h"
#include "cli/AlmanacCommands.h"
#include "cli/Batch.h"
#include "cli/Table.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {
using namespace zentolk::cli;
using zentolk::AlmanacInput;
using namespace zentolk::fuzzing;

bool WholeJsonLines(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos || end == start || text[start] != '{' || text[end - 1] != '}')
            return false;
        for (std::size_t i = start; i < end; ++i)
            if (static_cast<unsigned char>(text[i]) < 0x20)
                return false;
        start = end + 1;
    }
    return true;
}

// The lines of tab-separated input after its header: ended by LF, CR LF or
// a lone CR, a byte-order mark dropped, a first line of "month" passed over.
std::size_t RowsOf(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::size_t lines = 0;
    bool header = false;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos)
            end = text.size();
        if (lines == 0) {
            std::string_view first = text.substr(at, std::min(end, text.find('\t', at)) - at);
            while (!first.empty() && (first.front() == ' ' || first.front() == '\t'))
                first.remove_prefix(1);
            while (!first.empty() && (first.back() == ' ' || first.back() == '\t'))
                first.remove_suffix(1);
            header = first.size() == 5 && (first[0] | 0x20) == 'm' && (first[1] | 0x20) == 'o' &&
                     (first[2] | 0x20) == 'n' && (first[3] | 0x20) == 't' &&
                     (first[4] | 0x20) == 'h';
        }
        ++lines;
        at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines - (header ? 1 : 0);
}

std::size_t LinesOf(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int in = MemoryFile("in");
    if (write(in, data, size) != static_cast<ssize_t>(size))
        std::abort();
    const Outcome batch =
        Run(in, [&](FdWriter& out, FdWriter& err) { return RunBatch(in, out, err, ','); });
    const Outcome table = Run(in, [&](FdWriter& out, FdWriter& err) {
        return RunTable(in, out, err, {TableInput::Tsv, TableFormat::Tsv, false, ','});
    });
    if (!(batch == table) ||
        LinesOf(batch.out) != RowsOf({reinterpret_cast<const char*>(data), size}))
        std::abort();
    // The fast rows are the engine's rows, in every format, input and mode.
    for (const TableInput input : {TableInput::Csv, TableInput::Tsv})
        for (const TableFormat format : {TableFormat::Tsv, TableFormat::Csv, TableFormat::Json})
            for (const bool strict : {false, true}) {
                const Outcome fast = Run(in, [&](FdWriter& out, FdWriter& err) {
                    return RunTable(in, out, err, {input, format, strict, ',', true});
                });
                const Outcome engine = Run(in, [&](FdWriter& out, FdWriter& err) {
                    return RunTable(in, out, err, {input, format, strict, ',', false});
                });
                if (!(fast == engine) || (format == TableFormat::Json && !WholeJsonLines(fast.out)))
                    std::abort();
            }
    // A wider table: the date from its second column on, the first carried.
    const Outcome wide = Run(in, [&](FdWriter& out, FdWriter& err) {
        TableOptions options{TableInput::Csv, TableFormat::Json};
        options.columns.picks = {"2"};
        return RunTable(in, out, err, options);
    });
    if (wide.status != 2 && !WholeJsonLines(wide.out))
        std::abort();
    for (const bool julian : {false, true}) {
        for (const TableFormat format : {TableFormat::Tsv, TableFormat::Csv, TableFormat::Json}) {
            const auto almanac = [&](BatchPath path) {
                return Run(in, [&](FdWriter& out, FdWriter& err) {
                    AlmanacTableOptions options;
                    options.format = format;
                    options.julian = julian;
                    options.correlation = -100000000;
                    options.path = path;
                    return RunAlmanacTable(in, out, err, options);
                });
            };
            if (!(almanac(BatchPath::Fast) == almanac(BatchPath::Engine)))
                std::abort();
        }
        for (const AlmanacInput what :
             {AlmanacInput::Iso, AlmanacInput::Jdn, AlmanacInput::LongCount}) {
            const auto oneField = [&](BatchPath path) {
                return Run(in, [&](FdWriter& out, FdWriter& err) {
                    return RunAlmanacTable(
                        in, out, err,
                        {TableInput::Tsv, TableFormat::Tsv, what, julian, 584283, false, path});
                });
            };
            if (!(oneField(BatchPath::Fast) == oneField(BatchPath::Engine)))
                std::abort();
        }
    }
    close(in);
    return 0;
}
