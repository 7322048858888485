// Differential fuzzing of the batch converter: any input at all must give
// the same bytes, messages and status by the fast path as by the engine.
#include "Batch.h"
#include "FdWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {
int memoryFile(const char* name) {
    const int fd = memfd_create(name, 0);
    if (fd < 0)
        std::abort();
    return fd;
}

std::string contents(int fd) {
    std::string text(static_cast<std::size_t>(lseek(fd, 0, SEEK_END)), '\0');
    if (pread(fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size()))
        std::abort();
    return text;
}

struct Outcome {
    int status;
    std::string out, err;
    bool operator==(const Outcome&) const = default;
};

Outcome convert(int in, zentolk::cli::BatchPath path) {
    lseek(in, 0, SEEK_SET);
    const int out = memoryFile("out"), err = memoryFile("err");
    int status;
    {
        zentolk::cli::FdWriter outWriter(out, 1 << 12), errWriter(err, 1 << 12);
        status = zentolk::cli::RunBatch(in, outWriter, errWriter, ',', path);
    }
    Outcome outcome{status, contents(out), contents(err)};
    close(out);
    close(err);
    return outcome;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int in = memoryFile("in");
    if (write(in, data, size) != static_cast<ssize_t>(size))
        std::abort();
    if (!(convert(in, zentolk::cli::BatchPath::Fast) ==
          convert(in, zentolk::cli::BatchPath::Engine)))
        std::abort();
    close(in);
    return 0;
}
