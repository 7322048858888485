#include "cli/RowReader.h"

#include "cli/Messages.h"
#include "engine/NumberText.h"
#include "engine/ReadingDay.h"
#include "engine/TextParsing.h"

#include <algorithm>
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
// Hands `put` the text's runs of plain characters and an escape for each
// control character between them.
// For a tsv field (Tsv), a double quote and each byte that starts no valid
// UTF-8 sequence are escaped too, so that loaders take the field as written.
template <bool Tsv = false, typename Put> void forEachEscaped(std::string_view text, Put put) {
    static constexpr char Hex[] = "0123456789abcdef";
    for (;;) {
        std::size_t plain = 0;
        for (std::size_t n; plain < text.size(); plain += n) {
            const auto c = static_cast<unsigned char>(text[plain]);
            n = c < 0x20 || c == 0x7f || (Tsv && c == '"') ? 0
                : !Tsv || c < 0x80                         ? 1
                                                           : Utf8Length(text.substr(plain));
            if (n == 0)
                break;
        }
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

void ForEachTsvPiece(std::string_view field, const std::function<void(std::string_view)>& put) {
    forEachEscaped<true>(field, put);
}

std::string Escaped(std::string_view text) {
    std::string escaped;
    forEachEscaped(text, [&escaped](std::string_view piece) { escaped += piece; });
    return escaped;
}

void WriteSkippedCount(FdWriter& err, long long skipped, long long lines) {
    // "1,002": grouped as every other count shown.
    err.write(
        "zentolk-cli: " +
        Fill(TrN("%1 of %2 line skipped", "%1 of %2 lines skipped",
                 static_cast<unsigned long long>(lines)),
             {GroupThousands(std::to_string(skipped)), GroupThousands(std::to_string(lines))}) +
        "\n");
}

void WriteNote(FdWriter& err, std::string_view note) {
    err.write(std::string("zentolk-cli: ") + Tr("note: ") + std::string(note) + "\n");
}

void WriteProblem(FdWriter& err, std::string_view problem) {
    err.write("zentolk-cli: ");
    WriteEscaped(err, problem);
    err.write('\n');
}

namespace {
const char* English(const char* text) {
    return text;
}

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
    // The first four fields and the count, or (into all) every field.
    TabFields split(std::string_view record) {
        TabFields split;
        split.unclosedQuote = !forEachField(record, false, [&](std::string_view field) {
            if (split.count < split.fields.size())
                split.fields[split.count] = field;
            ++split.count;
        });
        return split;
    }
    bool splitAll(std::string_view record, std::vector<std::string_view>& all) {
        all.clear();
        return forEachField(record, true, [&](std::string_view field) { all.push_back(field); });
    }

private:
    // Hands `add` each field; false when a quote was left open (its field,
    // as far as it goes, is handed on too).
    template <typename Add> bool forEachField(std::string_view record, bool every, Add add) {
        std::size_t at = 0, count = 0;
        for (;;) {
            std::size_t comma;
            if (at < record.size() && record[at] == '"') {
                // Four fields and the ones past them share five strings; every
                // field its own (a deque keeps them in place as it grows).
                const std::size_t slot = every ? count : std::min<std::size_t>(count, 4);
                if (slot >= unquoted_.size())
                    unquoted_.resize(slot + 1);
                std::string& field = unquoted_[slot];
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
                    add(std::string_view(field)); // what was read of it, for the error row
                    return false;
                }
                // Text after the closing quote is kept, as spreadsheets do.
                comma = record.find(',', at);
                field += record.substr(at, comma == std::string_view::npos ? comma : comma - at);
                add(std::string_view(field));
            } else {
                comma = record.find(',', at);
                add(record.substr(at, comma == std::string_view::npos ? std::string_view::npos
                                                                      : comma - at));
            }
            ++count;
            if (comma == std::string_view::npos)
                return true;
            at = comma + 1;
        }
    }

    std::deque<std::string> unquoted_;
};

void SplitAllTabFields(std::string_view line, std::vector<std::string_view>& all) {
    all.clear();
    for (;;) {
        const std::size_t tab = line.find('\t');
        all.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos)
            return;
        line.remove_prefix(tab + 1);
    }
}

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
        : csv_(input == RowInput::Csv), wide_(rules.columns.wide()), err_(err), sink_(sink),
          shape_(shape), rules_(rules) {}

    int read(int inFd);

private:
    // Converts the complete lines in [start, end); returns the start of the
    // unfinished one left. Bytes before `scanFrom` were searched already.
    const char* convertRecords(const char* start, const char* end, const char* scanFrom) {
        while (start < end && fatal_.empty()) {
            const long long before = line_;
            // A wider table's rows are laid out by convert() alone.
            const char* plainEnd = wide_ ? start : sink_.convertPlain(start, end, line_);
            lfEnds_ += line_ - before;
            if (plainEnd != start) {
                seenRecord_ = true;
                start = plainEnd;
                continue;
            }
            const char* stop = nextLineEnd(start, std::max(start, scanFrom), end);
            if (stop == nullptr || (*stop == '\r' && stop + 1 == end && !final_)) {
                if (stop != nullptr)
                    rescanAt_ = std::min(rescanAt_, std::size_t(stop - start));
                break; // a CR at the end may be the first half of CR LF
            }
            // The buffer has room for a line a little past the bound and its end.
            if (std::size_t(stop - start) > MaxLineBytes)
                rejectTooLong();
            else
                convert(std::string_view(start, static_cast<std::size_t>(stop - start)));
            ++(*stop == '\r' && stop[1] != '\n' ? loneCrEnds_ : lfEnds_);
            start = stop + (*stop == '\r' && stop[1] == '\n' ? 2 : 1);
        }
        return start;
    }

    // The end of the line at `start`, searched for from `from`, or null when
    // the bytes up to `end` cannot tell it yet. In csv a lone CR inside a
    // quoted field is the field's when the field closes right before the
    // line's LF or CR LF, with no lone CR between (whether a CR is inside one
    // is told by the parity of the quotes before it); otherwise a quote left
    // open ends its line at the first CR after it, so that in a file of lone
    // CRs it loses only its own line.
    const char* nextLineEnd(const char* start, const char* from, const char* end) {
        const char* stop = lineEnd(from, end);
        const auto lone = [end](const char* p) {
            return *p == '\r' && !(p + 1 < end && p[1] == '\n');
        };
        // A CR at the end is undecided until the byte after it is read.
        const auto undecided = [&](const char* p) { return lone(p) && p + 1 == end && !final_; };
        if (!csv_ || stop == nullptr || !lone(stop) || undecided(stop))
            return stop;
        const auto odd = [](const char* a, const char* b) {
            return std::count(a, b, '"') % 2 != 0;
        };
        bool quoted = odd(start, stop);
        const char* const firstInQuotes = stop;
        while (quoted) {
            const char* next = lineEnd(stop + 1, end);
            if (next == nullptr && final_)
                return firstInQuotes; // open to the end of the input
            if (next == nullptr || undecided(next)) {
                // Undecided until more is read: searched again from that CR.
                rescanAt_ = std::min(rescanAt_, std::size_t(firstInQuotes - start));
                return nullptr;
            }
            quoted ^= odd(stop + 1, next);
            if (!lone(next))
                return quoted ? firstInQuotes : next;
            if (!quoted) // lines ended by lone CRs: the quote was left open
                return firstInQuotes;
            stop = next;
        }
        return stop;
    }

    // One line, without its line end.
    void convert(std::string_view record) {
        if (wide_)
            return convertWide(record);
        const long long line = line_++;
        const auto split = csv_ ? csv_splitter_.split(record) : SplitTabFields(record);
        const auto& [fields, count, unclosedQuote] = split;
        const std::size_t echoed = std::min(count, fields.size());
        if (unclosedQuote) {
            seenRecord_ = true;
            return reject(line, fields, echoed, N_("unclosed quote"));
        }
        if (count == 1 && Trimmed(fields[0], TableBlanks).empty()) {
            if (rules_.skipBlank)
                return;
            seenRecord_ = true;
            return reject(line, fields, 0, N_("the line is blank"));
        }
        const bool first = !seenRecord_;
        seenRecord_ = true;
        if (first && IsHeader(fields[0], shape_))
            return;
        const std::size_t wanted = shape_.oneField ? 1 : 4;
        if (count != wanted) {
            const std::string has = std::to_string(count);
            const bool one = count == 1;
            return reject(line, fields, std::min(echoed, wanted), [&](auto tr) {
                return shape_.oneField
                           ? Fill(tr(one ? N_("it has %1 field, not one (%2)")
                                         : N_("it has %1 fields, not one (%2)")),
                                  {has, tr(shape_.what.data())})
                           : Fill(
                                 tr(one ? N_("it has %1 field, not four (month, day, year, era)")
                                        : N_("it has %1 fields, not four (month, day, year, era)")),
                                 {has});
            });
        }
        if (shape_.oneField)
            return sink_.convert(fields, 0, line);
        // Comma-separated files often put a blank after each comma.
        const std::optional<std::int32_t> era = ParseEra(Trimmed(fields[3], TableBlanks));
        if (!era) {
            const std::string_view given = fields[3];
            return reject(line, fields, 4, [given](auto tr) { return eraProblem(tr, given); });
        }
        sink_.convert(fields, *era, line);
    }

    // A line of a wider table: the date picked from its columns, the others
    // carried. The first line that is not blank settles the columns.
    void convertWide(std::string_view record) {
        if (!fatal_.empty())
            return;
        const long long line = line_++;
        const bool closed =
            csv_ ? csv_splitter_.splitAll(record, all_) : (SplitAllTabFields(record, all_), true);
        if (closed && all_.size() == 1 && Trimmed(all_[0], TableBlanks).empty()) {
            if (rules_.skipBlank)
                return;
            if (!begun_) { // its error row follows the header, once the columns are known
                blankLinesBefore_.push_back(line);
                return;
            }
            return rejectWide(line, N_("the line is blank"));
        }
        if (!begun_ && settle())
            return; // the header
        if (!fatal_.empty())
            return;
        if (!closed)
            return rejectWide(line, N_("unclosed quote"));
        if (all_.size() != width_)
            return rejectWide(line, [&](auto tr) {
                return Fill(tr(all_.size() == 1 ? N_("it has %1 field, not %2 as the first line")
                                                : N_("it has %1 fields, not %2 as the first line")),
                            {std::to_string(all_.size()), std::to_string(width_)});
            });
        std::array<std::string_view, 4> fields{};
        dateFields(fields);
        std::optional<std::int32_t> era = 0;
        if (!shape_.oneField) {
            era =
                rules_.columns.era ? rules_.columns.era : ParseEra(Trimmed(fields[3], TableBlanks));
            if (!era)
                return rejectWide(line, [&](auto tr) { return eraProblem(tr, fields[3]); });
        }
        carry();
        sink_.convert(fields, *era, line);
    }

    // Finds the date's columns in the first line and names the others;
    // returns whether the line is a header. A column that cannot be found
    // ends the run (fatal_).
    bool settle() {
        width_ = all_.size();
        const DateColumns& c = rules_.columns;
        const std::size_t wanted = shape_.oneField ? 1 : c.era ? 3 : 4;
        bool named = false;
        std::vector<std::string_view> picks = c.picks;
        if (picks.empty()) // --era alone: the line is month, day and year
            picks = {"1"};
        dateAt_.clear();
        for (const std::string_view pick : picks) {
            std::int32_t number = 0;
            if (ParseInteger(pick, number) && Trimmed(pick) == pick) {
                if (number < 1 || std::size_t(number) > width_) {
                    fatal_ = Fill(Tr("column %1 is not among the first line's %2"),
                                  {pick, std::to_string(width_)});
                    return false;
                }
                dateAt_.push_back(std::size_t(number - 1));
                continue;
            }
            named = true;
            const auto at = std::find_if(all_.begin(), all_.end(), [&](std::string_view name) {
                return EqualsIgnoringCase(Trimmed(name, TableBlanks), pick);
            });
            if (at == all_.end()) {
                fatal_ = Fill(Tr("the first line has no column named %1"), {QuotedText(pick)});
                return false;
            }
            dateAt_.push_back(std::size_t(at - all_.begin()));
        }
        // One column: the first of the date's consecutive ones.
        if (dateAt_.size() == 1)
            for (std::size_t first = dateAt_.front(), k = 1; k < wanted; ++k)
                dateAt_.push_back(first + k);
        if (dateAt_.size() != wanted || dateAt_.back() >= width_) {
            fatal_ = Fill(Tr("the date needs %1 columns, and the first line has %2"),
                          {std::to_string(wanted), std::to_string(width_)});
            return false;
        }
        // Every date holds a digit; a column's name seldom does.
        const std::string_view first = all_[dateAt_[0]];
        const bool header =
            named || IsHeader(first, shape_) ||
            std::none_of(first.begin(), first.end(), [](char c) { return c >= '0' && c <= '9'; });
        allNames_.clear();
        carriedNames_.clear();
        for (std::size_t i = 0; i < width_; ++i) {
            allNames_.push_back(header ? std::string(Trimmed(all_[i], TableBlanks))
                                       : "column_" + std::to_string(i + 1));
            if (!isDate(i))
                carriedNames_.push_back(allNames_.back());
        }
        sink_.begin(carriedNames_, allNames_);
        begun_ = true;
        seenRecord_ = true;
        const std::vector<std::string_view> line = std::move(all_);
        all_.clear();
        for (const long long blank : blankLinesBefore_)
            rejectWide(blank, N_("the line is blank"));
        all_ = line;
        return header;
    }

    bool isDate(std::size_t i) const {
        return std::find(dateAt_.begin(), dateAt_.end(), i) != dateAt_.end();
    }

    // The date's fields of the line, empty where it is too short; with a
    // default era, the era as given.
    void dateFields(std::array<std::string_view, 4>& fields) const {
        for (std::size_t k = 0; k < dateAt_.size(); ++k)
            fields[k] = dateAt_[k] < all_.size() ? all_[dateAt_[k]] : std::string_view();
        if (!shape_.oneField && rules_.columns.era)
            fields[3] = rules_.columns.eraText;
    }

    // The carried fields of the line, one for each carried name.
    void carry() {
        carried_.clear();
        for (std::size_t i = 0; i < all_.size() && carried_.size() < carriedNames_.size(); ++i)
            if (!isDate(i))
                carried_.push_back(all_[i]);
        carried_.resize(carriedNames_.size());
        sink_.carry(carried_, all_);
    }

    template <typename Why> void rejectWide(long long line, Why why) {
        std::array<std::string_view, 4> fields{};
        dateFields(fields);
        carry();
        reject(line, fields, 4, why);
    }
    void rejectWide(long long line, const char* why) {
        rejectWide(line, [why](auto tr) { return std::string_view(tr(why)); });
    }

    void rejectTooLong() {
        static constexpr std::array<std::string_view, 4> None{};
        reject(line_++, None, 0, [](auto tr) {
            return Fill(tr(N_("the line is longer than %1 bytes")),
                        {GroupThousands(std::to_string(MaxLineBytes))});
        });
        seenRecord_ = true;
    }

    template <typename Tr> static std::string eraProblem(Tr tr, std::string_view era) {
        return Fill(tr(N_("its era '%1' is none of A.D., AD, B.C., BC or an era index")),
                    {Escaped(era)});
    }

    // why(tr) is the reason, with tr = English in the row, which is data, and
    // tr = Tr in the message, which a person reads.
    template <typename Why>
    void reject(long long line, const std::array<std::string_view, 4>& fields, std::size_t count,
                Why why) {
        sink_.reject(fields, count, why(English));
        if (++rejected_ > MaxLineMessages)
            return;
        err_.write("zentolk-cli: " + Fill(Tr("line %1 is an error row: "), {std::to_string(line)}));
        WriteEscaped(err_, why(Tr));
        err_.write('\n');
    }
    void reject(long long line, const std::array<std::string_view, 4>& fields, std::size_t count,
                const char* why) {
        reject(line, fields, count, [why](auto tr) { return std::string_view(tr(why)); });
    }

    // Closes the run's messages: the lines not named, and the count.
    void summarise(long long lines) {
        if (rejected_ > MaxLineMessages)
            err_.write("zentolk-cli: " +
                       Fill(Tr("... and %1 more"),
                            {GroupThousands(std::to_string(rejected_ - MaxLineMessages))}) +
                       "\n");
        if (rejected_ > 0) {
            // The count of lines and the count of error rows each choose a form.
            const std::string of = Fill(
                TrN("%1 of %2 line", "%1 of %2 lines", static_cast<unsigned long long>(lines)),
                {GroupThousands(std::to_string(rejected_)), GroupThousands(std::to_string(lines))});
            err_.write("zentolk-cli: " +
                       Fill(TrN("%1 is an error row", "%1 are error rows",
                                static_cast<unsigned long long>(rejected_)),
                            {of}) +
                       "\n");
        }
        // Lines cut at lone CRs among lines cut at LFs: say how the file was read.
        if (loneCrEnds_ > 0 && lfEnds_ > 0)
            WriteNote(err_, Tr("the input mixes line ends; each LF, CR LF and lone CR was taken as "
                               "the end of a line"));
    }

    bool csv_;
    bool wide_; // the date is picked from wider lines
    FdWriter& err_;
    RowSink& sink_;
    RowShape shape_;
    RowRules rules_;
    CsvSplitter csv_splitter_;
    long long line_ = 1; // the number of the next line
    bool seenRecord_ = false;
    long long rejected_ = 0;
    long long loneCrEnds_ = 0, lfEnds_ = 0; // how the lines read so far ended
    // A wider table's: the first line's width, where the date stands, the
    // names, and the fields of the line at hand.
    bool begun_ = false;
    std::size_t width_ = 0;
    std::vector<std::size_t> dateAt_;
    std::vector<std::string> allNames_, carriedNames_;
    std::vector<std::string_view> all_, carried_;
    std::vector<long long> blankLinesBefore_;
    std::string fatal_; // why the columns cannot be found: nothing is converted
    // Where in the unfinished line the search for its end must start again.
    std::size_t rescanAt_ = std::size_t(-1);
    bool final_ = false; // the input has ended: a CR at the end is a line end
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
    if (!wide_) {
        sink_.begin({}, {});
        begun_ = true;
    }
    for (;;) {
        if (!fatal_.empty())
            break;
        if (held == capacity && capacity == MaxCapacity) {
            rejectTooLong();
            // A CR last in the full buffer already ends the line; only an LF
            // right after it is still the line's.
            crDropped = buffer.get()[held - 1] == '\r';
            dropping = !crDropped;
            held = scanned = 0;
        } else if (held == capacity || !buffer) {
            const std::size_t wider = std::min(2 * capacity, MaxCapacity);
            char* grown = buffer
                              ? static_cast<char*>(std::realloc(buffer.get(), wider + RowReadSlack))
                              : nullptr;
            if (grown == nullptr) {
                err_.write("zentolk-cli: " +
                           Fill(Tr("line %1 is too long for the memory available; "
                                   "the rest is not read"),
                                {std::to_string(line_)}) +
                           "\n");
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
            err_.write(std::string("zentolk-cli: ") + Tr("cannot read the input: ") +
                       SystemErrorText(errno) + "\n");
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
        rescanAt_ = std::size_t(-1);
        start = convertRecords(start, end, buffer.get() + scanned);
        held = static_cast<std::size_t>(end - start);
        if (start != buffer.get())
            std::memmove(buffer.get(), start, held);
        // A CR at the end is searched again once the byte after it is read.
        scanned = std::min(held - (held > 0 && buffer.get()[held - 1] == '\r' ? 1 : 0), rescanAt_);
    }
    if (held > 0 && !dropping && fatal_.empty()) {
        // The end of the input ends the last line as an LF would, or as the
        // CR there (the buffer has room: a full one was handled before the read).
        char* end = buffer.get() + held;
        final_ = true;
        if (end[-1] != '\r')
            *end++ = '\n';
        // The fast paths stop at this NUL, not at old bytes left after it.
        *end = '\0';
        convertRecords(buffer.get(), end, buffer.get());
    }
    if (!fatal_.empty()) {
        WriteProblem(err_, fatal_);
        return ExitUsage;
    }
    if (!begun_) { // nothing but blank lines, or nothing
        sink_.begin({}, {});
        for (const long long blank : blankLinesBefore_)
            rejectWide(blank, N_("the line is blank"));
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
