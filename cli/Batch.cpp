#include "Batch.h"

#include "NumberText.h"
#include "Reading.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace zentolk::cli {

namespace {
class BatchConverter {
public:
    BatchConverter(FdWriter& out, FdWriter& err, char separator)
        : out_(out), err_(err), separator_(separator) {}

    void convertLine(std::string_view line) {
        ++lineNumber_;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        std::array<std::string_view, 4> fields;
        std::size_t count = 0;
        for (;;) {
            const std::size_t tab = line.find('\t');
            if (count < fields.size())
                fields[count] = line.substr(0, tab);
            ++count;
            if (tab == std::string_view::npos)
                break;
            line.remove_prefix(tab + 1);
        }
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
        const DateTexts date{fields[0], fields[1], fields[2], era};
        const ReadingStatus status = ComputeReadingTexts(date, separator_, reading_);
        if (status != ReadingStatus::Ok) {
            out_.write(ReadingErrorMessage(status, date));
        } else {
            for (const FixedText* text :
                 {&reading_.GreatCycle, &reading_.KinDays, &reading_.KinLbl1, &reading_.KinLeft,
                  &reading_.KinLbl2, &reading_.Harmonic, &reading_.jMayan, &reading_.LongC,
                  &reading_.Tzolkin}) {
                out_.write(text->view());
                out_.write('\t');
            }
            out_.write(reading_.WeekD.view());
        }
        out_.write('\n');
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
    char separator_;
    ReadingTexts reading_;
    long long lineNumber_ = 0;
    bool skippedAny_ = false;
};
} // namespace

int RunBatch(int inFd, FdWriter& out, FdWriter& err, char decimalSeparator) {
    BatchConverter converter(out, err, decimalSeparator);
    std::vector<char> buffer(1 << 20);
    std::size_t held = 0; // bytes of an unfinished line at the start of the buffer
    for (;;) {
        if (held == buffer.size())
            buffer.resize(buffer.size() * 2); // a line longer than the buffer
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
        // Lines already scanned without a line end are scanned again: cheap,
        // since they are at most one line.
        while (const void* lf = std::memchr(start, '\n', static_cast<std::size_t>(end - start))) {
            const char* lineEnd = static_cast<const char*>(lf);
            converter.convertLine(
                std::string_view(start, static_cast<std::size_t>(lineEnd - start)));
            start = lineEnd + 1;
        }
        held = static_cast<std::size_t>(end - start);
        std::memmove(buffer.data(), start, held);
    }
    if (held > 0)
        converter.convertLine(std::string_view(buffer.data(), held));
    return converter.skippedAny() ? 1 : 0;
}

} // namespace zentolk::cli
