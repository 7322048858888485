// Period endings, anniversaries and dates written as a Calendar Round alone,
// placed by the katun or the period they name.
#include "cli/AlmanacCommands.h"
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
const char* const PeriodUsage = N_(
    "Usage: zentolk-cli period-ending PERIOD [--ajaw N] [--from LC] [--to LC]\n"
    "                                 [--limit N] [--json]\n"
    "       zentolk-cli anniversaries DATE --every tun|katun|N [--count N] [--json]\n"
    "       zentolk-cli place \"3 Ahau 3 Mol\" [--katun N] [--period-ending PERIOD]\n"
    "                         [--within LC..LC] [--limit N] [--json]\n"
    "\n"
    "Period endings, anniversaries and dates written without their Long Count.\n"
    "\n"
    "PERIOD is baktun, katun, lahuntun (10 tuns, half a katun), hotun (5 tuns)\n"
    "or tun; the modern spellings (bak'tun, k'atun, lajuntun, ho'tun) work too.\n"
    "period-ending lists every day that ends such a period in the range, both\n"
    "ends included, with its Calendar Round; every ending falls on an Ahau day,\n"
    "and a katun is named by it, as in the katun 8 Ahau that ended on\n"
    "9.13.0.0.0 8 Ahau 8 Uo. A katun runs from the day after one katun ending\n"
    "to the next, and an ending day lies in the katun it ends.\n"
    "anniversaries lists the days whole tuns, katuns (any PERIOD) or N days\n"
    "after DATE, a Long Count, a full date or MONTH DAY YEAR [ERA]; N may be a\n"
    "distance number (1.0.0 is a tun).\n"
    "place lists the Long Counts that carry a Calendar Round, or its Tzolkin or\n"
    "Haab day alone, and fit the clues: in a katun that ends on the given Ahau\n"
    "day (--katun 13: in katun 13 Ahau), and ending a period (--period-ending\n"
    "tun: \"3 Ahau 3 Mol, the ending of a tun\").\n"
    "Ranges run from 0.0.0.0.0 to 13.0.0.0.0 unless given; a day before the\n"
    "start day is written as its era writes it, \"12.19.0.0.0 (era before)\".\n"
    "\n"
    "  --ajaw N             period-ending: only the endings on N Ahau (1 to 13)\n"
    "  --from LC, --to LC   period-ending: the range, both ends included\n"
    "  --every S            anniversaries: tun, katun, another PERIOD, a number of\n"
    "                       days or a distance number\n"
    "  --count N            anniversaries: this many (1 to 100000, default 1)\n"
    "  --katun N            place: in a katun N Ahau (1 to 13)\n"
    "  --period-ending P    place: the day ends a PERIOD\n"
    "  --within LC..LC      place: the range, both ends included\n"
    "  --limit N            period-ending, place: show at most N days (default\n"
    "                       1000); more than N exits 1 with their count\n"
    "  --julian             read and show dates in the Julian calendar\n"
    "  --spelling S         colonial (the default) or modern (Ajaw, Kumk'u, k'atun)\n"
    "  --year-bearer S      classic (0 Pop, the default), campeche or mayapan\n"
    "  --correlation C      Julian Day Number of 0.0.0.0.0 (see almanac --help)\n"
    "  --json               an array of the days' almanac objects\n");
// clang-format on

namespace {
// A list line with what the command adds to it, before its line end.
std::string noted(std::string line, const std::string& note) {
    return line.insert(line.size() - 1, "  " + note);
}

// The days found, a line each with its note, and what was left out or
// that none was found, as match says them; `what` is said of none or of
// many.
void listFound(CommandRun& run, const MatchResult& found, std::int64_t from, std::int64_t to,
               const std::string& what, std::string (*note)(std::int64_t, Spelling)) {
    const Options& r = run.r;
    for (const std::int64_t day : found.days) {
        const AlmanacDay a = ComputeAlmanac(day + r.correlation, r.correlation);
        run.listItem(a, r.json ? std::string() : noted(AlmanacLine(a, r), note(day, r.spelling)));
    }
    run.endList();
    const std::string range = Fill(Tr("%1 to %2"), {InscribedDayText(from, SpokenLanguage()),
                                                    InscribedDayText(to, SpokenLanguage())});
    if (found.total == 0)
        run.fail(Fill(Tr("no day from %1 %2"), {range, what}));
    else if (found.total > r.limit)
        run.fail(Fill(Tr("%1 days from %2 %3; the first %4 are shown (see --limit)"),
                      {GroupThousands(std::to_string(found.total)), range, what,
                       GroupThousands(std::to_string(r.limit))}));
}

std::string placeNote(std::int64_t day, Spelling spelling) {
    const std::optional<Period> ending = LargestPeriodEnded(day);
    const std::string katun =
        Fill(Tr("in %1 %2"), {PeriodName(Period::Katun, spelling),
                              AjawDayText(AjawNumberOf(KatunEndOf(day)), spelling)});
    return ending ? katun + Fill(Tr(", ends a %1"), {PeriodName(*ending, spelling)}) : katun;
}
} // namespace

int RunPeriodEnding(const Options& r, int, FdWriter& out, FdWriter& err) {
    CommandRun run{r, out, err};
    if (r.words.size() != 1) {
        run.usage(Fill(Tr("expected one period: %1"), {PeriodChoicesText(SpokenLanguage())}));
        return run.status;
    }
    const std::optional<Period> period = ParsePeriod(r.words[0]);
    if (!period) {
        run.usage(Fill(Tr("expected %1, not %2"),
                       {PeriodChoicesText(SpokenLanguage()), QuotedText(r.words[0])}));
        return run.status;
    }
    std::int64_t from, to;
    if (!run.readRange(r.fromLongCount, r.toLongCount, "--from", "--to", from, to))
        return run.status;
    const MatchResult found = PeriodEndings(*period, r.ajaw, from, to, r.limit);
    const bool none = found.total == 0;
    const std::string_view name = PeriodName(*period, r.spelling);
    const std::string what = r.ajaw ? Fill(none ? Tr("ends a %1 on %2") : Tr("end a %1 on %2"),
                                           {name, AjawDayText(*r.ajaw, r.spelling)})
                                    : Fill(none ? Tr("ends a %1") : Tr("end a %1"), {name});
    listFound(run, found, from, to, what, PeriodEndingText);
    return run.status;
}

int RunAnniversaries(const Options& r, int, FdWriter& out, FdWriter& err) {
    CommandRun run{r, out, err};
    const std::string text = JoinedWords(r.words);
    if (r.words.empty() || !r.every) {
        run.usage(r.words.empty()
                      ? Tr("expected a day: a Long Count, a full date or MONTH DAY YEAR [ERA]")
                      : Tr("anniversaries needs --every tun, katun or a number of days"));
        return run.status;
    }
    std::string error;
    std::optional<std::int64_t> anchor;
    if (IsLongCountText(text)) {
        if (const std::optional<LongCountDate> date =
                ReadLongCountDate(text, error, r.spelling, SpokenLanguage())) {
            if (!date->note.empty())
                WriteNote(err, date->note);
            anchor = date->dayCount;
        }
    } else if (const std::vector<std::string_view> words = Words(text);
               !DateWordsProblem(words).empty()) {
        run.usage(DateWordsProblem(words));
        return run.status;
    } else if (std::int64_t jdn; DayNumberOfDate(words, r.julian, jdn, error)) {
        anchor = jdn - r.correlation;
    }
    if (!anchor) {
        run.fail(error);
        return run.status;
    }
    for (std::int64_t n = 1; n <= r.count; ++n) {
        const std::optional<AlmanacDay> a = run.dayOf(*anchor + n * r.every->days);
        if (!a)
            break;
        run.listItem(*a, r.json ? std::string()
                                : noted(AlmanacLine(*a, r),
                                        Fill(Tr("%1 after"), {IntervalText(n, *r.every, r.spelling,
                                                                           SpokenLanguage())})));
    }
    run.endList();
    return run.status;
}

int RunPlace(const Options& r, int, FdWriter& out, FdWriter& err) {
    CommandRun run{r, out, err};
    const std::string text = JoinedWords(r.words);
    if (r.words.empty()) {
        run.usage(Tr("expected a Calendar Round such as \"3 Ahau 3 Mol\""));
        return run.status;
    }
    std::string_view fromText, toText;
    if (!r.within.empty()) {
        const std::size_t dots = r.within.find("..");
        if (dots == std::string_view::npos) {
            run.usage(Fill(Tr("--within needs a range of Long Counts, LC..LC, not %1"),
                           {QuotedText(r.within)}));
            return run.status;
        }
        fromText = Trimmed(r.within.substr(0, dots));
        toText = Trimmed(r.within.substr(dots + 2));
        if (fromText.empty() || toText.empty()) {
            run.usage(Fill(Tr("--within needs a Long Count on each side of '..', not %1"),
                           {QuotedText(r.within)}));
            return run.status;
        }
    }
    std::string error;
    std::optional<CalendarRoundQuery> round =
        ParseCalendarRound(text, error, r.spelling, SpokenLanguage());
    if (round && !WhyNoDay(*round).empty())
        error = WhyNoDay(*round, r.spelling, SpokenLanguage()), round.reset();
    if (!round) {
        run.fail(error);
        return run.status;
    }
    if (!round->note.empty())
        WriteNote(err, round->note);
    std::int64_t from, to;
    if (!run.readRange(fromText, toText, "--within", "--within", from, to))
        return run.status;
    const MatchResult found = PlaceRound(*round, {r.katunAjaw, r.periodEnding}, from, to, r.limit);
    const std::string carried = QuotedText(CalendarRoundText(*round, r.spelling));
    std::string what = Fill(found.total == 0 ? Tr("carries %1") : Tr("carry %1"), {carried});
    if (r.katunAjaw)
        what += " " + Fill(Tr("in %1 %2"), {PeriodName(Period::Katun, r.spelling),
                                            AjawDayText(*r.katunAjaw, r.spelling)});
    if (r.periodEnding)
        what += " " + Fill(r.katunAjaw ? Tr("and ending a %1") : Tr("ending a %1"),
                           {PeriodName(*r.periodEnding, r.spelling)});
    listFound(run, found, from, to, what, placeNote);
    return run.status;
}

} // namespace zentolk::cli
