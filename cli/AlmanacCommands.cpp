#include "cli/AlmanacCommands.h"

#include "cli/AlmanacColumns.h"
#include "cli/Messages.h"
#include "cli/Options.h"
#include "cli/RowReader.h"
#include "engine/AlmanacDay.h"
#include "engine/AlmanacInput.h"
#include "engine/Epigraphy.h"
#include "engine/NumberText.h"
#include "engine/Periods.h"
#include "engine/TextParsing.h"
#include "platform/LocalDate.h"

#include <string>
#include <vector>

namespace zentolk::cli {

// clang-format off
const char* const AlmanacUsage = N_(
    "Usage: zentolk-cli almanac [MONTH DAY YEAR [ERA]] [--julian] [--correlation N|NAME] [--json]\n"
    "       zentolk-cli almanac --tsv|--csv [--format=tsv|csv|json] [--header] [--strict]\n"
    "                   [--skip-blank] [--input=mdy|iso|jdn|long-count] [--julian]\n"
    "                   [--column N|NAME | --columns M,D,Y[,ERA]] [--era AD|BC]\n"
    "                   [--correlation N|NAME] < days\n"
    "       zentolk-cli long-count TEXT [--previous-era] [--correlation N|NAME] [--json]\n"
    "       zentolk-cli next \"4 Ahau 8 Cumku\" [--from MONTH DAY YEAR [ERA]] [--julian]\n"
    "                        [--previous] [--count N] [--correlation N|NAME] [--json]\n"
    "\n"
    "The almanac of a day: Julian Day Number, Gregorian and Julian dates, Long\n"
    "Count, Tzolkin, Haab, Calendar Round and Lord of the Night (G9 rules the\n"
    "start day, 0.0.0.0.0 4 Ahau 8 Cumku).\n"
    "\n"
    "  --julian           read dates as Julian calendar dates (default Gregorian)\n"
    "  --correlation C    Julian Day Number of 0.0.0.0.0: a number or gmt (584283,\n"
    "                     the default), lounsbury (584285), martinez (584281),\n"
    "                     martin-skidmore (584286), spinden (489384), fuls (660208)\n"
    "  --json             one JSON object per day (next: a JSON array)\n"
    "  --tsv, --csv       a table: tab- or comma-separated lines in, by default\n"
    "                     the same out; tsv: the input's fields, then JDN,\n"
    "                     Gregorian, Julian, Long Count, Tzolkin, Haab, Lord of\n"
    "                     the Night, 819-day station, year bearer, era and\n"
    "                     inscribed Long Count; csv and json:\n"
    "                     ok, error and the --json values\n"
    "  --format=F         the table's output: tsv, csv or json (one object a line)\n"
    "  --input=I          what a table line names: mdy (month, day, year, era: A.D.,\n"
    "                     AD, B.C., BC or the index; the default), iso (YYYY-MM-DD,\n"
    "                     astronomical year), jdn (a day number) or long-count (a\n"
    "                     Long Count, with its Calendar Round if wanted, checked)\n"
    "  --header           tsv output: a first line naming the columns\n"
    "  --strict           a table: exit status 1 when any row is an error row\n"
    "  --skip-blank       a table: pass over blank lines instead of error rows\n"
    "  --column N|NAME    a table: the date's (first) column in a wider table,\n"
    "                     whose other columns are carried through\n"
    "  --columns M,D,Y,E  a table: the date's columns, by number or name\n"
    "  --era AD|BC        a table: the era of dates without an era column\n"
    "  --from DATE        next: search from this day (default today)\n"
    "  --previous         next: search backwards\n"
    "  --count N          next: this many days (1 to 100000, default 1)\n"
    "  --spelling S       colonial (the default: Ahau, Cumku) or modern (Ajaw, Kumk'u)\n"
    "  --year-bearer S    the year bearer's day: classic (0 Pop, the default),\n"
    "                     campeche (1 Pop) or mayapan (2 Pop)\n"
    "  --previous-era     long-count: the day 13 baktuns earlier, in the era before\n"
    "\n"
    "Long Counts are b.k.t.u.k or p.b.k.t.u.k, days since the start day; a\n"
    "leading '-' counts back. Years run from -1,000,000 to 1,000,000.\n"
    "A day before the start day is shown as its era writes it, \"12.19.13.4.0\n"
    "(era before)\", which is read back too; seven places or more reach days\n"
    "beyond those years, which have no civil date.\n"
    "long-count also takes distance numbers (\"9.12.11.5.18 + 2.4.0 - 1.0\") and\n"
    "full dates (\"9.12.11.5.18 6 Etznab 11 Yax\"), which it checks. The 819-day\n"
    "station is the one on or before the day; the block gives its direction, the\n"
    "quarter of the world and colour of its day sign (Berlin and Kelley 1961).\n"
    "See also zentolk-cli match --help.\n");
// clang-format on

// Reads MONTH DAY YEAR [ERA] as the calculator's fields are read.
bool DayNumberOfDate(std::span<const std::string_view> date, bool julian, std::int64_t& jdn,
                     std::string& error) {
    if (error = DateWordsProblem(date); !error.empty())
        return false;
    const std::optional<std::int32_t> era = EraOfDate(date, error);
    const Calendar calendar = julian ? Calendar::Julian : Calendar::Gregorian;
    CivilDay day;
    const CivilDayStatus status =
        CivilDayFromTexts({date[0], date[1], date[2], era.value_or(0)}, calendar, day);
    if (status == CivilDayStatus::BadMonth || status == CivilDayStatus::BadDay ||
        status == CivilDayStatus::BadYear) {
        const std::size_t bad = status == CivilDayStatus::BadMonth ? 0
                                : status == CivilDayStatus::BadDay ? 1
                                                                   : 2;
        error = InvalidIntegerMessage(date[bad], SpokenLanguage());
        return false;
    }
    if (!era)
        return false;
    if (day.astronomicalYear < MinCivilYear || day.astronomicalYear > MaxCivilYear) {
        error = YearRangeWords.in(SpokenLanguage());
        return false;
    }
    if (status != CivilDayStatus::Ok) {
        error = Fill(julian ? Tr("month %1, day %2 does not exist in Julian year %3 "
                                 "(astronomical numbering)")
                            : Tr("month %1, day %2 does not exist in Gregorian year %3 "
                                 "(astronomical numbering)"),
                     {std::to_string(day.fields.month), std::to_string(day.fields.day),
                      std::to_string(day.astronomicalYear)});
        return false;
    }
    jdn = day.jdn;
    return true;
}

namespace {
std::int64_t todayJdn() {
    const platform::LocalDate today = platform::TodayLocal();
    return CivilToJdn(Calendar::Gregorian, {today.year, today.month, today.day}).value_or(0);
}

} // namespace

bool InAlmanacRange(std::int64_t jdn, bool julian) {
    return DayInRange(jdn, julian ? Calendar::Julian : Calendar::Gregorian);
}

std::string AlmanacJson(const AlmanacDay& a, const Options& r) {
    return AlmanacJsonObject(a, {r.spelling, r.yearBearer});
}

std::string AlmanacLine(const AlmanacDay& a, const Options& r) {
    const Language language = SpokenLanguage();
    // Both calendars are in use: the date names its own.
    return CivilDateText(r.julian ? a.julian : a.gregorian, language) + " " +
           (r.julian ? Tr("(Julian)") : Tr("(Gregorian)")) + "  " +
           InscribedDayText(a.dayCount, language) + "  " +
           CalendarRoundText(a.dayCount, r.spelling) + "  G" + std::to_string(a.lordOfTheNight) +
           "  JDN " + std::to_string(a.jdn) + "\n";
}

std::string PaddedLabel(std::string_view label, std::size_t column) {
    // Spanish labels run longer; the padding counts characters, not bytes.
    if (SpokenLanguage() != platform::Language::English)
        column += 4;
    std::size_t width = 0;
    for (const char c : label)
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return std::string(label).append(width + 2 > column ? 2 : column - width, ' ');
}

void AppendBlockLine(std::string& out, std::string_view label, const std::string& value) {
    out += PaddedLabel(label, 19);
    out += value;
    out += '\n';
}

std::string CorrelationText(std::int64_t correlation) {
    const std::string_view name = CorrelationName(correlation);
    return std::to_string(correlation) + (name.empty() ? "" : " (" + std::string(name) + ")");
}

std::string AlmanacBlock(const AlmanacDay& a, const Options& r) {
    const Language language = SpokenLanguage();
    std::string out;
    const auto line = [&out](std::string_view label, const std::string& value) {
        AppendBlockLine(out, label, value);
    };
    line(Tr("Julian Day Number"), std::to_string(a.jdn));
    line(Tr("Gregorian"),
         CivilDateText(a.gregorian, language) + " (" + IsoDateText(a.gregorian) + ")");
    line(Tr("Julian"), CivilDateText(a.julian, language) + " (" + IsoDateText(a.julian) + ")");
    line(Tr("Long Count"), InscribedDayText(a.dayCount, language));
    line(Tr("Tzolkin"), TzolkinText(a.tzolkin, r.spelling));
    line(Tr("Haab"), HaabText(a.haab, r.spelling));
    line(Tr("Calendar Round"), CalendarRoundText(a.dayCount, r.spelling));
    line(Tr("Lord of the Night"), std::string(1, 'G').append(std::to_string(a.lordOfTheNight)));
    line(Tr("819-day station"), Station819Text(a.dayCount, r.spelling, language));
    line(Tr("Station direction"), Station819QuarterText(a.dayCount, language));
    line(Tr("Year bearer"), YearBearerText(a.dayCount, r.yearBearer, r.spelling, language));
    const std::string ending = PeriodEndingText(a.dayCount, r.spelling);
    line(Tr("Period ending"), ending.empty() ? Tr("none") : ending);
    line(Tr("Katun"), KatunText(a.dayCount, r.spelling, language));
    line(Tr("Correlation"), CorrelationText(a.correlation));
    return out;
}

std::string AlmanacRangeError(Language language) {
    return std::string(DayRangeWords.in(language));
}

void CommandRun::usage(const std::string& why) {
    err.write(UsageError(why));
    status = 2;
}

void CommandRun::fail(std::string_view why) {
    WriteProblem(err, why);
    status = 1;
}

std::optional<AlmanacDay> CommandRun::dayOf(std::int64_t dayCount) {
    if (!InAlmanacRange(dayCount + r.correlation, r.julian)) {
        fail(AlmanacRangeError(SpokenLanguage()));
        return std::nullopt;
    }
    return ComputeAlmanac(dayCount + r.correlation, r.correlation);
}

void CommandRun::show(const AlmanacDay& day) {
    out.write(r.json ? AlmanacJson(day, r) + "\n" : AlmanacBlock(day, r));
}

void CommandRun::listItem(const AlmanacDay& day) {
    listItem(day, r.json ? std::string() : AlmanacLine(day, r));
}

void CommandRun::listItem(const AlmanacDay& day, const std::string& line) {
    if (r.json)
        out.write(listed == 0 ? "[\n  " : ",\n  ");
    out.write(r.json ? AlmanacJson(day, r) : line);
    ++listed;
}

void CommandRun::endList() {
    if (r.json)
        out.write(listed == 0 ? "[]\n" : "\n]\n");
}

bool CommandRun::readRange(std::string_view fromText, std::string_view toText, const char* fromName,
                           const char* toName, std::int64_t& from, std::int64_t& to) {
    std::string error;
    const auto bound = [&](std::string_view value, std::int64_t& day, const char* name) {
        if (value.empty())
            return true;
        const std::optional<std::int64_t> count =
            ParseInscribedLongCount(value, error, SpokenLanguage());
        if (!count)
            fail(std::string(name) + ": " + error);
        day = count.value_or(day);
        return count.has_value();
    };
    from = 0, to = EraDays;
    if (!bound(fromText, from, fromName) || !bound(toText, to, toName))
        return false;
    if (from > to) {
        // "--from A comes after --to B"; one option's two ends name it once.
        usage(std::string_view(fromName) == toName
                  ? Fill(Tr("%1 %2 comes after %3"),
                         {fromName, InscribedDayText(from, SpokenLanguage()),
                          InscribedDayText(to, SpokenLanguage())})
                  : Fill(Tr("%1 %2 comes after %3 %4"),
                         {fromName, InscribedDayText(from, SpokenLanguage()), toName,
                          InscribedDayText(to, SpokenLanguage())}));
        return false;
    }
    if (!InAlmanacRange(from + r.correlation, r.julian) ||
        !InAlmanacRange(to + r.correlation, r.julian)) {
        fail(AlmanacRangeError(SpokenLanguage()));
        return false;
    }
    return true;
}

int RunAlmanac(const Options& r, int inFd, FdWriter& out, FdWriter& err) {
    CommandRun run{r, out, err};
    const bool csv = r.input == TableInput::Csv;
    if (r.tsv || csv) {
        const std::string name = r.tsv ? "--tsv" : "--csv";
        const AlmanacInput what = r.almanacInput.value_or(AlmanacInput::Mdy);
        std::optional<DateColumns> columns;
        if (r.tsv && csv)
            run.usage(Tr("--tsv and --csv cannot be used together"));
        else if (!r.words.empty())
            run.usage(Fill(Tr("%1 reads its dates from standard input, not from arguments"),
                           {"almanac " + name}));
        else if (r.json)
            run.usage(Tr("--json is for one day; the table's is --format=json"));
        else if (r.header && r.format == TableFormat::Json)
            run.usage(Tr("--header applies to tsv or csv output, not to json"));
        else if (std::string why; !(columns = DateColumnsOf(r, what != AlmanacInput::Mdy, why)))
            run.usage(why);
        else
            return RunAlmanacTable(inFd, out, err,
                                   {r.input,
                                    r.format.value_or(r.tsv ? TableFormat::Tsv : TableFormat::Csv),
                                    what,
                                    r.julian,
                                    r.correlation,
                                    r.header,
                                    BatchPath::Fast,
                                    {r.spelling, r.yearBearer},
                                    r.strict,
                                    r.skipBlank,
                                    *columns});
        return run.status;
    }
    if (r.format || r.header || r.almanacInput || r.strict || r.skipBlank || !r.column.empty() ||
        !r.columns.empty() || !r.era.empty()) {
        run.usage(
            Fill(Tr("%1 applies to almanac --tsv or --csv"), {r.format             ? "--format"
                                                              : r.header           ? "--header"
                                                              : r.strict           ? "--strict"
                                                              : r.skipBlank        ? "--skip-blank"
                                                              : !r.column.empty()  ? "--column"
                                                              : !r.columns.empty() ? "--columns"
                                                              : !r.era.empty()     ? "--era"
                                                                                   : "--input"}));
        return run.status;
    }
    std::int64_t jdn = todayJdn();
    std::string error;
    if (r.words.empty())
        run.show(ComputeAlmanac(jdn, r.correlation));
    else if (const std::string problem = DateWordsProblem(r.words); !problem.empty())
        run.usage(problem);
    else if (!DayNumberOfDate(r.words, r.julian, jdn, error))
        run.fail(error);
    else
        run.show(ComputeAlmanac(jdn, r.correlation));
    return run.status;
}

int RunNext(const Options& r, int, FdWriter& out, FdWriter& err) {
    CommandRun run{r, out, err};
    std::int64_t from = todayJdn();
    std::string error;
    std::optional<CalendarRoundQuery> query;
    if (r.words.empty())
        run.usage(Tr("expected a Tzolkin day, a Haab day or both, such as \"4 Ahau 8 Cumku\""));
    else if (!r.from.empty() && !DayNumberOfDate(r.from, r.julian, from, error))
        run.fail(error);
    else if (!(query =
                   ParseCalendarRound(JoinedWords(r.words), error, r.spelling, SpokenLanguage())))
        run.fail(error);
    else if (const std::string why = WhyNoDay(*query, r.spelling, SpokenLanguage()); !why.empty())
        run.fail(why);
    if (!query || run.status != 0)
        return run.status;
    if (!query->note.empty())
        WriteNote(err, query->note);
    std::int64_t count = from - r.correlation;
    for (std::int64_t n = 0; n < r.count; ++n) {
        count = r.previous ? PreviousDayCount(*query, count) : NextDayCount(*query, count);
        const std::optional<AlmanacDay> a = run.dayOf(count);
        if (!a)
            break;
        run.listItem(*a);
    }
    run.endList();
    return run.status;
}

std::int64_t TodayJdn() {
    return todayJdn();
}

} // namespace zentolk::cli
