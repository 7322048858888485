#include "cli/LunarCommand.h"

#include "cli/AlmanacCommands.h"
#include "cli/Json.h"
#include "cli/Messages.h"
#include "engine/AlmanacDay.h"
#include "engine/Epigraphy.h"
#include "engine/Lunar.h"
#include "engine/TextParsing.h"

#include <string>
#include <vector>

namespace zentolk::cli {

// clang-format off
const char* const LunarUsage = N_(
    "Usage: zentolk-cli lunar [DAY] [--recorded \"D 5 C 2 A 29\"] [--julian]\n"
    "                   [--correlation N|NAME] [--spelling S] [--json]\n"
    "\n"
    "The Lunar Series a day should carry under each convention, each named with\n"
    "its source and the period it holds for:\n"
    "  astronomical  the moon's age in whole days since the day of the\n"
    "                conjunction (J. Meeus, Astronomical Algorithms, 1998, ch. 49;\n"
    "                years -3999 to 4000) and the length of its lunation\n"
    "  palenque      Teeple's Palenque formula, 81 lunations in 2,392 days, the\n"
    "                moon 24 days old on 0.0.0.0.0 (Teeple 1930; Fuls 2007)\n"
    "  coba          Coba Stela 1's count: months of 29.5 days, the moon 23\n"
    "                days old in the first lunation on 13.0.0.0.0 (Fuls 2007)\n"
    "Glyphs E/D give the moon's age (D below 20 days, E 20 and more), C the\n"
    "lunation's number in its group of six, A the lunation's 29 or 30 days.\n"
    "Beside the series: the patron in the introductory glyph of an Initial\n"
    "Series on the day, that of its Haab month (Thompson 1950), and the 819-day\n"
    "station with its quarter of the world and colour (Berlin and Kelley 1961).\n"
    "\n"
    "DAY is a Long Count (9.16.1.0.0, \"12.19.13.4.0 (era before)\", with its\n"
    "Calendar Round if wanted) or MONTH DAY YEAR [ERA] as almanac reads it;\n"
    "today by default.\n"
    "\n"
    "  --recorded SERIES  a series as the monument records it: D N (0-19),\n"
    "                     E N (20 + N days), age N, C N (1-6), A N (29 or 30,\n"
    "                     or the glyph's 9 or 10), any of them; says which parts\n"
    "                     fit each convention and how far off the others are\n"
    "  --julian           read dates as Julian calendar dates\n"
    "  --correlation C    Julian Day Number of 0.0.0.0.0 (see almanac --help);\n"
    "                     only the astronomical moon depends on it\n"
    "  --spelling S       colonial (the default) or modern\n"
    "  --json             one JSON object: the day's almanac, moon_age, per\n"
    "                     convention its name, source, glyph_c and glyph_a, and\n"
    "                     introductory_patron and station_819_quarter\n");
// clang-format on

namespace {
// The day of the words: a Long Count (with its era and Calendar Round if
// given) or a date; today without words.
std::optional<std::int64_t> dayCountOf(CommandRun& run) {
    const Options& r = run.r;
    std::string error;
    if (r.words.empty())
        return TodayJdn() - r.correlation;
    if (IsLongCountText(r.words[0])) {
        const std::optional<LongCountDate> date =
            ReadLongCountDate(JoinedWords(r.words), error, r.spelling, SpokenLanguage());
        if (!date) {
            run.fail(error);
            return std::nullopt;
        }
        if (!date->note.empty())
            WriteNote(run.err, date->note);
        return date->dayCount;
    }
    if (const std::string problem = DateWordsProblem(r.words); !problem.empty()) {
        run.usage(problem);
        return std::nullopt;
    }
    std::int64_t jdn = 0;
    if (!DayNumberOfDate(r.words, r.julian, jdn, error)) {
        run.fail(error);
        return std::nullopt;
    }
    return jdn - r.correlation;
}

std::string dayText(std::int64_t jdn, bool julian) {
    const CivilDate date = JdnToCivil(julian ? Calendar::Julian : Calendar::Gregorian, jdn);
    return CivilDateText(date, SpokenLanguage()) +
           (julian ? std::string(" ") + Tr("(Julian)") : "");
}

// "fits" or how far off, for one recorded part.
std::string partText(std::string_view name, int recorded, std::optional<int> off, bool lunations) {
    const std::string text = std::string(name) + " " + std::to_string(recorded);
    if (!off)
        return Fill(Tr("%1 (not given here)"), {text});
    if (*off == 0)
        return Fill(Tr("%1 fits"), {text});
    const unsigned n = static_cast<unsigned>(*off < 0 ? -*off : *off);
    const char* pattern =
        lunations ? (*off > 0 ? TrN("%1 is %2 lunation more", "%1 is %2 lunations more", n)
                              : TrN("%1 is %2 lunation less", "%1 is %2 lunations less", n))
                  : (*off > 0 ? TrN("%1 is %2 day more", "%1 is %2 days more", n)
                              : TrN("%1 is %2 day less", "%1 is %2 days less", n));
    return Fill(pattern, {text, std::to_string(n)});
}

std::string checkText(const RecordedSeries& rec, const SeriesCheck& check) {
    std::vector<std::string> parts;
    if (rec.age)
        parts.push_back(partText(Tr("age"), *rec.age, check.ageOff, false));
    if (rec.glyphC)
        parts.push_back(partText("C", *rec.glyphC, check.glyphCOff, true));
    if (rec.glyphA)
        parts.push_back(partText("A", *rec.glyphA, check.glyphAOff, false));
    std::string text;
    for (const std::string& p : parts)
        text.append(text.empty() ? "" : "; ").append(p);
    return text + (check.fits() ? std::string("  ") + Tr("(all fit)") : "");
}

void optionalNumber(JsonWriter& w, std::string_view key, std::optional<int> value) {
    w.key(key);
    if (value)
        w.number(*value);
    else
        w.null();
}

struct Reading {
    LunarConvention convention;
    std::optional<LunarSeries> series;
};

void writeJson(CommandRun& run, const AlmanacDay& day, const std::vector<Reading>& readings,
               const std::optional<RecordedSeries>& recorded) {
    const Options& r = run.r;
    JsonWriter w;
    w.beginObject();
    const std::optional<LunarSeries>& moon = readings.front().series;
    optionalNumber(w, "moon_age", moon ? std::optional<int>(moon->age) : std::nullopt);
    w.key("new_moon_jdn");
    if (moon)
        w.number(moon->lunationStart + r.correlation);
    else
        w.null();
    w.key("conventions").beginArray();
    for (const Reading& reading : readings) {
        const LunarConventionInfo& info = InfoOf(reading.convention);
        const std::optional<LunarSeries>& s = reading.series;
        w.beginObject().key("name").string(info.key).key("title").string(info.title);
        optionalNumber(w, "moon_age", s ? std::optional<int>(s->age) : std::nullopt);
        optionalNumber(w, "glyph_c",
                       s && s->glyphC != 0 ? std::optional<int>(s->glyphC) : std::nullopt);
        w.key("patron");
        if (s && s->semester >= 0)
            w.string(SemesterText(*s));
        else
            w.null();
        w.key("glyph_x").null();
        optionalNumber(w, "glyph_a", s ? std::optional<int>(s->glyphA) : std::nullopt);
        w.key("lunation_start");
        if (s)
            w.string(InscribedDayText(s->lunationStart));
        else
            w.null();
        w.key("source").string(info.source).key("valid").string(info.valid);
        if (recorded) {
            w.key("recorded").beginObject();
            if (s) {
                const SeriesCheck c = CheckSeries(*recorded, *s);
                w.key("fits").boolean(c.fits());
                optionalNumber(w, "age_off", c.ageOff);
                optionalNumber(w, "glyph_c_off", c.glyphCOff);
                optionalNumber(w, "glyph_a_off", c.glyphAOff);
            }
            w.endObject();
        }
        w.endObject();
    }
    w.endArray();
    const HaabDay haab = HaabOf(day.dayCount);
    const std::string_view patron = IntroductoryPatronOf(haab.month);
    w.key("introductory_patron").beginObject();
    w.key("month").string(MonthNameOf(haab.month, r.spelling));
    w.key("month_index").number(haab.month);
    w.key("patron");
    if (patron.empty())
        w.null();
    else
        w.string(patron);
    w.key("source").string(IntroductoryPatronSource).endObject();
    const auto quarter = static_cast<std::size_t>(Station819QuarterOf(day.dayCount));
    w.key("station_819_quarter").beginObject();
    w.key("direction").string(QuarterName[quarter]).key("colour").string(QuarterColour[quarter]);
    w.key("source").string(Station819QuarterSource).endObject();
    if (recorded) {
        w.key("recorded").beginObject();
        optionalNumber(w, "moon_age", recorded->age);
        optionalNumber(w, "glyph_c", recorded->glyphC);
        optionalNumber(w, "glyph_a", recorded->glyphA);
        w.endObject();
    }
    w.endObject();
    run.out.write("{\"day\":" + AlmanacJson(day, r) + "," + w.text().substr(1) + "\n");
}

void writeText(CommandRun& run, const AlmanacDay& day, const std::vector<Reading>& readings,
               const std::optional<RecordedSeries>& recorded) {
    const Options& r = run.r;
    std::string out;
    const auto line = [&out](std::string_view label, const std::string& value) {
        AppendBlockLine(out, label, value);
    };
    const Language language = SpokenLanguage();
    line(Tr("Long Count"), InscribedDayText(day.dayCount, language));
    line(Tr("Calendar Round"), CalendarRoundText(day.dayCount, r.spelling));
    line(r.julian ? Tr("Julian") : Tr("Gregorian"),
         CivilDateText(r.julian ? day.julian : day.gregorian, language) + " (" +
             IsoDateText(r.julian ? day.julian : day.gregorian) + ")");
    line(Tr("Correlation"), CorrelationText(day.correlation));
    line(Tr("Introductory glyph"), IntroductoryPatronText(day.dayCount, r.spelling, language));
    line(Tr("819-day station"), Station819Text(day.dayCount, r.spelling, language));
    line(Tr("Station direction"), Station819QuarterText(day.dayCount, language));
    for (const Reading& reading : readings) {
        const LunarConventionInfo& info = InfoOf(reading.convention, language);
        const std::optional<LunarSeries>& s = reading.series;
        out += '\n';
        if (!s) {
            line(info.title, NoAstronomicalMoonText(language));
            continue;
        }
        line(info.title, LunarSeriesText(*s, language));
        const std::string start =
            reading.convention == LunarConvention::Astronomical
                ? Fill(Tr("new moon (conjunction) on %1"),
                       {dayText(s->lunationStart + r.correlation, r.julian)})
                : Fill(Tr("lunation began on %1"), {InscribedDayText(s->lunationStart, language)});
        line(Tr("  lunation"), start);
        if (recorded)
            line(Tr("  recorded"), checkText(*recorded, CheckSeries(*recorded, *s)));
        line(Tr("  source"), std::string(info.source));
        line(Tr("  holds for"), std::string(info.valid));
    }
    run.out.write(out);
}
} // namespace

int RunLunar(const Options& r, int, FdWriter& out, FdWriter& err) {
    CommandRun run{r, out, err};
    std::string error;
    std::optional<RecordedSeries> recorded;
    if (!r.recorded.empty() &&
        !(recorded = ParseRecordedSeries(r.recorded, error, SpokenLanguage()))) {
        run.fail(error);
        return run.status;
    }
    const std::optional<std::int64_t> dayCount = dayCountOf(run);
    if (!dayCount)
        return run.status;
    const std::optional<AlmanacDay> day = run.dayOf(*dayCount);
    if (!day)
        return run.status;
    std::vector<Reading> readings;
    for (const LunarConvention c : LunarConventions)
        readings.push_back({c, LunarSeriesOf(c, *dayCount, r.correlation)});
    if (r.json)
        writeJson(run, *day, readings, recorded);
    else
        writeText(run, *day, readings, recorded);
    return run.status;
}

} // namespace zentolk::cli
