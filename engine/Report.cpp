#include "Report.h"

#include <initializer_list>

namespace zentolk {

void AppendReport(std::string& out, const ReportTexts& t, std::string_view lineEnd) {
    using enum ReadingField;
    const Readings<std::string_view>& r = t.Reading;
    const auto line = [&](std::initializer_list<std::string_view> pieces) {
        for (std::string_view piece : pieces)
            out += piece;
        out += lineEnd;
    };
    line({"Month:  ", t.Month});
    line({"Day:  ", t.Day});
    line({"Year:  ", t.Year, "   ", t.ADBC});
    line({});
    line({"Great Cycle:  ", r[GreatCycle]});
    line({"Long Count:  ", r[jMayan]});
    line({"Elapsed Kin:  ", r[KinDays], "  (", r[KinLbl1], ")"});
    line({"Remaining Kin:  ", r[KinLeft], "  (", r[KinLbl2], ")"});
    line({"Cycle Harmonic:  ", r[Harmonic]});
    line({});
    line({"Historical Long Count:  ", r[LongC]});
    line({});
    line({"Tzolkin Day:  ", r[Tzolkin]});
    line({"Week Day:  ", r[WeekD]});
}

std::string BuildReport(const ReportTexts& texts, std::string_view lineEnd) {
    std::string report;
    report.reserve(400);
    AppendReport(report, texts, lineEnd);
    return report;
}

} // namespace zentolk
