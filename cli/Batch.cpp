#include "Batch.h"

#include "NumberText.h"
#include "Options.h"
#include "PlainLine.h"
#include "Reading.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

namespace zentolk::cli {

TabFields SplitTabFields(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    TabFields split;
    for (;;) {
        const std::size_t tab = line.find('\t');
        if (split.count < split.fields.size())
            split.fields[split.count] = line.substr(0, tab);
        ++split.count;
        if (tab == std::string_view::npos)
            return split;
        line.remove_prefix(tab + 1);
    }
}

namespace {
struct FreeMemory {
    void operator()(char* p) const { std::free(p); }
};

class BatchConverter {
public:
    BatchConverter(FdWriter& out, FdWriter& err, char separator)
        : out_(out), err_(err), separator_(separator) {}

    void convertLine(std::string_view line) {
        ++lineNumber_;
        const auto [fields, count] = SplitTabFields(line);
        if (count != fields.size()) {
            skip("it has " + std::to_string(count) + " field" + (count == 1 ? "" : "s") +
                 ", not four (month, day, year, era)");
            return;
        }
        // The era as the report takes it; the line keeps the field as written.
        const std::optional<std::int32_t> era = ParseEra(fields[3]);
        if (!era) {
            skip("its era '", fields[3], "' is none of A.D., AD, B.C., BC or an era index");
            return;
        }

        for (std::string_view field : fields) {
            out_.write(field);
            out_.write('\t');
        }
        const DateTexts date{fields[0], fields[1], fields[2], *era};
        const ReadingStatus status = ComputeReadingTexts(date, separator_, reading_);
        if (status != ReadingStatus::Ok) {
            writeErrorMessage(status, date);
        } else {
            for (const FixedText& text : reading_.texts) {
                if (&text != &reading_.texts.front())
                    out_.write('\t');
                out_.write(text.view());
            }
        }
        out_.write('\n');
    }

    // Convert the complete lines in [start, end); return the start of the
    // unfinished line left. Bytes before `scanFrom` hold no line end.
    const char* convertFast(const char* start, const char* end, const char* scanFrom) {
        char* o = out_.cursor();
        const char* const limit = out_.limit();
        while (start < end) {
            if (o >= limit) {
                out_.setCursor(o);
                o = out_.cursor();
            }
            const char* next;
            if (char* written = ConvertPlainLine(start, separator_, o, next)) {
                ++lineNumber_;
                o = written;
                start = next;
                continue;
            }
            const void* lf = std::memchr(std::max(start, scanFrom), '\n',
                                         static_cast<std::size_t>(end - std::max(start, scanFrom)));
            if (lf == nullptr)
                break;
            out_.setCursor(o);
            const char* lineEnd = static_cast<const char*>(lf);
            convertLine(std::string_view(start, static_cast<std::size_t>(lineEnd - start)));
            o = out_.cursor();
            start = lineEnd + 1;
        }
        out_.setCursor(o);
        return start;
    }

    const char* convertByEngine(const char* start, const char* end, const char* scanFrom) {
        while (start < end) {
            const char* from = std::max(start, scanFrom);
            const void* lf = std::memchr(from, '\n', static_cast<std::size_t>(end - from));
            if (lf == nullptr)
                break;
            const char* lineEnd = static_cast<const char*>(lf);
            convertLine(std::string_view(start, static_cast<std::size_t>(lineEnd - start)));
            start = lineEnd + 1;
        }
        return start;
    }

    bool skippedAny() const { return skippedAny_; }
    long long lineCount() const { return lineNumber_; }

private:
    // The parts are written one by one: a field may be hundreds of megabytes.
    void skip(std::string_view why, std::string_view field = {}, std::string_view more = {}) {
        skippedAny_ = true;
        err_.write("zentolk-cli: line " + std::to_string(lineNumber_) + " skipped: ");
        err_.write(why);
        err_.write(field);
        err_.write(more);
        err_.write('\n');
    }

    // The engine's message, but a bad field it quotes is written in place
    // rather than copied into the message: it may be hundreds of megabytes.
    void writeErrorMessage(ReadingStatus status, DateTexts date) {
        std::string_view* bad = status == ReadingStatus::BadMonth  ? &date.Month
                                : status == ReadingStatus::BadDay  ? &date.Day
                                : status == ReadingStatus::BadYear ? &date.Year
                                                                   : nullptr;
        if (bad != nullptr) {
            const std::string_view field = *bad;
            *bad = {};
            const std::string frame = ReadingErrorMessage(status, date);
            if (frame.starts_with("''")) {
                out_.write('\'');
                out_.write(field);
                out_.write(std::string_view(frame).substr(1));
                return;
            }
            *bad = field;
        }
        out_.write(ReadingErrorMessage(status, date));
    }

    FdWriter& out_;
    FdWriter& err_;
    char separator_;
    ReadingTexts reading_;
    long long lineNumber_ = 0;
    bool skippedAny_ = false;
};
} // namespace

// Reads the input in blocks, converting every complete line in place. A line
// longer than the buffer doubles it, so memory stays within about twice the
// longest line, and bytes already searched for a line end are not searched
// again, so a long line costs time linear in its length.
int RunBatch(int inFd, FdWriter& out, FdWriter& err, char decimalSeparator, BatchPath path) {
    BatchConverter converter(out, err, decimalSeparator);
    std::size_t capacity = 1 << 16; // a pipe's worth; doubled for longer lines
    // Behind the data: a NUL that ends every plain field, and slack the fast
    // path may read. Grown with realloc, which moves large blocks without a
    // copy, so the old and the new buffer are never both held.
    std::unique_ptr<char, FreeMemory> buffer(
        static_cast<char*>(std::malloc(capacity + PlainLineReadMax)));
    std::size_t held = 0;    // bytes of an unfinished line at the start of the buffer
    std::size_t scanned = 0; // of which known to hold no line end
    for (;;) {
        if (held == capacity || !buffer) {
            char* grown = buffer ? static_cast<char*>(
                                       std::realloc(buffer.get(), 2 * capacity + PlainLineReadMax))
                                 : nullptr;
            if (grown == nullptr) {
                err.write("zentolk-cli: line " + std::to_string(converter.lineCount() + 1) +
                          " is too long for the memory available\n");
                return 1;
            }
            (void)buffer.release();
            buffer.reset(grown);
            capacity *= 2;
        }
        const ssize_t n = ::read(inFd, buffer.get() + held, capacity - held);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            err.write(std::string("zentolk-cli: cannot read the input: ") + std::strerror(errno) +
                      "\n");
            return 1;
        }
        if (n == 0)
            break;
        char* const end = buffer.get() + held + static_cast<std::size_t>(n);
        *end = '\0';
        const char* start =
            path == BatchPath::Fast
                ? converter.convertFast(buffer.get(), end, buffer.get() + scanned)
                : converter.convertByEngine(buffer.get(), end, buffer.get() + scanned);
        held = static_cast<std::size_t>(end - start);
        if (start != buffer.get())
            std::memmove(buffer.get(), start, held);
        scanned = held;
    }
    if (held > 0)
        converter.convertLine(std::string_view(buffer.get(), held));
    return converter.skippedAny() ? 1 : 0;
}

} // namespace zentolk::cli
