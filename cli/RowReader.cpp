#include "cli/RowReader.h"

#include "engine/ReadingDay.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <string>
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
constexpr std::size_t LongestCsvRecord = 16u << 20;

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IsHeader(std::string_view first) {
    first = TrimBlanks(first);
    if (first.size() >= 3 && first.substr(0, 3) == "\xEF\xBB\xBF")
        first.remove_prefix(3);
    if (first.size() != 5)
        return false;
    for (std::size_t i = 0; i < 5; ++i)
        if (std::tolower(static_cast<unsigned char>(first[i])) != "month"[i])
            return false;
    return true;
}

// Cuts csv records into fields; quoted fields are unquoted into storage of
// their own.
class CsvSplitter {
public:
    // The end of the record that began where scanning began, looking from
    // `from` on, or null when it goes on past `end`.
    const char* recordEnd(const char* from, const char* end) {
        while (from < end) {
            // Up to the next line end, a record ends there unless a quote
            // lies open across it.
            const auto* lf =
                static_cast<const char*>(std::memchr(from, '\n', std::size_t(end - from)));
            const char* stop = lf != nullptr ? lf : end;
            for (const char* q = from;
                 (q = static_cast<const char*>(std::memchr(q, '"', std::size_t(stop - q)))); ++q)
                quoted_ = !quoted_;
            if (lf == nullptr)
                return nullptr;
            if (!quoted_)
                return lf;
            from = lf + 1;
        }
        return nullptr;
    }
    void recordDone() { quoted_ = false; }

    TabFields split(std::string_view record) {
        if (!record.empty() && record.back() == '\r')
            record.remove_suffix(1);
        TabFields split;
        const auto add = [&](std::string_view field) {
            if (split.count < split.fields.size())
                split.fields[split.count] = field;
            ++split.count;
        };
        std::size_t at = 0;
        for (;;) {
            std::size_t comma;
            if (at < record.size() && record[at] == '"') {
                std::string& field = unquoted_[std::min<std::size_t>(split.count, 4)];
                field.clear();
                ++at;
                while (at < record.size()) {
                    if (record[at] == '"') {
                        if (at + 1 < record.size() && record[at + 1] == '"') {
                            field += '"';
                            at += 2;
                            continue;
                        }
                        ++at;
                        break;
                    }
                    field += record[at++];
                }
                // Text after the closing quote is kept, as spreadsheets do.
                comma = record.find(',', at);
                field += record.substr(at, comma == std::string_view::npos ? comma : comma - at);
                add(field);
            } else {
                comma = record.find(',', at);
                add(record.substr(at, comma == std::string_view::npos ? std::string_view::npos
                                                                      : comma - at));
            }
            if (comma == std::string_view::npos)
                return split;
            at = comma + 1;
        }
    }

private:
    bool quoted_ = false;
    // One for each field a row keeps, and one for the fields past them.
    std::array<std::string, 5> unquoted_;
};

struct FreeMemory {
    void operator()(char* p) const { std::free(p); }
};

class RowReader {
public:
    RowReader(RowInput input, FdWriter& err, RowSink& sink)
        : csv_(input == RowInput::Csv), err_(err), sink_(sink) {}

    int read(int inFd);

private:
    // Converts the complete records in [start, end); returns the start of
    // the unfinished one left. Bytes before `scanFrom` were searched already.
    const char* convertRecords(const char* start, const char* end, const char* scanFrom) {
        while (start < end) {
            const char* plainEnd = sink_.convertPlain(start, end, line_);
            if (plainEnd != start) {
                seenRecord_ = true;
                start = plainEnd;
                continue;
            }
            const char* from = std::max(start, scanFrom);
            const char* recordEnd = csv_ ? csv_splitter_.recordEnd(from, end)
                                         : static_cast<const char*>(std::memchr(
                                               from, '\n', static_cast<std::size_t>(end - from)));
            if (recordEnd == nullptr)
                break;
            convert(std::string_view(start, static_cast<std::size_t>(recordEnd - start)));
            csv_splitter_.recordDone();
            start = recordEnd + 1;
        }
        return start;
    }

    // One record, without its LF.
    void convert(std::string_view record) {
        const long long line = line_;
        line_ += 1 + (csv_ ? std::count(record.begin(), record.end(), '\n') : 0);
        const auto [fields, count] = csv_ ? csv_splitter_.split(record) : SplitTabFields(record);
        if (csv_) {
            if (count == 1 && TrimBlanks(fields[0]).empty())
                return; // blank lines carry no row
            const bool first = !seenRecord_;
            seenRecord_ = true;
            if (first && IsHeader(fields[0]))
                return;
        }
        if (count != fields.size()) {
            skip(line, "it has " + std::to_string(count) + " field" + (count == 1 ? "" : "s") +
                           ", not four (month, day, year, era)");
            return;
        }
        // Comma-separated files often put a blank after each comma.
        const std::optional<std::int32_t> era = ParseEra(csv_ ? TrimBlanks(fields[3]) : fields[3]);
        if (!era) {
            skip(line, "its era '", fields[3], "' is none of A.D., AD, B.C., BC or an era index");
            return;
        }
        sink_.convert(fields, *era, line);
    }

    // The parts are written one by one: a field may be hundreds of megabytes.
    void skip(long long line, std::string_view why, std::string_view field = {},
              std::string_view more = {}) {
        skippedAny_ = true;
        err_.write("zentolk-cli: line " + std::to_string(line) + " skipped: ");
        err_.write(why);
        err_.write(field);
        err_.write(more);
        err_.write('\n');
    }

    bool csv_;
    FdWriter& err_;
    RowSink& sink_;
    CsvSplitter csv_splitter_;
    long long line_ = 1; // the number of the next record's first line
    bool seenRecord_ = false;
    bool skippedAny_ = false;
};

// Reads the input in blocks, converting every complete record in place. A
// record longer than the buffer doubles it, so memory stays within about twice
// the longest record, and bytes already searched for a record's end are not
// searched again, so a long record costs time linear in its length.
int RowReader::read(int inFd) {
    std::size_t capacity = 1 << 16; // a pipe's worth; doubled for longer records
    // Grown with realloc, which moves large blocks without a copy, so the old
    // and the new buffer are never both held.
    std::unique_ptr<char, FreeMemory> buffer(
        static_cast<char*>(std::malloc(capacity + RowReadSlack)));
    std::size_t held = 0;    // bytes of an unfinished record at the start of the buffer
    std::size_t scanned = 0; // of which searched for its end already
    for (;;) {
        if (held == capacity || !buffer) {
            if (csv_ && held >= LongestCsvRecord) {
                err_.write("zentolk-cli: line " + std::to_string(line_) +
                           " is longer than 16 MB (an unclosed quote?); the rest is not read\n");
                return 1;
            }
            char* grown =
                buffer ? static_cast<char*>(std::realloc(buffer.get(), 2 * capacity + RowReadSlack))
                       : nullptr;
            if (grown == nullptr) {
                err_.write("zentolk-cli: line " + std::to_string(line_) +
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
            err_.write(std::string("zentolk-cli: cannot read the input: ") + std::strerror(errno) +
                       "\n");
            return 1;
        }
        if (n == 0)
            break;
        char* const end = buffer.get() + held + static_cast<std::size_t>(n);
        *end = '\0';
        const char* start = convertRecords(buffer.get(), end, buffer.get() + scanned);
        held = static_cast<std::size_t>(end - start);
        if (start != buffer.get())
            std::memmove(buffer.get(), start, held);
        scanned = held;
    }
    if (held > 0)
        convert(std::string_view(buffer.get(), held));
    return skippedAny_ ? 1 : 0;
}
} // namespace

int ReadRows(int inFd, RowInput input, FdWriter& err, RowSink& sink) {
    RowReader reader(input, err, sink);
    return reader.read(inFd);
}

} // namespace zentolk::cli
