// Differential fuzzing of the batch converter: any input at all must give
// the same bytes, messages and status by the fast path as by the engine.
#include "FuzzRun.h"
#include "cli/Batch.h"

#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {
using namespace zentolk::fuzzing;

Outcome convert(int in, zentolk::cli::BatchPath path) {
    return Run(in, [&](zentolk::cli::FdWriter& out, zentolk::cli::FdWriter& err) {
        return zentolk::cli::RunBatch(in, out, err, ',', path);
    });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int in = MemoryFile("in");
    if (write(in, data, size) != static_cast<ssize_t>(size))
        std::abort();
    if (!(convert(in, zentolk::cli::BatchPath::Fast) ==
          convert(in, zentolk::cli::BatchPath::Engine)))
        std::abort();
    close(in);
    return 0;
}
