#include "AlmanacCommands.h"
#include "AlmanacDay.h"
#include "Batch.h"
#include "NumberText.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace zentolk::cli {

namespace {
// Builds each output line in a fixed buffer: no heap use per line.
class LineBuilder {
public:
    void clear() { size_ = 0; }
    void text(std::string_view s) {
        std::memcpy(data_.data() + size_, s.data(), s.size());
        size_ += s.size();
    }
    void ch(char c) { data_[size_++] = c; }
    void number(std::int64_t v) {
        size_ = static_cast<std::size_t>(
            std::to_chars(data_.data() + size_, data_.data() + data_.size(), v).ptr - data_.data());
    }
    void twoDigits(int v) {
        ch(static_cast<char>('0' + v / 10));
        ch(static_cast<char>('0' + v % 10));
    }
    void date(const CivilDate& d) {
        number(d.year);
        ch('-');
        twoDigits(d.month);
        ch('-');
        twoDigits(d.day);
    }
    std::string_view view() const { return {data_.data(), size_}; }

private:
    std::array<char, 256> data_;
    std::size_t size_ = 0;
};

class AlmanacConverter {
public:
    AlmanacConverter(FdWriter& out, FdWriter& err, bool julian, std::int64_t correlation)
        : out_(out), err_(err), calendar_(julian ? Calendar::Julian : Calendar::Gregorian),
          correlation_(correlation) {}

    void convertLine(std::string_view line) {
        ++lineNumber_;
        const auto [fields, count] = SplitTabFields(line);
        if (count != fields.size()) {
            skip("has " + std::to_string(count) + " field" + (count == 1 ? "" : "s") +
                 ", not four (month, day, year, era index)");
            return;
        }
        std::int32_t era;
        if (!ParseInteger(fields[3], era)) {
            skip("the era index '" + std::string(fields[3]) + "' is not a valid integer value");
            return;
        }
        for (std::string_view field : fields) {
            out_.write(field);
            out_.write('\t');
        }
        std::int32_t parts[3];
        for (int i = 0; i < 3; ++i)
            if (!ParseInteger(fields[i], parts[i])) {
                out_.write("'" + std::string(fields[i]) + "' is not a valid integer value\n");
                return;
            }
        const std::int64_t year = era == 1 ? 1 - std::int64_t{parts[2]} : parts[2];
        const std::optional<std::int64_t> jdn =
            CivilToJdn(calendar_, {year, static_cast<int>(parts[0]), static_cast<int>(parts[1])});
        if (!jdn) {
            out_.write(year < MinCivilYear || year > MaxCivilYear
                           ? "the year lies outside -1,000,000 to 1,000,000\n"
                           : "no such day in the calendar\n");
            return;
        }
        const AlmanacDay a = ComputeAlmanac(*jdn, correlation_);
        LineBuilder& b = line_;
        b.clear();
        b.number(a.jdn);
        b.ch('\t');
        b.date(a.gregorian);
        b.ch('\t');
        b.date(a.julian);
        b.ch('\t');
        const LongCountPlaces& p = a.longCount;
        if (p.negative)
            b.ch('-');
        if (p.pictun > 0) {
            b.number(p.pictun);
            b.ch('.');
        }
        for (int place : {p.baktun, p.katun, p.tun, p.uinal}) {
            b.number(place);
            b.ch('.');
        }
        b.number(p.kin);
        b.ch('\t');
        b.number(a.tzolkin.number);
        b.ch(' ');
        b.text(TzolkinSign[a.tzolkin.sign - 1]);
        b.ch('\t');
        b.number(a.haab.day);
        b.ch(' ');
        b.text(HaabMonth[a.haab.month - 1]);
        b.text("\tG");
        b.number(a.lordOfTheNight);
        b.ch('\n');
        out_.write(b.view());
    }

    bool skippedAny() const { return skippedAny_; }

private:
    void skip(const std::string& why) {
        skippedAny_ = true;
        err_.write("zentolk-cli: line " + std::to_string(lineNumber_) + " skipped: it " + why +
                   "\n");
    }

    FdWriter& out_;
    FdWriter& err_;
    Calendar calendar_;
    std::int64_t correlation_;
    LineBuilder line_;
    long long lineNumber_ = 0;
    bool skippedAny_ = false;
};
} // namespace

int RunAlmanacBatch(int inFd, FdWriter& out, FdWriter& err, bool julian, std::int64_t correlation) {
    AlmanacConverter converter(out, err, julian, correlation);
    std::vector<char> buffer(1 << 20);
    std::size_t held = 0;    // bytes of an unfinished line at the start of the buffer
    std::size_t scanned = 0; // of those, searched for a line end already
    for (;;) {
        if (held == buffer.size())
            buffer.resize(buffer.size() * 2);
        const ssize_t n = ::read(inFd, buffer.data() + held, buffer.size() - held);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            err.write(std::string("zentolk-cli: cannot read the input: ") + std::strerror(errno) +
                      "\n");
            return 1;
        }
        if (n == 0)
            break;
        const char* start = buffer.data();
        const char* end = buffer.data() + held + static_cast<std::size_t>(n);
        const char* from = start + scanned; // a long line is searched once, not once a read
        while (const void* lf = std::memchr(from, '\n', static_cast<std::size_t>(end - from))) {
            const char* lineEnd = static_cast<const char*>(lf);
            converter.convertLine(
                std::string_view(start, static_cast<std::size_t>(lineEnd - start)));
            start = from = lineEnd + 1;
        }
        held = static_cast<std::size_t>(end - start);
        std::memmove(buffer.data(), start, held);
        scanned = held;
    }
    if (held > 0)
        converter.convertLine(std::string_view(buffer.data(), held));
    return converter.skippedAny() ? 1 : 0;
}

} // namespace zentolk::cli
