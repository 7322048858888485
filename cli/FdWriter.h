#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentolk::cli {

// Buffered output to a file descriptor that remembers whether any write failed,
// so that a full disk or a closed pipe is never reported as success.
class FdWriter {
public:
    explicit FdWriter(int fd, std::size_t capacity = 1 << 16);
    ~FdWriter();
    FdWriter(const FdWriter&) = delete;
    FdWriter& operator=(const FdWriter&) = delete;

    void write(std::string_view text) {
        buffer_ += text;
        if (buffer_.size() >= capacity_)
            flush();
    }
    void write(char c) {
        buffer_ += c;
        if (buffer_.size() >= capacity_)
            flush();
    }
    // Returns false when this or any earlier write failed.
    bool flush();
    bool failed() const { return failed_; }

private:
    int fd_;
    std::size_t capacity_;
    std::string buffer_;
    bool failed_ = false;
};

} // namespace zentolk::cli
