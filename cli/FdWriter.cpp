#include "cli/FdWriter.h"

#include "cli/Messages.h"

#include <cerrno>
#include <string>
#include <unistd.h>

namespace zentolk::cli {

FdWriter::FdWriter(int fd, std::size_t capacity)
    : fd_(fd), capacity_(capacity), data_(new char[capacity + Reserve]) {}

FdWriter::~FdWriter() {
    flush();
}

void FdWriter::writeAll(const char* data, std::size_t size) {
    std::size_t done = 0;
    while (!failed_ && done < size) {
        const ssize_t n = ::write(fd_, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            failed_ = true;
        else
            done += static_cast<std::size_t>(n);
    }
}

void FdWriter::writeLong(std::string_view text) {
    if (size_ + text.size() < capacity_) {
        std::memcpy(data_.get() + size_, text.data(), text.size());
        size_ += text.size();
        return;
    }
    flush();
    writeAll(text.data(), text.size());
}

bool FdWriter::flush() {
    writeAll(data_.get(), size_);
    size_ = 0;
    return !failed_;
}

int FinishRun(FdWriter& out, FdWriter& err, int status) {
    if (!out.flush()) {
        err.write(std::string("zentolk-cli: ") + Tr("cannot write the output") + "\n");
        status = ExitIoFailed;
    }
    err.flush();
    return status;
}

} // namespace zentolk::cli
