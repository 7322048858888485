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

namespace {
// Hands `put` the text's runs of plain characters and an escape for each
// control character between them.
// With quotes, a double quote is escaped too.
template <bool Quotes = false, typename Put> void forEachEscaped(std::string_view text, Put put) {
    static constexpr char Hex[] = "0123456789abcdef";
    for (;;) {
        const auto control = std::find_if(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7f || (Quotes && c == '"');
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

void WriteTsvField(FdWriter& out, std::string_view field) {
    forEachEscaped<true>(field, [&out](std::string_view piece) { out.write(piece); });
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
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsWord(std::string_view text, std::string_view word) {
    return !word.empty() && EqualsIgnoringCase(text, word);
}

bool IsHeader(std::string_view first, const RowShape& shape) {
    first = Trimmed(first, TableBlanks);
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
                    add(field); // what was read of it, echoed in the error row
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

// The first line end (LF or CR) in [from, end), or null. The CR is looked for
// only before the LF, so a line costs what it holds.
const char* lineEnd(const char* from, const char* end) {
    const auto* lf = static_cast<const char*>(std::memchr(from, '\n', std::size_t(end - from)));
    const auto* cr =
        static_cast<const char*>(std::memchr(from, '\r', std::size_t((lf ? lf : end) - from)));
    return cr ? cr : lf;
}

class RowReader {
public:
    RowReader(RowInput input, FdWriter& err, RowSink& sink, const RowShape& shape,
              const RowRules& rules)
        : csv_(input == RowInput::Csv), err_(err), sink_(sink), shape_(shape), rules_(rules) {}

    int read(int inFd);

private:
    // Converts the complete lines in [start, end); returns the start of the
    // unfinished one left. Bytes before `scanFrom` were searched already.
    const char* convertRecords(const char* start, const char* end, const char* scanFrom) {
        while (start < end) {
            const long long before = line_;
            const char* plainEnd = sink_.convertPlain(start, end, line_);
            lfEnds_ += line_ - before;
            if (plainEnd != start) {
                seenRecord_ = true;
                start = plainEnd;
                continue;
            }
            const char* stop = nextLineEnd(start, std::max(start, scanFrom), end);
            if (stop == nullptr || (*stop == '\r' && stop + 1 == end))
                break; // a CR at the end may be the first half of CR LF
            convert(std::string_view(start, static_cast<std::size_t>(stop - start)));
            ++(*stop == '\r' && stop[1] != '\n' ? loneCrEnds_ : lfEnds_);
            start = stop + (*stop == '\r' && stop[1] == '\n' ? 2 : 1);
        }
        return start;
    }

    // The end of the line at `start`, searched for from `from`. In csv a lone
    // CR inside a quoted field is the field's, as it always was: whether a CR
    // is inside one is told by the parity of the quotes before it.
    const char* nextLineEnd(const char* start, const char* from, const char* end) const {
        const char* stop = lineEnd(from, end);
        if (!csv_)
            return stop;
        const char* counted = start;
        bool quoted = false;
        while (stop != nullptr && *stop == '\r' && !(stop + 1 < end && stop[1] == '\n')) {
            quoted ^= (std::count(counted, stop, '"') & 1) != 0;
            counted = stop;
            if (!quoted)
                break;
            stop = lineEnd(stop + 1, end);
        }
        return stop;
    }

    // One line, without its line end.
    void convert(std::string_view record) {
        const long long line = line_++;
        const auto split = csv_ ? csv_splitter_.split(record) : SplitTabFields(record);
        const auto& [fields, count, unclosedQuote] = split;
        const std::size_t echoed = std::min(count, fields.size());
        if (unclosedQuote) {
            seenRecord_ = true;
            return reject(line, fields, echoed, "unclosed quote");
        }
        if (count == 1 && Trimmed(fields[0], TableBlanks).empty()) {
            if (rules_.skipBlank)
                return;
            seenRecord_ = true;
            return reject(line, fields, 0, "the line is blank");
        }
        const bool first = !seenRecord_;
        seenRecord_ = true;
        if (first && IsHeader(fields[0], shape_))
            return;
        const std::size_t wanted = shape_.oneField ? 1 : 4;
        if (count != wanted) {
            const std::string has =
                "it has " + std::to_string(count) + " field" + (count == 1 ? "" : "s");
            return reject(line, fields, std::min(echoed, wanted),
                          shape_.oneField ? has + ", not one (" + std::string(shape_.what) + ")"
                                          : has + ", not four (month, day, year, era)");
        }
        if (shape_.oneField)
            return sink_.convert(fields, 0, line);
        // Comma-separated files often put a blank after each comma.
        const std::optional<std::int32_t> era = ParseEra(Trimmed(fields[3], TableBlanks));
        if (!era)
            return reject(line, fields, 4,
                          "its era '" + Escaped(fields[3]) +
                              "' is none of A.D., AD, B.C., BC or an era index");
        sink_.convert(fields, *era, line);
    }

    void reject(long long line, const std::array<std::string_view, 4>& fields, std::size_t count,
                std::string_view why) {
        sink_.reject(fields, count, why);
        if (++rejected_ > MaxLineMessages)
            return;
        err_.write("zentolk-cli: line " + std::to_string(line) + " is an error row: ");
        WriteEscaped(err_, why);
        err_.write('\n');
    }

    // Closes the run's messages: the lines not named, and the count.
    void summarise(long long lines) {
        if (rejected_ > MaxLineMessages)
            err_.write("zentolk-cli: ... and " +
                       GroupThousands(std::to_string(rejected_ - MaxLineMessages)) + " more\n");
        if (rejected_ > 0)
            err_.write("zentolk-cli: " + GroupThousands(std::to_string(rejected_)) + " of " +
                       GroupThousands(std::to_string(lines)) + (lines == 1 ? " line" : " lines") +
                       (rejected_ == 1 ? " is an error row\n" : " are error rows\n"));
        // Lines cut at lone CRs among lines cut at LFs: say how the file was read.
        if (loneCrEnds_ > 0 && lfEnds_ > 0)
            err_.write("zentolk-cli: note: the input mixes line ends; each LF, CR LF and lone CR "
                       "was taken as the end of a line\n");
    }

    bool csv_;
    FdWriter& err_;
    RowSink& sink_;
    RowShape shape_;
    RowRules rules_;
    CsvSplitter csv_splitter_;
    long long line_ = 1; // the number of the next line
    bool seenRecord_ = false;
    long long rejected_ = 0;
    long long loneCrEnds_ = 0, lfEnds_ = 0; // how the lines read so far ended
};

// Reads the input in blocks, converting every complete line in place. A line
// longer than the buffer doubles it up to MaxLineBytes; past that the line is
// an error row and the rest of it is dropped as it is read. Bytes already
// searched for a line's end are not searched again, so a long line costs
// time linear in its length.
int RowReader::read(int inFd) {
    std::size_t capacity = 1 << 16; // a pipe's worth; doubled for longer lines
    // A line of MaxLineBytes and its CR LF fit.
    constexpr std::size_t MaxCapacity = MaxLineBytes + 2;
    // Grown with realloc, which moves large blocks without a copy, so the old
    // and the new buffer are never both held.
    std::unique_ptr<char, FreeMemory> buffer(
        static_cast<char*>(std::malloc(capacity + RowReadSlack)));
    std::size_t held = 0;    // bytes of an unfinished line at the start of the buffer
    std::size_t scanned = 0; // of which searched for its end already
    bool atStart = true;     // a byte-order mark may come
    bool dropping = false;   // the rest of a line too long is being passed over
    bool crDropped = false;  // and it ended in a CR at the end of a block
    int status = ExitOk;
    for (;;) {
        if (held == capacity && capacity == MaxCapacity) {
            static constexpr std::array<std::string_view, 4> None{};
            reject(line_++, None, 0,
                   "the line is longer than " + GroupThousands(std::to_string(MaxLineBytes)) +
                       " bytes");
            seenRecord_ = true;
            dropping = true;
            held = scanned = 0;
        } else if (held == capacity || !buffer) {
            const std::size_t wider = std::min(2 * capacity, MaxCapacity);
            char* grown = buffer
                              ? static_cast<char*>(std::realloc(buffer.get(), wider + RowReadSlack))
                              : nullptr;
            if (grown == nullptr) {
                err_.write("zentolk-cli: line " + std::to_string(line_) +
                           " is too long for the memory available; the rest is not read\n");
                status = ExitIoFailed;
                held = 0;
                break;
            }
            (void)buffer.release();
            buffer.reset(grown);
            capacity = wider;
        }
        const ssize_t n = ::read(inFd, buffer.get() + held, capacity - held);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            err_.write(std::string("zentolk-cli: cannot read the input: ") + std::strerror(errno) +
                       "\n");
            status = ExitIoFailed;
            held = 0;
            break;
        }
        if (n == 0)
            break;
        const char* start = buffer.get();
        char* const end = buffer.get() + held + static_cast<std::size_t>(n);
        *end = '\0';
        if (atStart) {
            const auto have = static_cast<std::size_t>(end - start);
            if (have < ByteOrderMark.size() && ByteOrderMark.starts_with({start, have})) {
                held = have;
                continue;
            }
            if (std::string_view(start, have).starts_with(ByteOrderMark))
                start += ByteOrderMark.size();
            atStart = false;
        }
        if (crDropped && start < end) {
            crDropped = false;
            if (*start == '\n')
                ++start;
        }
        if (dropping) {
            const char* stop = lineEnd(start, end);
            if (stop == nullptr) {
                held = scanned = 0;
                continue;
            }
            dropping = false;
            crDropped = *stop == '\r' && stop + 1 == end;
            start = stop + (*stop == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
        }
        start = convertRecords(start, end, buffer.get() + scanned);
        held = static_cast<std::size_t>(end - start);
        if (start != buffer.get())
            std::memmove(buffer.get(), start, held);
        // A CR at the end is searched again once the byte after it is read.
        scanned = held - (held > 0 && buffer.get()[held - 1] == '\r' ? 1 : 0);
    }
    if (held > 0 && !dropping) {
        std::string_view rest(buffer.get(), held);
        if (rest.back() == '\r') {
            rest.remove_suffix(1);
            ++loneCrEnds_;
        }
        convert(rest);
    }
    summarise(line_ - 1);
    return status != ExitOk ? status : rejected_ > 0 ? ExitRowsFailed : ExitOk;
}
} // namespace

int ReadRows(int inFd, RowInput input, FdWriter& err, RowSink& sink, const RowShape& shape,
             const RowRules& rules) {
    RowReader reader(input, err, sink, shape, rules);
    return reader.read(inFd);
}

} // namespace zentolk::cli
