#pragma once

#include "cli/FdWriter.h"
#include "cli/Json.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentolk::cli {

// What the batch converters share: reading the input in blocks, cutting it
// into rows, numbering the lines and naming the rows that cannot be read.

enum class RowInput {
    Tab, // lines of fields separated by tabs
    Csv, // comma-separated lines: quoted fields may hold commas and quotes
         // written twice, but never a line end
};

// What a row holds: month, day, year and era, or one field (an almanac
// input such as a day number or a Long Count).
struct RowShape {
    bool oneField = false;
    // For a one-field row: what the field is, in the message of a line that
    // has more ("a Long Count"), and the words that name the column in a
    // header line (the names the tables themselves write among them). A
    // four-field row's header begins "month".
    std::string_view what;
    std::span<const std::string_view> headerWords;
};

// Where a line's date stands in a wider table, whose other columns are
// carried through to the output unchanged.
struct DateColumns {
    // The date's columns in order (month, day, year and era, or the one
    // field), each a number from 1 or a header name; or one that begins the
    // date's consecutive columns. Empty: the line is the date alone.
    std::vector<std::string_view> picks;
    // The era of dates without an era column (--era), as given and read.
    std::string_view eraText;
    std::optional<std::int32_t> era;

    bool wide() const { return !picks.empty() || era.has_value(); }
};

// How lines that hold no row are taken, and where the date stands.
struct RowRules {
    // Blank lines are passed over silently instead of each being an error
    // row; the first line that is not blank may then be the header.
    bool skipBlank = false;
    DateColumns columns;
};

// The longest line read: a longer one is an error row, and the rest of it is
// passed over as it streams by, so that memory stays bounded.
inline constexpr std::size_t MaxLineBytes = std::size_t{1} << 20;
// How many lines that are no row are named on standard error; the rest are
// counted in one line.
inline constexpr long long MaxLineMessages = 20;

// Bytes after the end of the data that a converter's fast path may read: a
// NUL that ends every plain field, then slack for whole-word reads.
inline constexpr std::size_t RowReadSlack = 64;

class RowSink {
public:
    // Called once, before the first row: the names of the columns carried
    // through (none unless the date is picked from a wider table) and the
    // names of all the input's columns, in order.
    virtual void begin(std::span<const std::string> carriedNames,
                       std::span<const std::string> allNames) = 0;
    // Before each row of a wider table: the carried fields (one for each
    // carried name) and every field of the line as read.
    virtual void carry(std::span<const std::string_view> carried,
                       std::span<const std::string_view> all) {
        (void)carried;
        (void)all;
    }
    // Converts plain lines from `start` on, as many as it takes in a row, and
    // returns the start of the first line it left (`start` when none). Only
    // lines ended by LF within [start, end) may be taken; RowReadSlack
    // readable bytes follow `end`, the first a NUL. `line` is the number of
    // the line at `start`, counted on by one for each line taken.
    virtual const char* convertPlain(const char* start, const char* end, long long& line) {
        (void)end;
        (void)line;
        return start;
    }
    // A row of four fields and its era index; `line` is where it starts.
    virtual void convert(const std::array<std::string_view, 4>& fields, std::int32_t era,
                         long long line) = 0;
    // A line that holds no row (blank, the wrong number of fields, an era
    // that cannot be read, a quote left open, too long): its error row, with
    // the first `count` fields as far as they could be read and why.
    virtual void reject(const std::array<std::string_view, 4>& fields, std::size_t count,
                        std::string_view why) = 0;

protected:
    ~RowSink() = default;
};

// Reads rows of month, day, year and era (A.D., AD, B.C., BC in any letter
// case, or an era index), or of one field, from inFd to its end and hands
// them to the sink. A byte-order mark before the first line is dropped.
// Every line after a first line of column names is one row, in order: lines
// end in LF, CR LF or a lone CR, and a quote left open ends with its line. A
// line that is not a row (blank, the wrong number of fields, an unreadable
// era, an unclosed quote, longer than MaxLineBytes) is handed to the sink's
// reject and named on err (the first MaxLineMessages of them), and their
// count closes the run there. Returns ExitRowsFailed when such a line was
// met, ExitIoFailed when the input could not be read whole, else ExitOk.
int ReadRows(int inFd, RowInput input, FdWriter& err, RowSink& sink, const RowShape& shape = {},
             const RowRules& rules = {});

// Writes text with its control characters as escapes (\t, \n, \r, \xNN),
// so that a message stays one line and shows what the input held.
void WriteEscaped(FdWriter& out, std::string_view text);
std::string Escaped(std::string_view text);
// The count that closes a run in which lines were skipped ("3 of 1,002
// lines skipped").
void WriteSkippedCount(FdWriter& err, long long skipped, long long lines);
// One line on standard error: "zentolk-cli: " and the problem, escaped.
void WriteProblem(FdWriter& err, std::string_view problem);
// One line on standard error: "zentolk-cli: note: " and the note.
void WriteNote(FdWriter& err, std::string_view note);

// Writes a field into a tab-separated row that any loader reads as written:
// a tab, line end or other control character is escaped as messages escape
// it (\t, \n, \r, \xNN), and so are a double quote (\x22), which loaders
// would take for quoting, and a byte that starts no valid UTF-8 sequence.
void WriteTsvField(FdWriter& out, std::string_view field);
// The same, in pieces handed to `put`.
void ForEachTsvPiece(std::string_view field, const std::function<void(std::string_view)>& put);

// Hands `put` the text with each byte that starts no valid UTF-8 sequence
// replaced by U+FFFD, in pieces, as JSON strings are written.
template <typename Put> void PutValidUtf8(std::string_view text, Put put) {
    std::size_t from = 0, i = 0;
    while (i < text.size()) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        if (const std::size_t n = Utf8Length(text.substr(i)); n != 0) {
            i += n;
            continue;
        }
        put(text.substr(from, i - from));
        put(std::string_view("\xEF\xBF\xBD"));
        from = ++i;
    }
    put(text.substr(from));
}

// A comma-separated row's field: in quotes, with each quote doubled, when it
// holds a comma, a quote or a line end; valid UTF-8 whatever the input held.
// `put` takes the pieces in order, so a field of any size is never copied
// whole.
template <typename Put> void WriteCsvField(std::string_view field, Put put) {
    bool quoted = false, ascii = true;
    for (const char c : field) {
        quoted |= c == ',' || c == '"' || c == '\r' || c == '\n';
        ascii &= static_cast<unsigned char>(c) < 0x80;
    }
    const auto text = [&](std::string_view piece) {
        if (ascii)
            put(piece);
        else
            PutValidUtf8(piece, put);
    };
    if (!quoted) {
        text(field);
        return;
    }
    put(std::string_view("\""));
    for (;;) {
        const std::size_t quote = field.find('"');
        text(field.substr(0, quote));
        if (quote == std::string_view::npos)
            break;
        put(std::string_view("\"\""));
        field.remove_prefix(quote + 1);
    }
    put(std::string_view("\""));
}

// The columns a wider table carries through, as a converter writes them
// before its own: their names in the header, their fields in tsv and csv
// rows, and in json an object "input" of every column by its name.
class CarriedColumns {
public:
    void begin(std::span<const std::string> carriedNames, std::span<const std::string> allNames) {
        carriedNames_.assign(carriedNames.begin(), carriedNames.end());
        allNames_.assign(allNames.begin(), allNames.end());
    }
    void carry(std::span<const std::string_view> carried, std::span<const std::string_view> all) {
        carried_ = carried;
        all_ = all;
    }
    // Whether the date was picked from a wider table.
    bool any() const { return !allNames_.empty(); }

    // The carried names or fields, each followed by the separator (a tab or
    // a comma), escaped or quoted as the format needs.
    template <typename Put> void putNames(bool csv, Put put) const {
        for (const std::string& name : carriedNames_)
            putField(csv, name, put);
    }
    template <typename Put> void putFields(bool csv, Put put) const {
        for (const std::string_view field : carried_)
            putField(csv, field, put);
    }
    // "input":{"name":"field",...}: every field the line has, by its column.
    template <typename Put> void putJsonInput(Put put) const {
        put(std::string_view("\"input\":{"));
        for (std::size_t i = 0; i < all_.size() && i < allNames_.size(); ++i) {
            if (i > 0)
                put(std::string_view(","));
            WriteJsonString(allNames_[i], put);
            put(std::string_view(":"));
            WriteJsonString(all_[i], put);
        }
        put(std::string_view("}"));
    }

private:
    template <typename Put> static void putField(bool csv, std::string_view field, Put put);

    std::vector<std::string> carriedNames_, allNames_;
    std::span<const std::string_view> carried_, all_;
};

// A tab-separated line cut at its tabs, the CR of a CR LF line end dropped:
// the first four fields, and how many fields there were.
struct TabFields {
    std::array<std::string_view, 4> fields;
    std::size_t count = 0;
    bool unclosedQuote = false; // csv only: a quoted field ran to the line's end
};
TabFields SplitTabFields(std::string_view line);

template <typename Put> void CarriedColumns::putField(bool csv, std::string_view field, Put put) {
    if (csv) {
        WriteCsvField(field, put);
        put(std::string_view(","));
    } else {
        ForEachTsvPiece(field, put);
        put(std::string_view("\t"));
    }
}

} // namespace zentolk::cli
