#include "Report.h"

#include <initializer_list>

namespace zentolk {

namespace {
// The labels in the report's order, worded as the window's captions.
struct ReportLabels {
    std::string_view month, day, year, greatCycle, longCount, elapsed, remaining, harmonic,
        historical, tzolkin, weekDay;
};
constexpr ReportLabels English{"Month:  ",
                               "Day:  ",
                               "Year:  ",
                               "Great Cycle:  ",
                               "Long Count:  ",
                               "Elapsed Kin:  ",
                               "Remaining Kin:  ",
                               "Cycle Harmonic:  ",
                               "Historical Long Count:  ",
                               "Tzolkin Day:  ",
                               "Week Day:  "};
constexpr ReportLabels Spanish{"Mes:  ",
                               "Día:  ",
                               "Año:  ",
                               "Gran Ciclo:  ",
                               "Cuenta larga:  ",
                               "Kines transcurridos:  ",
                               "Kines restantes:  ",
                               "Armónico del ciclo:  ",
                               "Cuenta larga histórica:  ",
                               "Día del tzolkin:  ",
                               "Día de la semana:  "};
} // namespace

void AppendReport(std::string& out, const ReportTexts& t, std::string_view lineEnd,
                  Language language) {
    using enum ReadingField;
    const ReportLabels& l = language == Language::Spanish ? Spanish : English;
    const Readings<std::string_view>& r = t.Reading;
    const auto line = [&](std::initializer_list<std::string_view> pieces) {
        for (std::string_view piece : pieces)
            out += piece;
        out += lineEnd;
    };
    line({l.month, t.Month});
    line({l.day, t.Day});
    line({l.year, t.Year, "   ", t.ADBC});
    line({});
    line({l.greatCycle, r[GreatCycle]});
    line({l.longCount, r[jMayan]});
    line({l.elapsed, r[KinDays], "  (", r[KinLbl1], ")"});
    line({l.remaining, r[KinLeft], "  (", r[KinLbl2], ")"});
    line({l.harmonic, r[Harmonic]});
    line({});
    line({l.historical, r[LongC]});
    line({});
    line({l.tzolkin, r[Tzolkin]});
    line({l.weekDay, r[WeekD]});
}

std::string BuildReport(const ReportTexts& texts, std::string_view lineEnd, Language language) {
    std::string report;
    report.reserve(400);
    AppendReport(report, texts, lineEnd, language);
    return report;
}

} // namespace zentolk
