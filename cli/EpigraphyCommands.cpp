// The inscription commands: long-count with distance numbers and full dates,
// distance and match.
#include "cli/AlmanacCommands.h"
#include "cli/Json.h"
#include "cli/Messages.h"
#include "cli/RowReader.h"
#include "engine/CalendarRound.h"
#include "engine/Epigraphy.h"
#include "engine/NumberText.h"
#include "engine/Periods.h"
#include "engine/TextParsing.h"

#include <string>
#include <vector>

namespace zentolk::cli {

// clang-format off
const char* const InscriptionUsage = N_(
    "Usage: zentolk-cli long-count \"LC [TZOLKIN HAAB] + DN - DN ...\" [--json]\n"
    "       zentolk-cli long-count \"LC TZOLKIN HAAB\" [--previous-era] [--json]\n"
    "       zentolk-cli long-count \"TZOLKIN HAAB + DN - DN ...\" [--json]\n"
    "       zentolk-cli distance A B [--julian] [--json]\n"
    "       zentolk-cli distance \"TZOLKIN HAAB\" \"TZOLKIN HAAB\" [--json]\n"
    "       zentolk-cli match PATTERN [--from LC] [--to LC] [--limit N] [--json]\n"
    "\n"
    "Distance numbers, full dates and damaged dates, as inscriptions write them.\n"
    "\n"
    "A distance number is written as a Long Count is, its last place the kins:\n"
    "2.4.0 is 2 tuns, 4 uinals and 0 kins (800 days); above the baktun, pictun,\n"
    "calabtun, ... are 20 each. Long Counts of seven places or more are counted\n"
    "exactly; a day outside the civil years is shown by its cycles alone.\n"
    "A full date is a Long Count with its Tzolkin day, Haab day or both; a\n"
    "mismatch exits 1, names the parts that differ with the Long Count's own,\n"
    "and lists the Long Counts one place away that fit. A date that fits only\n"
    "the era before (13 baktuns earlier) is read there.\n"
    "Days before 0.0.0.0.0 are written as their era writes them, with its\n"
    "name: 12.19.13.4.0 (era before) is 2,440 days before the start day, which\n"
    "is also 13.0.0.0.0 (era before); earlier eras are 2 eras before, ...\n"
    "A Calendar Round alone plus distance numbers gives the Calendar Round\n"
    "reached; distance between two gives the least days forward from the\n"
    "first to the second, which repeat every 18,980 days (260 or 365 where one\n"
    "gives only its Tzolkin or Haab day).\n"
    "distance prints the signed distance from A to B; each is a Long Count, a\n"
    "full date or MONTH DAY YEAR [A.D.|B.C.].\n"
    "match lists the days whose known parts fit: any Long Count place, Tzolkin\n"
    "number or name, Haab day or month may be *, as in \"9.*.*.0.0 * Ahau 8 *\";\n"
    "a Long Count place fits either era's count where the range covers both.\n"
    "Names: colonial (Ahau, Cumku), modern (Ajaw, Kumk'u, Muwaan, Kej after a\n"
    "Haab number) and the Classic month names (K'anjalaw, Ik'at, Chakat, Sotz',\n"
    "Kaseew, Chikin, Yaxk'in, Mol, Ik'sihom, Yaxsihom, Saksihom, Chaksihom, Mak,\n"
    "Uniw, Muwaan, Pax, K'anasiiy, Ohl, Wayhaab) as Kettunen and Helmke give\n"
    "them (Introduction to Maya Hieroglyphs, 2020, pp. 58-59). \"chum Mak\" or\n"
    "\"seating of Mak\" is 0 Mak; \"20 Keh\" is read as 0 Mak, with a note. A\n"
    "number may touch its name (2Ak'bal).\n"
    "\n"
    "  --from LC, --to LC   match: the range, both ends included (default\n"
    "                       0.0.0.0.0 to 13.0.0.0.0)\n"
    "  --limit N            match: show at most N days (default 1000); more\n"
    "                       than N exits 1 with their count\n"
    "  --previous-era       long-count: the day 13 baktuns earlier\n"
    "  --spelling S         colonial (the default) or modern (Ajaw, Kumk'u)\n"
    "  --year-bearer S      classic (0 Pop, the default), campeche or mayapan\n"
    "  --correlation C      Julian Day Number of 0.0.0.0.0 (see almanac --help)\n"
    "  --json               the almanac objects as JSON\n");
// clang-format on

namespace {
std::string jsonText(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

std::string daysText(WideCount days) {
    const std::string digits = GroupThousands(WideNumberText(days < 0 ? -days : days));
    return Fill(TrN("%1 day", "%1 days", days == 1 || days == -1 ? 1 : 2),
                {(days < 0 ? "-" : "") + digits});
}

// A full date that does not fit: the problem on standard error, the Long
// Counts one place away that fit on standard output.
void reportMismatch(CommandRun& run, const FullDate& date, const FullDateCheck& check) {
    const Options& r = run.r;
    std::vector<AlmanacDay> days;
    for (const std::int64_t s : check.suggestions)
        if (InAlmanacRange(s + r.correlation, r.julian))
            days.push_back(ComputeAlmanac(s + r.correlation, r.correlation));
    run.fail(check.problem);
    if (r.json) {
        // The json's error is data, in English whatever the language spoken.
        const std::string problem = SpokenLanguage() == Language::English
                                        ? check.problem
                                        : CheckFullDate(date, r.spelling, !r.previousEra).problem;
        std::string text = "{\"error\":" + jsonText(problem) +
                           ",\"calendar_round\":" + jsonText(check.calendarRound) +
                           ",\"suggestions\":[";
        for (std::size_t i = 0; i < days.size(); ++i)
            text += (i ? "," : "") + AlmanacJson(days[i], r);
        run.out.write(text + "]}\n");
        return;
    }
    CalendarRoundQuery round = date.round;
    const std::string given = CalendarRoundText(round, r.spelling);
    const bool possible = QueryStatusOf(round) == QueryStatus::Possible;
    if (days.empty() || !possible) {
        if (possible)
            run.out.write(Fill(Tr("No Long Count one place away fits %1."), {given}) + "\n");
        return;
    }
    std::string list =
        Fill(Tr("Long Counts one place away that fit %1, nearest first:"), {given}) + "\n";
    for (const AlmanacDay& a : days)
        list += AlmanacLine(a, r);
    run.out.write(list);
}

// One day of `distance` from the words at i: a Long Count, with a Tzolkin
// and Haab day when the next words name them, or MONTH DAY YEAR [ERA].
std::optional<WideCount> readDay(CommandRun& run, const std::vector<std::string_view>& words,
                                 std::size_t& i, std::string& error) {
    const Options& r = run.r;
    if (IsLongCountText(words[i])) {
        const std::size_t start = i++;
        while (i + 1 < words.size() &&
               (FindTzolkinSign(words[i + 1]) != 0 || FindHaabMonth(words[i + 1]) != 0))
            i += 2;
        const std::optional<WideLongCountDate> date =
            ReadWideLongCountDate(JoinedWords(std::span(words).subspan(start, i - start)), error,
                                  r.spelling, SpokenLanguage());
        if (!date)
            return std::nullopt;
        if (!date->note.empty())
            WriteNote(run.err, date->note);
        return date->dayCount;
    }
    if (i + 3 > words.size()) {
        error = Fill(Tr("expected a Long Count or MONTH DAY YEAR [ERA], not %1"),
                     {QuotedText(JoinedWords(std::span(words).subspan(i)))});
        return std::nullopt;
    }
    std::size_t n = 3;
    if (const std::optional<EraWords> era = ParseEraWords(std::span(words).subspan(i + 3)))
        n += era->count;
    std::int64_t jdn;
    if (!DayNumberOfDate(std::span(words).subspan(i, n), r.julian, jdn, error))
        return std::nullopt;
    i += n;
    return jdn - r.correlation;
}

// A Calendar Round, Tzolkin day or Haab day with distance numbers: the
// days they reach have no Long Count, only the Calendar Round.
int roundArithmetic(CommandRun& run, const std::string& text, std::size_t chain) {
    const Options& r = run.r;
    const Language language = SpokenLanguage();
    std::string error;
    std::optional<CalendarRoundQuery> round =
        ParseCalendarRound(std::string_view(text).substr(0, chain), error, r.spelling, language);
    if (round && !WhyNoDay(*round).empty())
        error = WhyNoDay(*round, r.spelling, language), round.reset();
    std::optional<WideCount> days;
    if (round)
        days = chain == std::string::npos
                   ? std::optional<WideCount>(0)
                   : ApplyWideDistances(0, std::string_view(text).substr(chain), error, language);
    if (!days) {
        run.fail(error);
        return run.status;
    }
    if (!round->note.empty())
        WriteNote(run.err, round->note);
    const std::string result =
        CalendarRoundText(ShiftedRound(*round, CycleDayOf(*days)), r.spelling);
    if (r.json)
        run.out.write("{\"calendar_round\":" + jsonText(result) +
                      ",\"days\":" + WideNumberText(*days) +
                      ",\"from\":" + jsonText(CalendarRoundText(*round, r.spelling)) + "}\n");
    else
        run.out.write(
            PaddedLabel(Tr("Calendar Round"), 19) + result + "  (" +
            Fill(Tr("%1 after %2"), {daysText(*days), CalendarRoundText(*round, r.spelling)}) +
            ")\n");
    return run.status;
}

// distance between two Calendar Rounds (or Tzolkin or Haab days): the least
// forward one, which repeats.
int roundDistance(CommandRun& run, const std::vector<std::string_view>& words,
                  std::size_t firstArgumentWords) {
    const Options& r = run.r;
    std::string error;
    std::optional<CalendarRoundQuery> rounds[2];
    // Two arguments are the two rounds. Else the first runs up to the
    // second's number: two words, or four; of three pairs, the first two
    // when they are a Calendar Round in its order, Tzolkin day first.
    std::size_t split = words.size() / 2;
    if (r.words.size() == 2) {
        split = firstArgumentWords;
    } else if (words.size() == 6) {
        std::string ignored;
        const std::optional<CalendarRoundQuery> two =
            ParseCalendarRound(JoinedWords(std::span(words).first(4)), ignored, r.spelling);
        split = two && two->tzolkin && two->haab && FindTzolkinSign(words[1]) != 0 ? 4 : 2;
    }
    for (int n = 0; n < 2; ++n) {
        const auto part = n == 0 ? std::span(words).first(split) : std::span(words).subspan(split);
        rounds[n] = ParseCalendarRound(JoinedWords(part), error, r.spelling, SpokenLanguage());
        if (rounds[n] && !WhyNoDay(*rounds[n]).empty())
            error = WhyNoDay(*rounds[n], r.spelling, SpokenLanguage()), rounds[n].reset();
        if (!rounds[n]) {
            run.fail(error);
            return run.status;
        }
    }
    const std::optional<RoundDistance> d = CalendarRoundDistance(*rounds[0], *rounds[1]);
    if (!d) {
        run.fail(Fill(Tr("a Tzolkin day alone and a Haab day alone share no cycle to count a "
                         "distance in: %1"),
                      {QuotedText(JoinedWords(words))}));
        return run.status;
    }
    const std::string from = CalendarRoundText(*rounds[0], r.spelling);
    const std::string to = CalendarRoundText(*rounds[1], r.spelling);
    if (r.json) {
        run.out.write("{\"days\":" + std::to_string(d->days) +
                      ",\"distance\":" + jsonText(DistanceNumberText(d->days)) +
                      ",\"from\":" + jsonText(from) + ",\"to\":" + jsonText(to) +
                      ",\"inscribed\":" + jsonText(InscribedDistanceText(d->days)) +
                      ",\"repeats\":" + std::to_string(d->period) + "}\n");
        return run.status;
    }
    run.out.write(PaddedLabel(Tr("Distance"), 10) + InscribedDistanceText(d->days) + "  (" +
                  Fill(Tr("%1; it repeats every %2 days"),
                       {daysText(d->days), GroupThousands(std::to_string(d->period))}) +
                  ")\n" + PaddedLabel(Tr("From"), 10) + from + "\n" + PaddedLabel(Tr("To"), 10) +
                  to + "\n");
    return run.status;
}

// A day's cycles from its wide count, by a day count with the same place in
// each of them.
struct DeepDay {
    WideCount count;
    std::int64_t day = CycleDayOf(count);
    std::int64_t since = day - Station819Of(day);
};

// A day with no civil date, as the almanac's object has it: the same keys,
// null where the civil calendars would answer, and a note that says why.
std::string deepDayJson(const Options& r, WideCount count) {
    const DeepDay d{count};
    const TzolkinDay bearer = YearBearerOf(d.day, r.yearBearer);
    const WideLongCountPlaces p = WideLongCountOf(count);
    const int sign = p.negative ? -1 : 1;
    const auto place = [sign](WideCount value) { return WideNumberText(sign * value); };
    const std::string_view name = CorrelationName(r.correlation);
    const auto inscribedText = [](WideCount c) {
        const WideInscribed in = WideInscribedOf(c);
        return "\"era\":" + WideNumberText(in.era) + ",\"inscribed\":" +
               jsonText(in.era == 0
                            ? WideLongCountText(c)
                            : LongCountText(LongCountOf(static_cast<std::int64_t>(in.count))));
    };
    const std::int64_t periodDay = PeriodDayOf(count), end = KatunEndOf(periodDay);
    const std::optional<Period> ending = LargestPeriodEnded(periodDay);
    return "{\"jdn\":null,\"correlation\":" + std::to_string(r.correlation) +
           ",\"correlation_name\":" + (name.empty() ? "null" : jsonText(name)) +
           ",\"day_count\":" + WideNumberText(count) +
           ",\"gregorian\":null,\"julian\":null,\"long_count\":{\"text\":" +
           jsonText(WideLongCountText(count)) + ",\"places\":[" + place(p.baktuns) + "," +
           place(p.belowPictun.katun) + "," + place(p.belowPictun.tun) + "," +
           place(p.belowPictun.uinal) + "," + place(p.belowPictun.kin) +
           "],\"pictun\":" + place(p.pictuns) +
           "},\"tzolkin\":{\"number\":" + std::to_string(TzolkinOf(d.day).number) +
           ",\"name_index\":" + std::to_string(TzolkinOf(d.day).sign) +
           ",\"name\":" + jsonText(SignName(TzolkinOf(d.day).sign, r.spelling)) +
           "},\"haab\":{\"day\":" + std::to_string(HaabOf(d.day).day) +
           ",\"month_index\":" + std::to_string(HaabOf(d.day).month) +
           ",\"month\":" + jsonText(MonthNameOf(HaabOf(d.day).month, r.spelling)) +
           "},\"calendar_round\":" + jsonText(CalendarRoundText(d.day, r.spelling)) +
           ",\"lord_of_the_night\":" + std::to_string(LordOfTheNightOf(d.day)) +
           ",\"station_819\":{\"long_count\":" + jsonText(WideLongCountText(count - d.since)) +
           ",\"calendar_round\":" + jsonText(CalendarRoundText(d.day - d.since, r.spelling)) +
           ",\"days_since\":" + std::to_string(d.since) +
           "},\"year_bearer\":{\"system\":" + jsonText(YearBearerSystemName(r.yearBearer)) +
           ",\"number\":" + std::to_string(bearer.number) +
           ",\"name\":" + jsonText(SignName(bearer.sign, r.spelling)) +
           "},\"baktun_place\":" + place(p.belowPictun.baktun) + "," + inscribedText(count) +
           ",\"period_ending\":" + (ending ? jsonText(PeriodName(*ending)) : std::string("null")) +
           ",\"katun\":{\"ajaw\":" + std::to_string(AjawNumberOf(end)) +
           ",\"name\":" + jsonText(AjawDayText(AjawNumberOf(end), r.spelling)) +
           ",\"long_count\":" + jsonText(WideLongCountText(count + (end - periodDay))) + "," +
           inscribedText(count + (end - periodDay)) +
           ",\"calendar_round\":" + jsonText(CalendarRoundText(end, r.spelling)) +
           ",\"days_to_end\":" + std::to_string(end - periodDay) + "}" + ",\"note\":" +
           jsonText("no Gregorian or Julian date: " + AlmanacRangeError(Language::English)) + "}";
}

// A list line of a day with no civil date, as AlmanacLine writes one.
std::string deepDayLine(const Options& r, WideCount count) {
    const DeepDay d{count};
    return std::string(Tr("no Gregorian or Julian date")) + "  " +
           WideInscribedDayText(count, SpokenLanguage()) + "  " +
           CalendarRoundText(d.day, r.spelling) + "  G" + std::to_string(LordOfTheNightOf(d.day)) +
           "\n";
}

// A day outside the civil years: every cycle of the almanac, and plainly no
// civil date.
void showDeepDay(CommandRun& run, WideCount count) {
    const Options& r = run.r;
    if (r.json) {
        run.out.write(deepDayJson(r, count) + "\n");
        return;
    }
    const DeepDay d{count};
    const Language language = SpokenLanguage();
    const std::string none = Tr("none");
    std::string out;
    const auto line = [&out](const char* label, const std::string& value) {
        AppendBlockLine(out, Tr(label), value);
    };
    line("Julian Day Number", none + ": " + AlmanacRangeError(language));
    line("Gregorian", none);
    line("Julian", none);
    line("Long Count", WideInscribedDayText(count, language));
    line("Tzolkin", TzolkinText(TzolkinOf(d.day), r.spelling));
    line("Haab", HaabText(HaabOf(d.day), r.spelling));
    line("Calendar Round", CalendarRoundText(d.day, r.spelling));
    line("Lord of the Night", "G" + std::to_string(LordOfTheNightOf(d.day)));
    line("819-day station", WideInscribedDayText(count - d.since, language) + "  " +
                                CalendarRoundText(d.day - d.since, r.spelling) + "  (" +
                                Fill(Tr("%1 before"), {daysText(d.since)}) + ")");
    line("Station direction", Station819QuarterText(d.day, language));
    line("Year bearer", YearBearerText(d.day, r.yearBearer, r.spelling, language));
    const std::string ending = PeriodEndingText(PeriodDayOf(count), r.spelling);
    line("Period ending", ending.empty() ? none : ending);
    line("Katun", WideKatunText(count, r.spelling, language));
    run.out.write(out);
}

// The day a wide count reaches: the almanac's where it has a civil date.
std::optional<AlmanacDay> civilDay(const Options& r, WideCount count) {
    const std::optional<std::int64_t> day = NarrowDayCount(count);
    if (!day || !InAlmanacRange(*day + r.correlation, r.julian))
        return std::nullopt;
    return ComputeAlmanac(*day + r.correlation, r.correlation);
}

void showDay(CommandRun& run, WideCount count) {
    if (const std::optional<AlmanacDay> a = civilDay(run.r, count))
        run.show(*a);
    else
        showDeepDay(run, count);
}
} // namespace

int RunLongCount(const Options& r, int, FdWriter& out, FdWriter& err) {
    const Language language = SpokenLanguage();
    CommandRun run{r, out, err};
    const std::string text = JoinedWords(r.words);
    const std::int64_t shift = r.previousEra ? EraDays : 0;
    // A Long Count or full date, then any distance numbers.
    const std::size_t chain = DistanceChainStart(text);
    const std::string date = text.substr(0, chain);
    std::string error;
    std::optional<WideCount> count;
    if (r.words.empty()) {
        run.usage(Tr("expected one Long Count such as 9.12.11.5.18"));
        return run.status;
    }
    if (const std::vector<std::string_view> words = DateWords(date);
        words.size() > 1 && !IsLongCountText(date) && NameKindOf(words[1]) != NameKind::None)
        return roundArithmetic(run, text, chain);
    // A full date has words after its Long Count and its era's name.
    std::string_view round = date;
    const std::string_view first = TakeWord(round);
    std::string ignored; // a deep count that does not read is refused below with its reason
    const std::optional<WideCount> deep =
        IsWideLongCountText(first) ? ParseWideLongCount(first, ignored) : std::nullopt;
    TakeEraName(round);
    if (deep && !NarrowDayCount(*deep)) {
        // Beyond 64 bits: its cycles checked, with no Long Counts one place away.
        if (const std::optional<WideLongCountDate> read =
                ReadWideLongCountDate(date, error, r.spelling, language)) {
            if (!read->note.empty())
                WriteNote(err, read->note);
            count = read->dayCount - shift;
        }
    } else if (round.empty()) {
        if (const std::optional<std::int64_t> day = ParseInscribedLongCount(date, error, language))
            count = *day - shift;
    } else if (std::optional<FullDate> full = ParseFullDate(date, error, r.spelling, language)) {
        full->dayCount -= shift;
        const FullDateCheck check = CheckFullDate(*full, r.spelling, !r.previousEra, language);
        if (!check.fits) {
            reportMismatch(run, *full, check);
            return run.status;
        }
        if (const std::string note = JoinedNotes(full->round.note, check.note); !note.empty())
            WriteNote(err, note);
        count = check.dayCount;
    }
    if (count && chain != std::string::npos)
        count = ApplyWideDistances(*count, std::string_view(text).substr(chain), error, language);
    if (!count)
        run.fail(error);
    else if (deep || chain != std::string::npos)
        showDay(run, *count);
    else if (const std::optional<AlmanacDay> a = run.dayOf(static_cast<std::int64_t>(*count)))
        run.show(*a); // a count of five or six places alone keeps to the civil years
    return run.status;
}

int RunDistance(const Options& r, int, FdWriter& out, FdWriter& err) {
    CommandRun run{r, out, err};
    // A day may come as one quoted argument or as several: its words count,
    // a number glued to its name or a seating written out read as two.
    std::vector<std::string_view> words;
    std::size_t firstArgumentWords = 0;
    for (const std::string_view argument : r.words) {
        for (const std::string_view word : DateWords(argument))
            words.push_back(word);
        firstArgumentWords = firstArgumentWords ? firstArgumentWords : words.size();
    }
    if (words.empty()) {
        run.usage(Tr("expected two days, each a Long Count, a full date or MONTH DAY YEAR [ERA]"));
        return run.status;
    }
    // A Calendar Round starts with a number and its name.
    if (words.size() > 1 && !IsLongCountText(words[0]) && NameKindOf(words[1]) != NameKind::None)
        return roundDistance(run, words, firstArgumentWords);
    std::string error;
    std::size_t i = 0;
    std::optional<WideCount> from = readDay(run, words, i, error);
    std::optional<WideCount> to;
    if (from && i < words.size())
        to = readDay(run, words, i, error);
    else if (from)
        error = Fill(Tr("expected a second day after %1"), {QuotedText(JoinedWords(words))});
    if (from && to && i < words.size())
        error = Fill(Tr("unexpected %1 after the two days"),
                     {QuotedText(JoinedWords(std::span(words).subspan(i)))});
    if (!error.empty()) {
        run.fail(error);
        return run.status;
    }
    // A day with no civil date is shown by its cycles alone.
    const std::optional<AlmanacDay> a = civilDay(r, *from), b = civilDay(r, *to);
    const WideCount days = *to - *from;
    const std::optional<std::int64_t> narrow = NarrowDayCount(days);
    const auto json = [&](const std::optional<AlmanacDay>& day, WideCount count) {
        return day ? AlmanacJson(*day, r) : deepDayJson(r, count);
    };
    const auto line = [&](const std::optional<AlmanacDay>& day, WideCount count) {
        return day ? AlmanacLine(*day, r) : deepDayLine(r, count);
    };
    if (r.json) {
        out.write("{\"days\":" + WideNumberText(days) + ",\"distance\":" +
                  jsonText(narrow ? DistanceNumberText(*narrow) : WideLongCountText(days)) +
                  ",\"from\":" + json(a, *from) + ",\"to\":" + json(b, *to) +
                  ",\"inscribed\":" + jsonText(InscribedWideDistanceText(days)) + "}\n");
        return run.status;
    }
    out.write(PaddedLabel(Tr("Distance"), 10) + InscribedWideDistanceText(days) + "  (" +
              daysText(days) + ")\n" + PaddedLabel(Tr("From"), 10) + line(a, *from) +
              PaddedLabel(Tr("To"), 10) + line(b, *to));
    return run.status;
}

int RunMatch(const Options& r, int, FdWriter& out, FdWriter& err) {
    CommandRun run{r, out, err};
    const std::string text = JoinedWords(r.words);
    std::string error;
    std::int64_t from = 0, to = EraDays;
    if (r.words.empty()) {
        run.usage(Tr("expected a pattern such as \"9.*.*.0.0 * Ahau 8 *\""));
        return run.status;
    }
    if (!run.readRange(r.fromLongCount, r.toLongCount, "--from", "--to", from, to))
        return run.status;
    const std::optional<DatePattern> pattern =
        ParseDatePattern(text, error, r.spelling, SpokenLanguage());
    if (!pattern) {
        run.fail(error);
        return run.status;
    }
    const MatchResult found = MatchPattern(*pattern, from, to, r.limit);
    for (const std::int64_t day : found.days)
        run.listItem(ComputeAlmanac(day + r.correlation, r.correlation));
    run.endList();
    const std::string range = Fill(Tr("%1 to %2"), {InscribedDayText(from, SpokenLanguage()),
                                                    InscribedDayText(to, SpokenLanguage())});
    const std::string quoted = QuotedText(Trimmed(text));
    if (found.total == 0)
        run.fail(Fill(Tr("no day from %1 %2"), {range, Fill(Tr("fits %1"), {quoted})}));
    else if (found.total > r.limit)
        run.fail(Fill(Tr("%1 days from %2 %3; the first %4 are shown (see --limit)"),
                      {GroupThousands(std::to_string(found.total)), range,
                       Fill(Tr("fit %1"), {quoted}), GroupThousands(std::to_string(r.limit))}));
    return run.status;
}

} // namespace zentolk::cli
