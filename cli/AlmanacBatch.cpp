#include "cli/AlmanacCommands.h"
#include "cli/PlainFields.h"
#include "cli/RowReader.h"
#include "engine/AlmanacDay.h"
#include "engine/TextWriters.h"

#include <array>
#include <cstring>
#include <string_view>

namespace zentolk::cli {

namespace {
// A row's messages for a date that has no day here, with the line end.
constexpr std::string_view YearOutOfRange = "the year lies outside -1,000,000 to 1,000,000\n";
constexpr std::string_view NoSuchDay = "no such day in the calendar\n";

// What follows a row's four fields: JDN, the Gregorian and Julian dates, Long
// Count, Tzolkin, Haab and Lord of the Night, and the line end.
[[gnu::always_inline]] inline char* putAlmanac(char* o, std::int64_t jdn,
                                               const CivilDate& gregorian, const CivilDate& julian,
                                               std::int64_t correlation) {
    const std::int32_t dayCount = DayCountOf(jdn, correlation);
    o = PutSigned(o, jdn);
    *o++ = '\t';
    o = PutIsoDate(o, gregorian);
    *o++ = '\t';
    o = PutIsoDate(o, julian);
    *o++ = '\t';
    o = PutLongCount(o, LongCountOf(dayCount));
    *o++ = '\t';
    o = PutTzolkinDay(o, TzolkinOf(dayCount));
    *o++ = '\t';
    o = PutHaabDay(o, HaabOf(dayCount));
    std::memcpy(o, "\tG", 2);
    o = PutUnsigned(o + 2, static_cast<std::uint32_t>(LordOfTheNightOf(dayCount)));
    *o++ = '\n';
    return o;
}

class AlmanacConverter final : public RowSink {
public:
    AlmanacConverter(FdWriter& out, bool julian, std::int64_t correlation, BatchPath path)
        : out_(out), calendar_(julian ? Calendar::Julian : Calendar::Gregorian),
          correlation_(correlation), fast_(path == BatchPath::Fast) {}

    // Plain lines straight into the output; any other line is left to
    // convert(), which writes the same rows for the lines taken here.
    const char* convertPlain(const char* start, const char* end, long long& line) override {
        (void)end; // the NUL there ends every plain field
        if (!fast_)
            return start;
        const Calendar other =
            calendar_ == Calendar::Gregorian ? Calendar::Julian : Calendar::Gregorian;
        char* o = out_.cursor();
        const char* const limit = out_.limit();
        PlainFields fields;
        while (ReadPlainLine(start, '\t', fields)) {
            if (o >= limit) {
                out_.setCursor(o);
                o = out_.cursor();
            }
            // The four fields as they stand, each followed by a tab: one copy
            // of a fixed size (the input holds slack after its end).
            std::memcpy(o, start, 40);
            o += fields.at[4] - start;
            o[-1] = '\t';
            ++line;
            start = fields.next;
            const std::int32_t year = *AstronomicalYear(fields.year, fields.era);
            const bool exists = DateExists(calendar_, year, fields.month, fields.day);
            const std::int64_t jdn =
                exists ? CivilDayNumber(calendar_, year, fields.month, fields.day) : 0;
            if (!exists || jdn < MinJdn || jdn > MaxJdn) {
                const std::string_view why =
                    year < MinCivilYear || year > MaxCivilYear ? YearOutOfRange : NoSuchDay;
                std::memcpy(o, why.data(), why.size());
                o += why.size();
                continue;
            }
            const CivilDate given{year, fields.month, fields.day};
            const CivilDate converted = JdnToCivil(other, jdn);
            o = calendar_ == Calendar::Gregorian
                    ? putAlmanac(o, jdn, given, converted, correlation_)
                    : putAlmanac(o, jdn, converted, given, correlation_);
        }
        out_.setCursor(o);
        return start;
    }

    void convert(const std::array<std::string_view, 4>& fields, std::int32_t era,
                 long long) override {
        for (std::string_view field : fields) {
            out_.write(field);
            out_.write('\t');
        }
        CivilDay day;
        switch (CivilDayFromTexts({fields[0], fields[1], fields[2], era}, calendar_, day)) {
        case CivilDayStatus::BadMonth:
            return writeInvalidInteger(fields[0]);
        case CivilDayStatus::BadDay:
            return writeInvalidInteger(fields[1]);
        case CivilDayStatus::BadYear:
            return writeInvalidInteger(fields[2]);
        case CivilDayStatus::YearOutOfRange:
            return out_.write(YearOutOfRange);
        case CivilDayStatus::NoSuchDay:
            return out_.write(NoSuchDay);
        case CivilDayStatus::Ok:
            break;
        }
        const AlmanacDay a = ComputeAlmanac(day.jdn, correlation_);
        char row[256];
        out_.write({row, static_cast<std::size_t>(
                             putAlmanac(row, a.jdn, a.gregorian, a.julian, correlation_) - row)});
    }

private:
    // In place: the text may be hundreds of megabytes.
    void writeInvalidInteger(std::string_view text) {
        out_.write(InvalidIntegerOpen);
        out_.write(text);
        out_.write(InvalidIntegerClose);
        out_.write('\n');
    }

    FdWriter& out_;
    Calendar calendar_;
    std::int64_t correlation_;
    bool fast_;
};
} // namespace

int RunAlmanacBatch(int inFd, FdWriter& out, FdWriter& err, bool julian, std::int64_t correlation,
                    BatchPath path) {
    AlmanacConverter converter(out, julian, correlation, path);
    return ReadRows(inFd, RowInput::Tab, err, converter);
}

} // namespace zentolk::cli
