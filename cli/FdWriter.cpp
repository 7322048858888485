#include "FdWriter.h"

#include <cerrno>
#include <unistd.h>

namespace zentolk::cli {

FdWriter::FdWriter(int fd, std::size_t capacity) : fd_(fd), capacity_(capacity) {
    buffer_.reserve(capacity + 512);
}

FdWriter::~FdWriter() {
    flush();
}

bool FdWriter::flush() {
    std::size_t done = 0;
    while (!failed_ && done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            failed_ = true;
        else
            done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
    return !failed_;
}

} // namespace zentolk::cli
