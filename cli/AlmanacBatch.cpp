#include "cli/AlmanacCommands.h"
#include "cli/RowReader.h"
#include "engine/AlmanacDay.h"
#include "engine/DayNumber.h"
#include "engine/NumberText.h"

#include <array>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

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

class AlmanacConverter final : public RowSink {
public:
    AlmanacConverter(FdWriter& out, bool julian, std::int64_t correlation)
        : out_(out), calendar_(julian ? Calendar::Julian : Calendar::Gregorian),
          correlation_(correlation) {}

    void convert(const std::array<std::string_view, 4>& fields, std::int32_t era,
                 long long) override {
        for (std::string_view field : fields) {
            out_.write(field);
            out_.write('\t');
        }
        std::int32_t parts[3];
        for (int i = 0; i < 3; ++i)
            if (!ParseInteger(fields[i], parts[i])) {
                out_.write('\'');
                out_.write(fields[i]); // in place: it may be hundreds of megabytes
                out_.write("' is not a valid integer value\n");
                return;
            }
        const std::int64_t year = era == EraIndexBC ? 1 - std::int64_t{parts[2]} : parts[2];
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

private:
    FdWriter& out_;
    Calendar calendar_;
    std::int64_t correlation_;
    LineBuilder line_;
};
} // namespace

int RunAlmanacBatch(int inFd, FdWriter& out, FdWriter& err, bool julian, std::int64_t correlation) {
    AlmanacConverter converter(out, julian, correlation);
    return ReadRows(inFd, RowInput::Tab, err, converter);
}

} // namespace zentolk::cli
