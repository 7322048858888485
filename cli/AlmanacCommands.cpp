#include "cli/AlmanacCommands.h"

#include "cli/Json.h"
#include "cli/Options.h"
#include "engine/AlmanacDay.h"
#include "engine/NumberText.h"
#include "platform/LocalDate.h"

#include <string>
#include <vector>

namespace zentolk::cli {

namespace {
const char* const AlmanacUsage =
    "Usage: zentolk-cli almanac [MONTH DAY YEAR [ERA]] [--julian] [--correlation N|NAME] [--json]\n"
    "       zentolk-cli almanac --tsv [--julian] [--correlation N|NAME] < dates.tsv\n"
    "       zentolk-cli long-count TEXT [--correlation N|NAME] [--json]\n"
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
    "  --tsv              batch: lines of month, day, year and era (A.D., AD,\n"
    "                     B.C., BC in any letter case, or the index) separated by\n"
    "                     tabs; the four fields, then JDN, Gregorian, Julian,\n"
    "                     Long Count, Tzolkin, Haab, Lord of the Night\n"
    "  --from DATE        next: search from this day (default today)\n"
    "  --previous         next: search backwards\n"
    "  --count N          next: this many days (1 to 100000, default 1)\n"
    "\n"
    "Long Counts are b.k.t.u.k or p.b.k.t.u.k, days since the start day; a\n"
    "leading '-' counts back. Years run from -1,000,000 to 1,000,000.\n";

// Reads MONTH DAY YEAR [ERA] as the calculator's fields are read.
bool dayNumberOf(std::span<const std::string_view> date, bool julian, std::int64_t& jdn,
                 std::string& error) {
    if (date.size() != 3 && date.size() != 4) {
        error = "expected MONTH DAY YEAR [ERA], got " + std::to_string(date.size()) + " argument" +
                (date.size() == 1 ? "" : "s");
        return false;
    }
    const std::optional<std::int32_t> era = date.size() == 4 ? ParseEra(date[3]) : 0;
    const Calendar calendar = julian ? Calendar::Julian : Calendar::Gregorian;
    CivilDay day;
    const CivilDayStatus status =
        CivilDayFromTexts({date[0], date[1], date[2], era.value_or(0)}, calendar, day);
    if (status == CivilDayStatus::BadMonth || status == CivilDayStatus::BadDay ||
        status == CivilDayStatus::BadYear) {
        const std::size_t bad = status == CivilDayStatus::BadMonth ? 0
                                : status == CivilDayStatus::BadDay ? 1
                                                                   : 2;
        error = InvalidIntegerMessage(date[bad]);
        return false;
    }
    if (!era) {
        error = "the era must be A.D., B.C. or an era index, not '" + std::string(date[3]) + "'";
        return false;
    }
    if (day.astronomicalYear < MinCivilYear || day.astronomicalYear > MaxCivilYear) {
        error = "the year lies outside 1,000,001 B.C. to 1,000,000 A.D. (astronomical -1,000,000 "
                "to 1,000,000)";
        return false;
    }
    if (status != CivilDayStatus::Ok) {
        error = "month " + std::to_string(day.fields.month) + ", day " +
                std::to_string(day.fields.day) + " does not exist in " +
                (julian ? "Julian" : "Gregorian") + " year " +
                std::to_string(day.astronomicalYear) + " (astronomical numbering)";
        return false;
    }
    jdn = day.jdn;
    return true;
}

std::int64_t todayJdn() {
    const platform::LocalDate today = platform::TodayLocal();
    return CivilToJdn(Calendar::Gregorian, {today.year, today.month, today.day}).value_or(0);
}

bool inRange(std::int64_t jdn) {
    return jdn >= MinJdn && jdn <= MaxJdn;
}

void jsonDate(JsonWriter& j, std::string_view name, const CivilDate& d) {
    j.key(name).beginObject();
    j.key("year").number(d.year).key("month").number(d.month).key("day").number(d.day);
    j.endObject();
}

std::string jsonObject(const AlmanacDay& a) {
    const LongCountPlaces& p = a.longCount;
    const int sign = p.negative ? -1 : 1;
    const std::string_view name = CorrelationName(a.correlation);
    JsonWriter j;
    j.beginObject().key("jdn").number(a.jdn).key("correlation").number(a.correlation);
    j.key("correlation_name");
    if (name.empty())
        j.null();
    else
        j.string(name);
    j.key("day_count").number(a.dayCount);
    jsonDate(j, "gregorian", a.gregorian);
    jsonDate(j, "julian", a.julian);
    j.key("long_count").beginObject().key("text").string(LongCountText(p));
    j.key("places").beginArray();
    for (std::int64_t v : {BaktunsOf(p), std::int64_t{p.katun}, std::int64_t{p.tun},
                           std::int64_t{p.uinal}, std::int64_t{p.kin}})
        j.number(sign * v);
    j.endArray().key("pictun").number(sign * p.pictun).endObject();
    j.key("tzolkin").beginObject().key("number").number(a.tzolkin.number);
    j.key("name_index").number(a.tzolkin.sign).key("name").string(TzolkinSign[a.tzolkin.sign - 1]);
    j.endObject();
    j.key("haab").beginObject().key("day").number(a.haab.day);
    j.key("month_index").number(a.haab.month).key("month").string(HaabMonth[a.haab.month - 1]);
    j.endObject();
    j.key("calendar_round").string(TzolkinText(a.tzolkin) + " " + HaabText(a.haab));
    j.key("lord_of_the_night").number(a.lordOfTheNight).endObject();
    return j.text();
}

std::string textBlock(const AlmanacDay& a) {
    const std::string_view name = CorrelationName(a.correlation);
    std::string out;
    const auto line = [&out](std::string_view label, const std::string& value) {
        out += label;
        out.append(19 - label.size(), ' ');
        out += value;
        out += '\n';
    };
    line("Julian Day Number", std::to_string(a.jdn));
    line("Gregorian", CivilDateText(a.gregorian) + " (" + IsoDateText(a.gregorian) + ")");
    line("Julian", CivilDateText(a.julian) + " (" + IsoDateText(a.julian) + ")");
    line("Long Count", LongCountText(a.longCount));
    line("Tzolkin", TzolkinText(a.tzolkin));
    line("Haab", HaabText(a.haab));
    line("Calendar Round", TzolkinText(a.tzolkin) + " " + HaabText(a.haab));
    line("Lord of the Night", std::string(1, 'G').append(std::to_string(a.lordOfTheNight)));
    line("Correlation",
         std::to_string(a.correlation) + (name.empty() ? "" : " (" + std::string(name) + ")"));
    return out;
}

std::string rangeError() {
    return "the day lies outside the years -1,000,000 to 1,000,000 that the almanac covers";
}

} // namespace

int RunAlmanacCommand(const Options& r, const Streams& streams) {
    FdWriter out(streams.out, 1 << 20);
    FdWriter err(streams.err, 1 << 12);
    std::string error;
    int status = 0;
    const auto usage = [&](const std::string& why) {
        err.write(UsageError(why));
        status = 2;
    };
    const auto fail = [&](const std::string& why) {
        err.write("zentolk-cli: " + why + "\n");
        status = 1;
    };
    const auto show = [&](const AlmanacDay& a) {
        out.write(r.json ? jsonObject(a) + "\n" : textBlock(a));
    };

    if (r.mode == Mode::Help) {
        out.write(AlmanacUsage);
    } else if (r.command == Command::Almanac && r.tsv) {
        if (!r.words.empty())
            usage("almanac --tsv reads its dates from standard input, not from arguments");
        else
            status = RunAlmanacBatch(streams.in, out, err, r.julian, r.correlation);
    } else if (r.command == Command::Almanac) {
        std::int64_t jdn = todayJdn();
        if (!r.words.empty() && !dayNumberOf(r.words, r.julian, jdn, error))
            usage(error);
        else
            show(ComputeAlmanac(jdn, r.correlation));
    } else if (r.command == Command::LongCount) {
        std::string text;
        for (std::string_view p : r.words)
            text += std::string(text.empty() ? "" : " ") + std::string(p);
        const std::optional<std::int64_t> count =
            r.words.size() == 1 ? ParseLongCount(text, error) : std::nullopt;
        if (r.words.size() != 1)
            usage("expected one Long Count such as 9.12.11.5.18");
        else if (!count)
            fail(error);
        else if (!inRange(*count + r.correlation))
            fail(rangeError());
        else
            show(ComputeAlmanac(*count + r.correlation, r.correlation));
    } else { // next
        std::string text;
        for (std::string_view p : r.words)
            text += std::string(text.empty() ? "" : " ") + std::string(p);
        std::int64_t from = todayJdn();
        std::optional<CalendarRoundQuery> query;
        if (r.words.empty())
            usage("expected a Tzolkin day, a Haab day or both, such as \"4 Ahau 8 Cumku\"");
        else if (!r.from.empty() && !dayNumberOf(r.from, r.julian, from, error))
            usage(error);
        else if (!(query = ParseCalendarRound(text, error)))
            fail(error);
        else if (const std::string why = WhyNoDay(*query); !why.empty())
            fail(why);
        else {
            std::string list;
            std::int64_t count = from - r.correlation;
            for (std::int64_t n = 0; n < r.count; ++n) {
                count = r.previous ? PreviousDayCount(*query, count) : NextDayCount(*query, count);
                if (!inRange(count + r.correlation)) {
                    fail(rangeError());
                    break;
                }
                const AlmanacDay a = ComputeAlmanac(count + r.correlation, r.correlation);
                if (r.json)
                    list += (n == 0 ? "[\n  " : ",\n  ") + jsonObject(a);
                else
                    list += CivilDateText(a.gregorian) + "  " + LongCountText(a.longCount) + "  " +
                            TzolkinText(a.tzolkin) + " " + HaabText(a.haab) + "  G" +
                            std::to_string(a.lordOfTheNight) + "  JDN " + std::to_string(a.jdn) +
                            "\n";
            }
            if (r.json)
                list += list.empty() ? "[]\n" : "\n]\n";
            out.write(list);
        }
    }
    return FinishRun(out, err, status);
}

bool ReadDayWords(std::span<const std::string_view> date, bool julian, std::int64_t& jdn,
                  std::string& error) {
    return dayNumberOf(date, julian, jdn, error);
}

std::int64_t TodayJdn() {
    return todayJdn();
}

} // namespace zentolk::cli
