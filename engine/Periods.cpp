#include "Periods.h"

#include "NumberText.h"
#include "TextParsing.h"
#include "Wording.h"

#include <algorithm>
#include <numeric>

namespace zentolk {

namespace {
struct PeriodSpelling {
    std::string_view colonial, modern;
};
constexpr PeriodSpelling PeriodNames[] = {{"tun", "tun"},
                                          {"hotun", "ho'tun"},
                                          {"lahuntun", "lajuntun"},
                                          {"katun", "k'atun"},
                                          {"baktun", "bak'tun"}};
static_assert(std::size(PeriodNames) == AllPeriods.size());

// A name without its apostrophes, in lower case.
std::string folded(std::string_view name) {
    std::string out;
    for (const char c : name)
        if (c != '\'' && c != '`')
            out += LowerAscii(c);
    return out;
}

// A day count in residue class `first` modulo `step`, as a list of days in
// a span: appends the first ones up to the limit and counts them all.
struct Progression {
    std::int64_t first = 0, step = 1;
};
void collect(const Progression& p, std::int64_t lo, std::int64_t hi, std::int64_t limit,
             MatchResult& result) {
    if (lo > hi)
        return;
    const std::int64_t first = lo + Remainder(p.first - lo, p.step);
    if (first > hi)
        return;
    result.total += (hi - first) / p.step + 1;
    for (std::int64_t day = first;
         day <= hi && static_cast<std::int64_t>(result.days.size()) < limit; day += p.step)
        result.days.push_back(day);
}

// The endings of `period` on Ahau `ajaw`: 13 is prime and no period a
// multiple of it, so one ending in every 13 has each number.
Progression endingsOn(Period period, std::optional<int> ajaw) {
    const std::int64_t days = PeriodDays(period);
    if (!ajaw)
        return {0, days};
    std::int64_t first = 0;
    for (int n = 1; n < TzolkinNumbers && AjawNumberOf(first) != *ajaw; ++n)
        first += days;
    return {first, days * TzolkinNumbers};
}

// The days carrying a round that also end a period: within one repeat of
// the round, the first that is a multiple, then every common multiple.
std::optional<Progression> roundEnding(const CalendarRoundQuery& round,
                                       std::optional<Period> period) {
    const std::int64_t repeat = CalendarRoundDistance(round, round)->period;
    const std::int64_t first = NextDayCount(round, -1);
    if (!period)
        return Progression{first, repeat};
    const std::int64_t days = PeriodDays(*period);
    const std::int64_t common = std::lcm(repeat, days);
    for (std::int64_t day = first; day < first + common; day += repeat)
        if (EndsPeriod(day, *period))
            return Progression{day, common};
    return std::nullopt;
}
} // namespace

std::optional<Period> LargestPeriodEnded(std::int64_t dayCount) {
    for (auto p = AllPeriods.rbegin(); p != AllPeriods.rend(); ++p)
        if (EndsPeriod(dayCount, *p))
            return *p;
    return std::nullopt;
}

std::string_view PeriodName(Period period, Spelling spelling) {
    const PeriodSpelling& names = PeriodNames[static_cast<std::size_t>(period)];
    return spelling == Spelling::Modern ? names.modern : names.colonial;
}

std::optional<Period> ParsePeriod(std::string_view name) {
    const std::string key = folded(Trimmed(name));
    for (const Period p : AllPeriods)
        if (key == folded(PeriodName(p)) || key == folded(PeriodName(p, Spelling::Modern)))
            return p;
    return std::nullopt;
}

std::string PeriodChoicesText(Language language) {
    std::string text;
    for (auto p = AllPeriods.rbegin(); p != AllPeriods.rend(); ++p)
        text.append(p == AllPeriods.rbegin()     ? ""
                    : p + 1 == AllPeriods.rend() ? (language == Language::Spanish ? " o " : " or ")
                                                 : ", ")
            .append(PeriodName(*p));
    return text;
}

std::string AjawDayText(int number, Spelling spelling) {
    return TzolkinText({number, TzolkinSigns}, spelling);
}

std::string PeriodEndingText(std::int64_t dayCount, Spelling spelling) {
    const std::optional<Period> period = LargestPeriodEnded(dayCount);
    if (!period)
        return {};
    std::string text(PeriodName(*period, spelling));
    if (*period < Period::Katun)
        return text;
    if (*period > Period::Katun)
        text.append(", ").append(PeriodName(Period::Katun, spelling));
    return text + " " + AjawDayText(AjawNumberOf(dayCount), spelling);
}

namespace {
std::string katunText(std::int64_t end, std::int64_t left, const std::string& endText,
                      Spelling spelling, Language language) {
    const std::string days = GroupThousands(std::to_string(left));
    const std::string head = AjawDayText(AjawNumberOf(end), spelling);
    const std::string ending = endText + " " + CalendarRoundText(end, spelling);
    if (language == Language::Spanish)
        return head + ", termina en " + ending +
               (left == 0 ? std::string(" (este mismo día)")
                          : " (dentro de " + days + (left == 1 ? " día)" : " días)"));
    return head + ", ending " + ending +
           (left == 0 ? std::string(" (this day)")
                      : " (in " + days + (left == 1 ? " day)" : " days)"));
}
} // namespace

std::string KatunText(std::int64_t dayCount, Spelling spelling, Language language) {
    const std::int64_t end = KatunEndOf(dayCount);
    return katunText(end, end - dayCount, InscribedDayText(end, language), spelling, language);
}

std::int64_t PeriodDayOf(WideCount count) {
    // Every period divides an era; the cycles are those CycleDayOf keeps.
    constexpr std::int64_t Cycles =
        std::lcm(std::lcm(std::lcm(CalendarRoundDays, LordsOfTheNight), StationDays), EraDays);
    const auto r = static_cast<std::int64_t>(count % Cycles);
    return r < 0 ? r + Cycles : r;
}

std::string WideKatunText(WideCount count, Spelling spelling, Language language) {
    const std::int64_t day = PeriodDayOf(count), end = KatunEndOf(day);
    return katunText(end, end - day, WideInscribedDayText(count + (end - day), language), spelling,
                     language);
}

MatchResult PeriodEndings(Period period, std::optional<int> ajaw, std::int64_t from,
                          std::int64_t to, std::int64_t limit) {
    MatchResult result;
    collect(endingsOn(period, ajaw), from, to, limit, result);
    return result;
}

MatchResult PlaceRound(const CalendarRoundQuery& round, const PlaceClues& clues, std::int64_t from,
                       std::int64_t to, std::int64_t limit) {
    MatchResult result;
    const std::optional<Progression> days = roundEnding(round, clues.periodEnding);
    if (!days)
        return result;
    if (!clues.katunAjaw) {
        collect(*days, from, to, limit, result);
        return result;
    }
    // Each katun of that Ahau, the days after the ending before it up to its own.
    const Progression ends = endingsOn(Period::Katun, clues.katunAjaw);
    for (std::int64_t end = from + Remainder(ends.first - from, ends.step); end - KatunDays < to;
         end += ends.step)
        collect(*days, std::max(from, end - KatunDays + 1), std::min(to, end), limit, result);
    return result;
}

namespace {
// "13" or "13 Ahau" at words[i]: the number of an Ahau day, and the words read.
std::optional<int> ajawAt(const std::vector<std::string_view>& words, std::size_t& i,
                          std::string& error, Language language) {
    std::int64_t number = 0;
    if (i >= words.size() || !ParseDigits(words[i], number))
        return std::nullopt;
    if (number < 1 || number > TzolkinNumbers) {
        error = Worded(language,
                       {"an Ahau day's number is 1 to 13, not %1",
                        "el número de un día Ahau es de 1 a 13, no %1"},
                       {words[i]});
        return std::nullopt;
    }
    ++i;
    if (i < words.size() && FindTzolkinSign(words[i]) == TzolkinSigns)
        ++i;
    return static_cast<int>(number);
}
} // namespace

std::optional<PeriodQuery> ParsePeriodQuery(std::string_view text, std::string& error,
                                            Language language) {
    const std::vector<std::string_view> words = Words(text);
    std::size_t i = 1;
    const std::optional<Period> period = words.empty() ? std::nullopt : ParsePeriod(words[0]);
    std::optional<int> ajaw;
    if (period)
        ajaw = ajawAt(words, i, error, language);
    if (!period || !error.empty() || i < words.size()) {
        if (error.empty())
            error =
                Worded(language,
                       {"expected %1, with the number of its Ahau day if wanted (\"katun 13\"), "
                        "not %2",
                        "se esperaba %1, con el número de su día Ahau si se quiere (\"katun 13\"), "
                        "no %2"},
                       {PeriodChoicesText(language), QuotedText(Trimmed(text))});
        return std::nullopt;
    }
    return PeriodQuery{*period, ajaw};
}

std::optional<ShortFormDate> ParseShortFormDate(std::string_view text, std::string& error,
                                                Spelling spelling, Language language) {
    // A comma may set the clues off: "3 Ahau 3 Mol, ending the tun".
    const std::vector<std::string_view> words = Words(text, ',');
    // The round runs up to the first word that names a period or joins a clue.
    const auto joining = [](std::string_view w) {
        if (w.empty()) // a comma after a blank
            return true;
        for (const std::string_view filler : {"in", "ending", "end", "of", "the", "a"})
            if (EqualsIgnoringCase(w, filler))
                return true;
        return false;
    };
    std::size_t end = 0;
    while (end < words.size() && !ParsePeriod(words[end]) && !joining(words[end]))
        ++end;
    ShortFormDate date;
    std::string roundText;
    for (std::size_t i = 0; i < end; ++i)
        roundText.append(i ? " " : "").append(words[i]);
    std::optional<CalendarRoundQuery> round =
        ParseCalendarRound(roundText, error, spelling, language);
    if (round && !WhyNoDay(*round).empty())
        error = WhyNoDay(*round, spelling, language), round.reset();
    if (!round)
        return std::nullopt;
    date.round = *round;
    for (std::size_t i = end; i < words.size();) {
        if (joining(words[i])) {
            ++i;
            continue;
        }
        const std::optional<Period> period = ParsePeriod(words[i++]);
        const std::optional<int> ajaw =
            period == Period::Katun ? ajawAt(words, i, error, language) : std::nullopt;
        if (!error.empty())
            return std::nullopt;
        if (!period ||
            (ajaw ? date.clues.katunAjaw.has_value() : date.clues.periodEnding.has_value())) {
            error =
                Worded(language,
                       {"after the Calendar Round, expected \"katun N\" for the katun it lies "
                        "in or a period's name for the period it ends, not %1",
                        "después de la Rueda Calendárica se esperaba \"katun N\" para el katun "
                        "en que cae o el nombre de un periodo para el periodo que termina, no %1"},
                       {QuotedText(words[i - 1])});
            return std::nullopt;
        }
        if (ajaw)
            date.clues.katunAjaw = ajaw;
        else
            date.clues.periodEnding = period;
    }
    return date;
}

std::optional<Interval> ParseInterval(std::string_view text, std::string& error,
                                      Language language) {
    const std::string_view t = Trimmed(text);
    if (const std::optional<Period> period = ParsePeriod(t))
        return Interval{PeriodDays(*period), period};
    std::int64_t days = 0;
    if (t.find('.') != std::string_view::npos) {
        const std::optional<std::int64_t> distance = ParseDistanceNumber(t, error, language);
        if (!distance)
            return std::nullopt;
        days = *distance;
    } else if (!ParseDigits(t, days)) {
        error = Worded(language,
                       {"expected %1, a number of days or a distance number, not %2",
                        "se esperaba %1, un número de días o un número de distancia, no %2"},
                       {PeriodChoicesText(language), QuotedText(t)});
        return std::nullopt;
    }
    if (days <= 0 || days > EraDays * 1000) {
        error = Worded(language,
                       {"an interval runs from 1 day to 1,000 eras, not %1",
                        "un intervalo va de 1 día a 1,000 eras, no %1"},
                       {QuotedText(t)});
        return std::nullopt;
    }
    return Interval{days, std::nullopt};
}

std::string IntervalText(std::int64_t times, const Interval& every, Spelling spelling,
                         Language language) {
    const bool spanish = language == Language::Spanish;
    // Spanish plurals add "es": "katunes", "tunes", as the help writes them.
    if (every.period)
        return std::to_string(times) + " " + std::string(PeriodName(*every.period, spelling)) +
               (times == 1 ? ""
                : spanish  ? "es"
                           : "s");
    const std::int64_t days = times * every.days;
    return GroupThousands(std::to_string(days)) +
           (days == 1 ? (spanish ? " día" : " day") : (spanish ? " días" : " days"));
}

} // namespace zentolk
