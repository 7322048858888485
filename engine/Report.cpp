#include "Report.h"

#include <initializer_list>

namespace zentolk {

void AppendReport(std::string& out, const ReportTexts& t, std::string_view lineEnd) {
    const auto line = [&](std::initializer_list<std::string_view> pieces) {
        for (std::string_view piece : pieces)
            out += piece;
        out += lineEnd;
    };
    line({"Month:  ", t.Month});
    line({"Day:  ", t.Day});
    line({"Year:  ", t.Year, "   ", t.ADBC});
    line({});
    line({"Great Cycle:  ", t.GreatCycle});
    line({"Long Count:  ", t.jMayan});
    line({"Elapsed Kin:  ", t.KinDays, "  (", t.KinLbl1, ")"});
    line({"Remaining Kin:  ", t.KinLeft, "  (", t.KinLbl2, ")"});
    line({"Cycle Harmonic:  ", t.Harmonic});
    line({});
    line({"Historical Long Count:  ", t.LongC});
    line({});
    line({"Tzolkin Day:  ", t.Tzolkin});
    line({"Week Day:  ", t.WeekD});
}

std::string BuildReport(const ReportTexts& texts, std::string_view lineEnd) {
    std::string report;
    report.reserve(400);
    AppendReport(report, texts, lineEnd);
    return report;
}

} // namespace zentolk
