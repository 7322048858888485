#include "cli/RowReader.h"

#include "engine/NumberText.h"
#include "engine/ReadingDay.h"
#include "engine/TextParsing.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
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

void WriteTsvField(FdWriter& out, std::string_view field) {
    for (;;) {
        const std::size_t stop = field.find_first_of("\t\n");
        out.write(field.substr(0, stop));
        if (stop == std::string_view::npos)
            return;
        out.write(' ');
        field.remove_prefix(stop + 1);
    }
}

namespace {
// Hands `put` the text's runs of plain characters and an escape for each
// control character between them.
template <typename Put> void forEachEscaped(std::string_view text, Put put) {
    static constexpr char Hex[] = "0123456789abcdef";
    for (;;) {
        const auto control = std::find_if(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
        });
        const auto plain = static_cast<std::size_t>(control - text.begin());
        put(text.substr(0, plain));
        if (plain == text.size())
            return;
        const auto u = static_cast<unsigned char>(text[plain]);
        if (u == '\t')
            put("\\t");
        else if (u == '\n')
            put("\\n");
        else if (u == '\r')
            put("\\r");
        else {
            const char escape[] = {'\\', 'x', Hex[u >> 4], Hex[u & 15]};
            put(std::string_view(escape, sizeof escape));
        }
        text.remove_prefix(plain + 1);
    }
}
} // namespace

void WriteEscaped(FdWriter& out, std::string_view text) {
    forEachEscaped(text, [&out](std::string_view piece) { out.write(piece); });
}

std::string Escaped(std::string_view text) {
    std::string escaped;
    forEachEscaped(text, [&escaped](std::string_view piece) { escaped += piece; });
    return escaped;
}

void WriteSkippedCount(FdWriter& err, long long skipped, long long lines) {
    // "1,002": grouped as every other count shown.
    err.write("zentolk-cli: " + GroupThousands(std::to_string(skipped)) + " of " +
              GroupThousands(std::to_string(lines)) + (lines == 1 ? " line" : " lines") +
              " skipped\n");
}

void WriteProblem(FdWriter& err, std::string_view problem) {
    err.write("zentolk-cli: ");
    WriteEscaped(err, problem);
    err.write('\n');
}

namespace {
// A table's fields are padded with spaces and tabs only.
constexpr std::string_view TableBlanks = " \t";

bool IsWord(std::string_view text, std::string_view word) {
    return !word.empty() && EqualsIgnoringCase(text, word);
}

bool IsHeader(std::string_view first, const RowShape& shape) {
    first = Trimmed(first, TableBlanks);
    if (first.starts_with("\xEF\xBB\xBF"))
        first.remove_prefix(3);
    if (!shape.oneField)
        return IsWord(first, "month");
    return std::any_of(shape.headerWords.begin(), shape.headerWords.end(),
                       [&](std::string_view word) { return IsWord(first, word); });
}

// Cuts a csv line into fields; quoted fields are unquoted into storage of
// their own.
class CsvSplitter {
public:
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
                bool closed = false;
                while (at < record.size()) {
                    const std::size_t quote = record.find('"', at);
                    field += record.substr(at, quote - at);
                    if (quote == std::string_view::npos) {
                        at = record.size();
                        break;
                    }
                    at = quote + 1;
                    if (at < record.size() && record[at] == '"') {
                        field += '"';
                        ++at;
                        continue;
                    }
                    closed = true;
                    break;
                }
                if (!closed) {
                    split.unclosedQuote = true;
                    return split;
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
    // One for each field a row keeps, and one for the fields past them.
    std::array<std::string, 5> unquoted_;
};

struct FreeMemory {
    void operator()(char* p) const { std::free(p); }
};

class RowReader {
public:
    RowReader(RowInput input, FdWriter& err, RowSink& sink, const RowShape& shape)
        : csv_(input == RowInput::Csv), err_(err), sink_(sink), shape_(shape) {}

    int read(int inFd);

private:
    // Converts the complete lines in [start, end); returns the start of the
    // unfinished one left. Bytes before `scanFrom` were searched already.
    const char* convertRecords(const char* start, const char* end, const char* scanFrom) {
        while (start < end) {
            const char* plainEnd = sink_.convertPlain(start, end, line_);
            if (plainEnd != start) {
                seenRecord_ = true;
                start = plainEnd;
                continue;
            }
            const char* from = std::max(start, scanFrom);
            const auto* lf =
                static_cast<const char*>(std::memchr(from, '\n', std::size_t(end - from)));
            if (lf == nullptr)
                break;
            convert(std::string_view(start, static_cast<std::size_t>(lf - start)));
            start = lf + 1;
        }
        return start;
    }

    // One line, without its LF.
    void convert(std::string_view record) {
        const long long line = line_++;
        const auto split = csv_ ? csv_splitter_.split(record) : SplitTabFields(record);
        const auto& [fields, count, unclosedQuote] = split;
        if (unclosedQuote) {
            seenRecord_ = true;
            return skip(line, "unclosed quote");
        }
        if (count == 1 && Trimmed(fields[0], TableBlanks).empty())
            return; // blank lines carry no row
        const bool first = !seenRecord_;
        seenRecord_ = true;
        if (first && IsHeader(fields[0], shape_))
            return;
        const std::size_t wanted = shape_.oneField ? 1 : 4;
        if (count != wanted) {
            const std::string has =
                "it has " + std::to_string(count) + " field" + (count == 1 ? "" : "s");
            return skip(line, shape_.oneField ? has + ", not one (" + std::string(shape_.what) + ")"
                                              : has + ", not four (month, day, year, era)");
        }
        if (shape_.oneField)
            return sink_.convert(fields, 0, line);
        // Comma-separated files often put a blank after each comma.
        const std::optional<std::int32_t> era =
            ParseEra(csv_ ? Trimmed(fields[3], TableBlanks) : fields[3]);
        if (!era)
            return skip(line, "its era '", fields[3],
                        "' is none of A.D., AD, B.C., BC or an era index");
        sink_.convert(fields, *era, line);
    }

    // The parts are written one by one: a field may be hundreds of megabytes.
    void skip(long long line, std::string_view why, std::string_view field = {},
              std::string_view more = {}) {
        ++skipped_;
        err_.write("zentolk-cli: line " + std::to_string(line) + " skipped: ");
        err_.write(why);
        WriteEscaped(err_, field);
        err_.write(more);
        err_.write('\n');
    }

    bool csv_;
    FdWriter& err_;
    RowSink& sink_;
    RowShape shape_;
    CsvSplitter csv_splitter_;
    long long line_ = 1; // the number of the next line
    bool seenRecord_ = false;
    long long skipped_ = 0;
};

// Reads the input in blocks, converting every complete line in place. A line
// longer than the buffer doubles it, so memory stays within about twice the
// longest line, and bytes already searched for a line's end are not searched
// again, so a long line costs time linear in its length.
int RowReader::read(int inFd) {
    std::size_t capacity = 1 << 16; // a pipe's worth; doubled for longer lines
    // Grown with realloc, which moves large blocks without a copy, so the old
    // and the new buffer are never both held.
    std::unique_ptr<char, FreeMemory> buffer(
        static_cast<char*>(std::malloc(capacity + RowReadSlack)));
    std::size_t held = 0;    // bytes of an unfinished line at the start of the buffer
    std::size_t scanned = 0; // of which searched for its end already
    int status = 0;
    for (;;) {
        if (held == capacity || !buffer) {
            char* grown =
                buffer ? static_cast<char*>(std::realloc(buffer.get(), 2 * capacity + RowReadSlack))
                       : nullptr;
            if (grown == nullptr) {
                err_.write("zentolk-cli: line " + std::to_string(line_) +
                           " is too long for the memory available; the rest is not read\n");
                status = 1;
                held = 0;
                break;
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
            status = 1;
            held = 0;
            break;
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
    if (skipped_ > 0) {
        WriteSkippedCount(err_, skipped_, line_ - 1);
        status = 1;
    }
    return status;
}
} // namespace

int ReadRows(int inFd, RowInput input, FdWriter& err, RowSink& sink, const RowShape& shape) {
    RowReader reader(input, err, sink, shape);
    return reader.read(inFd);
}

} // namespace zentolk::cli
