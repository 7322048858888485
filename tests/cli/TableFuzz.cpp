// Fuzzing of the table converter: tab-separated input written back as tsv
// must give --tsv's very bytes, messages and status; the fast rows must be
// the engine's, and every JSON line one whole object, whatever the input;
// the almanac's fast rows are its reference path's too.
#include "FuzzRun.h"
#include "cli/AlmanacCommands.h"
#include "cli/Batch.h"
#include "cli/Table.h"

#include <cstdint>
#include <cstdlib>
#include <string>
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
    if (!(batch == table))
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
    for (const bool julian : {false, true}) {
        const auto almanac = [&](BatchPath path) {
            return Run(in, [&](FdWriter& out, FdWriter& err) {
                AlmanacTableOptions options;
                options.julian = julian;
                options.correlation = -100000000;
                options.path = path;
                return RunAlmanacTable(in, out, err, options);
            });
        };
        if (!(almanac(BatchPath::Fast) == almanac(BatchPath::Engine)))
            std::abort();
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
