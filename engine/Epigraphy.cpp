#include "Epigraphy.h"

#include "NumberText.h"
#include "TextParsing.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace zentolk {

namespace {
std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::string_view t = Trimmed(text);
    while (!t.empty()) {
        std::size_t end = 0;
        while (end < t.size() && !std::isspace(static_cast<unsigned char>(t[end])))
            ++end;
        words.push_back(t.substr(0, end));
        t = Trimmed(t.substr(end));
    }
    return words;
}

std::vector<std::string_view> placesOf(std::string_view text) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t dot = text.find('.');
        parts.push_back(Trimmed(text.substr(0, dot)));
        if (dot == std::string_view::npos)
            return parts;
        text.remove_prefix(dot + 1);
    }
}

// A day count in residue class r modulo m.
struct Progression {
    std::int64_t r = 0, m = 1;
};

std::optional<Progression> combine(const Progression& a, const Progression& b) {
    const std::int64_t g = std::gcd(a.m, b.m);
    if ((a.r - b.r) % g != 0)
        return std::nullopt;
    std::int64_t x = a.r;
    while (Remainder(x, b.m) != b.r)
        x += a.m;
    const std::int64_t lcm = a.m / g * b.m;
    return Progression{Remainder(x, lcm), lcm};
}

bool longCountFixed(const DatePattern& p) {
    if (!p.hasLongCount)
        return false;
    for (const std::optional<int>& place : p.places)
        if (place)
            return true;
    return false;
}

// Below one pictun a count's five places, baktun to kin, are its whole Long
// Count.
constexpr std::int64_t FivePlaceDays = PictunDays;
constexpr const LongCountUnit* Place = LongCountUnits.data() + 1;
static_assert(LongCountUnits.size() == 6);
} // namespace

std::optional<std::int64_t> ParseDistanceNumber(std::string_view text, std::string& error) {
    const std::vector<std::string_view> parts = placesOf(Trimmed(text));
    if (parts.size() > 5) {
        error = "a distance number has one to five places (kins last), not " +
                std::to_string(parts.size()) + ": " + QuotedText(Trimmed(text));
        return std::nullopt;
    }
    const std::size_t first = 5 - parts.size();
    std::int64_t days = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t place = first + i;
        std::int64_t value;
        if (!ParseDigits(parts[i], value)) {
            error = "the " + std::string(Place[place].name) + " " + QuotedText(parts[i]) +
                    " of the distance number " + QuotedText(Trimmed(text)) + " is not a number";
            return std::nullopt;
        }
        if (value >= Place[place].limit) {
            error = "the " + std::string(Place[place].name) + " of the distance number " +
                    QuotedText(Trimmed(text)) + " must be 0 to " +
                    std::to_string(Place[place].limit - 1) + ", not " + std::string(parts[i]);
            return std::nullopt;
        }
        days += value * Place[place].days;
    }
    return days;
}

std::string DistanceNumberText(std::int64_t days) {
    return LongCountText(LongCountOf(days));
}

std::size_t DistanceChainStart(std::string_view text) {
    // A "-" in front belongs to the Long Count; every later sign is an operator.
    const std::size_t first = text.find_first_not_of(" \t\r\n\v\f");
    return first == std::string_view::npos ? first : text.find_first_of("+-", first + 1);
}

bool HasDistanceChain(std::string_view text) {
    return DistanceChainStart(text) != std::string_view::npos;
}

std::optional<std::int64_t> ApplyDistances(std::int64_t dayCount, std::string_view chain,
                                           std::string& error) {
    const std::string_view t = Trimmed(chain);
    std::size_t op = t.find_first_of("+-");
    if (op != 0) {
        error = "expected '+' or '-' before a distance number, not " + QuotedText(t);
        return std::nullopt;
    }
    while (op != std::string_view::npos) {
        const bool add = t[op] == '+';
        const std::size_t next = t.find_first_of("+-", op + 1);
        const std::string_view term = Trimmed(t.substr(op + 1, next - op - 1));
        if (term.empty()) {
            error = std::string("a distance number is missing after '") + t[op] + "' in " +
                    QuotedText(t);
            return std::nullopt;
        }
        const std::optional<std::int64_t> distance = ParseDistanceNumber(term, error);
        if (!distance)
            return std::nullopt;
        dayCount += add ? *distance : -*distance;
        op = next;
    }
    return dayCount;
}

std::optional<FullDate> ParseFullDate(std::string_view text, std::string& error) {
    const std::string_view t = Trimmed(text);
    std::size_t end = 0;
    while (end < t.size() && !std::isspace(static_cast<unsigned char>(t[end])))
        ++end;
    const std::string_view rest = Trimmed(t.substr(end));
    if (rest.empty())
        return std::nullopt;
    FullDate date;
    const std::optional<std::int64_t> count = ParseLongCount(t.substr(0, end), error);
    if (!count)
        return std::nullopt;
    const std::optional<CalendarRoundQuery> round = ParseCalendarRound(rest, error);
    if (!round)
        return std::nullopt;
    date.dayCount = *count;
    date.round = *round;
    return date;
}

bool IsLongCountText(std::string_view text) {
    const std::string_view t = Trimmed(text);
    std::size_t end = 0;
    while (end < t.size() && !std::isspace(static_cast<unsigned char>(t[end])))
        ++end;
    return t.substr(0, end).find('.') != std::string_view::npos;
}

std::optional<LongCountDate> ReadLongCountDate(std::string_view text, std::string& error,
                                               Spelling spelling) {
    // The caller's error may hold a text already: only an empty one of our
    // own says that the text is a Long Count alone.
    std::string why;
    const std::optional<FullDate> date = ParseFullDate(text, why);
    if (!date) {
        if (!why.empty()) {
            error = std::move(why);
            return std::nullopt;
        }
        const std::optional<std::int64_t> count = ParseLongCount(text, error);
        if (!count)
            return std::nullopt;
        return LongCountDate{*count, {}};
    }
    FullDateCheck check = CheckFullDate(*date, spelling);
    if (!check.fits) {
        error = std::move(check.problem);
        return std::nullopt;
    }
    return LongCountDate{check.dayCount, std::move(check.note)};
}

bool FitsRound(const CalendarRoundQuery& round, std::int64_t dayCount) {
    return (!round.tzolkin || *round.tzolkin == TzolkinOf(dayCount)) &&
           (!round.haab || *round.haab == HaabOf(dayCount));
}

FullDateCheck CheckFullDate(const FullDate& date, Spelling spelling, bool tryPreviousEra) {
    FullDateCheck check;
    const std::int64_t d = date.dayCount;
    const std::string lc = LongCountText(LongCountOf(d));
    check.dayCount = d;
    check.calendarRound = CalendarRoundText(d, spelling);
    if (FitsRound(date.round, d)) {
        check.fits = true;
        return check;
    }
    if (const std::string why = WhyNoDay(date.round); !why.empty()) {
        check.problem = why;
        return check;
    }
    if (tryPreviousEra && FitsRound(date.round, d - EraDays)) {
        check.fits = check.previousEra = true;
        check.dayCount = d - EraDays;
        check.note = lc + " " + CalendarRoundText(date.round, spelling) +
                     " fits only the era before this one, 1,872,000 days earlier (counted " +
                     LongCountText(LongCountOf(check.dayCount)) +
                     " here); in this era that Long Count falls on " + check.calendarRound;
        return check;
    }
    const bool tzolkinBad = date.round.tzolkin && *date.round.tzolkin != TzolkinOf(d);
    const bool haabBad = date.round.haab && *date.round.haab != HaabOf(d);
    const std::string tz = date.round.tzolkin ? TzolkinText(*date.round.tzolkin, spelling) : "";
    const std::string haab = date.round.haab ? HaabText(*date.round.haab, spelling) : "";
    if (tzolkinBad && haabBad)
        check.problem = "neither the Tzolkin day " + tz + " nor the Haab day " + haab + " fits ";
    else if (tzolkinBad)
        check.problem = "the Tzolkin day " + tz + " does not fit ";
    else
        check.problem = "the Haab day " + haab + " does not fit ";
    check.problem += lc + ", whose Calendar Round is " + check.calendarRound;

    const LongCountPlaces p = LongCountOf(d);
    const std::int64_t sign = p.negative ? -1 : 1;
    const int current[5] = {p.baktun, p.katun, p.tun, p.uinal, p.kin};
    for (int place = 0; place < 5; ++place)
        for (int v = 0; v < Place[place].limit; ++v) {
            const std::int64_t candidate = d + sign * (v - current[place]) * Place[place].days;
            if (v != current[place] && FitsRound(date.round, candidate))
                check.suggestions.push_back(candidate);
        }
    std::sort(check.suggestions.begin(), check.suggestions.end(),
              [d](std::int64_t a, std::int64_t b) {
                  const std::int64_t da = a > d ? a - d : d - a, db = b > d ? b - d : d - b;
                  return da != db ? da < db : a < b;
              });
    return check;
}

std::optional<DatePattern> ParseDatePattern(std::string_view text, std::string& error) {
    std::vector<std::string_view> words = wordsOf(text);
    DatePattern pattern;
    const std::string quoted = QuotedText(Trimmed(text));
    if (!words.empty() && words.front().find('.') != std::string_view::npos) {
        const std::vector<std::string_view> parts = placesOf(words.front());
        if (parts.size() != 5) {
            error = "the Long Count of a pattern has five places, each a number or *, not " +
                    std::to_string(parts.size()) + ": " + QuotedText(words.front());
            return std::nullopt;
        }
        pattern.hasLongCount = true;
        for (int i = 0; i < 5; ++i) {
            if (parts[i] == "*")
                continue;
            std::int64_t v;
            if (!ParseDigits(parts[i], v) || v >= Place[i].limit) {
                error = "the " + std::string(Place[i].name) + " must be * or 0 to " +
                        std::to_string(Place[i].limit - 1) + ", not " + QuotedText(parts[i]);
                return std::nullopt;
            }
            pattern.places[i] = static_cast<int>(v);
        }
        words.erase(words.begin());
    }
    if (words.size() != 0 && words.size() != 2 && words.size() != 4) {
        error = "expected a Long Count such as 9.*.*.0.0, then a Tzolkin day and a Haab day "
                "(\"* Ahau 8 *\"), not " +
                quoted;
        return std::nullopt;
    }
    if (!pattern.hasLongCount && words.empty()) {
        error = "the pattern is empty";
        return std::nullopt;
    }
    bool tzolkinSeen = false, haabSeen = false;
    for (std::size_t i = 0; i < words.size(); i += 2) {
        const std::string_view numberText = words[i], name = words[i + 1];
        std::optional<int> number;
        if (numberText != "*") {
            std::int64_t v;
            if (!ParseDigits(numberText, v) || v >= HaabMonthDays) {
                error = QuotedText(numberText) + " is neither * nor the number of a day (in " +
                        quoted + ")";
                return std::nullopt;
            }
            number = static_cast<int>(v);
        }
        const int sign = name == "*" ? 0 : FindTzolkinSign(name);
        const int month = name == "*" || sign != 0 ? 0 : FindHaabMonth(name);
        if (name != "*" && sign == 0 && month == 0) {
            error = QuotedText(name) + " is neither * nor a Tzolkin day sign or Haab month";
            return std::nullopt;
        }
        // An unnamed pair is read in Calendar Round order: Tzolkin first; alone,
        // by its number when only a Haab day can have it.
        const bool tzolkin =
            sign != 0 ||
            (month == 0 &&
             (words.size() == 4 ? i == 0 : !number || (*number >= 1 && *number <= TzolkinNumbers)));
        if (tzolkin ? tzolkinSeen : haabSeen) {
            error = std::string("two ") + (tzolkin ? "Tzolkin" : "Haab") + " days in " + quoted;
            return std::nullopt;
        }
        (tzolkin ? tzolkinSeen : haabSeen) = true;
        if (tzolkin) {
            if (number && (*number < 1 || *number > TzolkinNumbers)) {
                error = "a Tzolkin number is * or 1 to " + std::to_string(TzolkinNumbers) +
                        ", not " + std::string(numberText);
                return std::nullopt;
            }
            pattern.tzolkinNumber = number;
            if (sign != 0)
                pattern.tzolkinSign = sign;
        } else {
            if (number && month != 0 && *number >= HaabMonthLength(month)) {
                error = HaabMonthDaysText(month) + ", not " + std::string(numberText);
                return std::nullopt;
            }
            pattern.haabDay = number;
            if (month != 0)
                pattern.haabMonth = month;
        }
    }
    return pattern;
}

MatchResult MatchPattern(const DatePattern& pattern, std::int64_t from, std::int64_t to,
                         std::int64_t limit) {
    MatchResult result;
    const bool lcFixed = longCountFixed(pattern);

    // The fixed cycles as residue classes: Tzolkin number (13), sign and kin
    // (20), and the Haab positions allowed (365), one progression for each.
    std::optional<Progression> base = Progression{};
    if (pattern.tzolkinNumber)
        base =
            combine(*base, {Remainder(*pattern.tzolkinNumber - TzolkinOf(0).number, TzolkinNumbers),
                            TzolkinNumbers});
    if (base && pattern.tzolkinSign)
        base = combine(*base, {Remainder(*pattern.tzolkinSign - TzolkinOf(0).sign, TzolkinSigns),
                               TzolkinSigns});
    if (base && lcFixed && pattern.places[4])
        base = combine(*base, {*pattern.places[4], UinalDays});
    if (!base)
        return result;
    std::vector<Progression> steps;
    if (!pattern.haabDay && !pattern.haabMonth) {
        steps.push_back(*base);
    } else {
        for (int month = 1; month <= HaabMonths; ++month) {
            if (pattern.haabMonth && *pattern.haabMonth != month)
                continue;
            for (int day = 0; day < HaabMonthLength(month); ++day) {
                if (pattern.haabDay && *pattern.haabDay != day)
                    continue;
                const Progression haab{HaabDayCountResidue({day, month}), HaabDays};
                if (const std::optional<Progression> s = combine(*base, haab))
                    steps.push_back(*s);
            }
        }
    }

    // Every class has the same modulus, so their first days in a span, each
    // within one modulus of its start, keep their order in every round after.
    const std::int64_t modulus = steps.empty() ? 1 : steps.front().m;
    std::vector<std::int64_t> firsts;
    const auto scan = [&](std::int64_t lo, std::int64_t hi) {
        firsts.clear();
        for (const Progression& s : steps) {
            const std::int64_t first = lo + Remainder(s.r - lo, s.m);
            if (first > hi)
                continue;
            result.total += (hi - first) / s.m + 1;
            firsts.push_back(first);
        }
        std::sort(firsts.begin(), firsts.end());
        for (std::int64_t round = 0;
             !firsts.empty() && static_cast<std::int64_t>(result.days.size()) < limit;
             round += modulus) {
            for (const std::int64_t first : firsts) {
                if (first + round > hi || static_cast<std::int64_t>(result.days.size()) >= limit)
                    return;
                result.days.push_back(first + round);
            }
        }
    };

    if (!lcFixed) {
        if (from <= to)
            scan(from, to);
        return result;
    }
    const std::int64_t lo = std::max<std::int64_t>(from, 0);
    const std::int64_t hi = std::min(to, FivePlaceDays - 1);
    if (lo > hi)
        return result;
    // The blocks the fixed places above the kin leave, in order; the kin is
    // one of the residues.
    int lowest = -1;
    for (int i = 0; i < 4; ++i)
        if (pattern.places[i])
            lowest = i;
    if (lowest < 0) {
        scan(lo, hi);
        return result;
    }
    const auto blocks = [&](auto& self, int place, std::int64_t start) -> void {
        for (int v = 0; v < Place[place].limit; ++v) {
            if (pattern.places[place] && *pattern.places[place] != v)
                continue;
            const std::int64_t blockStart = start + v * Place[place].days;
            const std::int64_t blockEnd = blockStart + Place[place].days - 1;
            if (blockStart > hi)
                return;
            if (blockEnd < lo)
                continue;
            if (place == lowest)
                scan(std::max(blockStart, lo), std::min(blockEnd, hi));
            else
                self(self, place + 1, blockStart);
        }
    };
    blocks(blocks, 0, 0);
    return result;
}

std::optional<YearBearerSystem> ParseYearBearerSystem(std::string_view name) {
    for (const YearBearerSystem s :
         {YearBearerSystem::Classic, YearBearerSystem::Campeche, YearBearerSystem::Mayapan})
        if (EqualsIgnoringCase(name, YearBearerSystemName(s)))
            return s;
    return std::nullopt;
}

std::string_view YearBearerSystemName(YearBearerSystem system) {
    switch (system) {
    case YearBearerSystem::Campeche:
        return "campeche";
    case YearBearerSystem::Mayapan:
        return "mayapan";
    case YearBearerSystem::Classic:
        break;
    }
    return "classic";
}

std::optional<Spelling> ParseSpelling(std::string_view name) {
    if (EqualsIgnoringCase(name, "colonial"))
        return Spelling::Colonial;
    if (EqualsIgnoringCase(name, "modern"))
        return Spelling::Modern;
    return std::nullopt;
}

} // namespace zentolk
