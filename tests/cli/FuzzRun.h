#pragma once
// What the batch fuzzers share: a converter run on in-memory files, its
// output, messages and status collected for comparison.
#include "cli/FdWriter.h"

#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace zentolk::fuzzing {

inline int MemoryFile(const char* name) {
    const int fd = memfd_create(name, 0);
    if (fd < 0)
        std::abort();
    return fd;
}

inline std::string Contents(int fd) {
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

// Runs convert(out, err) -> status on the input file from its start.
template <typename Convert> Outcome Run(int in, Convert convert) {
    lseek(in, 0, SEEK_SET);
    const int out = MemoryFile("out"), err = MemoryFile("err");
    int status;
    {
        cli::FdWriter outWriter(out, 1 << 12), errWriter(err, 1 << 12);
        status = convert(outWriter, errWriter);
    }
    Outcome outcome{status, Contents(out), Contents(err)};
    close(out);
    close(err);
    return outcome;
}

} // namespace zentolk::fuzzing
