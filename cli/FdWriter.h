#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace zentolk::cli {

// Buffered output to a file descriptor that remembers whether any write failed,
// so that a full disk or a closed pipe is never reported as success.
class FdWriter {
public:
    // Bytes that may always be written at the cursor without a check.
    static constexpr std::size_t Reserve = 1024;

    explicit FdWriter(int fd, std::size_t capacity = 1 << 16);
    ~FdWriter();
    FdWriter(const FdWriter&) = delete;
    FdWriter& operator=(const FdWriter&) = delete;

    void write(std::string_view text) {
        if (text.empty()) // its data may be null, which memcpy may not be given
            return;
        if (text.size() > Reserve) {
            writeLong(text);
            return;
        }
        std::memcpy(data_.get() + size_, text.data(), text.size());
        size_ += text.size();
        if (size_ >= capacity_)
            flush();
    }
    void write(char c) {
        data_[size_++] = c;
        if (size_ >= capacity_)
            flush();
    }

    // Direct access for bulk writers, which check the room once per record:
    // Reserve bytes may be written at cursor() as long as cursor < limit().
    char* cursor() { return data_.get() + size_; }
    const char* limit() const { return data_.get() + capacity_; }
    // Takes back a cursor moved forward by a bulk writer; flushes when full.
    void setCursor(char* cursor) {
        size_ = static_cast<std::size_t>(cursor - data_.get());
        if (size_ >= capacity_)
            flush();
    }

    // Returns false when this or any earlier write failed.
    bool flush();
    bool failed() const { return failed_; }

private:
    void writeLong(std::string_view text);
    void writeAll(const char* data, std::size_t size);

    int fd_;
    std::size_t capacity_;
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0; // always below capacity_ between calls
    bool failed_ = false;
};

// The exit statuses, each with one meaning: every row converted; some rows
// were errors or skipped (or a date could not be read); wrong usage; the
// input could not be read or the output written.
inline constexpr int ExitOk = 0, ExitRowsFailed = 1, ExitUsage = 2, ExitIoFailed = 3;

// Flushes a command's output and messages at its end; an output that cannot
// be written turns the status into ExitIoFailed, with a message.
int FinishRun(FdWriter& out, FdWriter& err, int status);

} // namespace zentolk::cli
