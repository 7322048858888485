#include "Epigraphy.h"

#include "AlmanacInput.h"
#include "NumberText.h"
#include "TextParsing.h"
#include "TextWriters.h"
#include "Wording.h"

#include <algorithm>
#include <numeric>

namespace zentolk {

namespace {
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
    if (p.pictuns && *p.pictuns != 0)
        return true;
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
// The days of each place of a wide count, the kins first.
constexpr WideCount placeDays(std::size_t fromKin) {
    constexpr std::size_t BelowBaktun = 4;
    if (fromKin <= BelowBaktun)
        return Place[BelowBaktun - fromKin].days;
    WideCount days = BaktunDays;
    for (std::size_t i = BelowBaktun; i < fromKin; ++i)
        days *= LongCountUnits[5].limit;
    return days;
}
// 20 to a place: the most places a wide count holds.
constexpr std::size_t WidePlaces = 29;

// A place named with its article, the kins first: above the baktun each is
// 20 of the one below. Every named place is masculine in Spanish.
std::string thePlace(std::size_t fromKin, Language language) {
    static constexpr std::string_view Above[] = {"pictun", "calabtun", "kinchiltun", "alautun"};
    if (fromKin < 5 || fromKin - 5 < std::size(Above))
        return Worded(language, {"the %1", "el %1"},
                      {fromKin < 5 ? Place[4 - fromKin].name : Above[fromKin - 5]});
    return Worded(language, {"the place %1 from the kins", "la posición %1 desde los kines"},
                  {std::to_string(fromKin + 1)});
}
// Leading "0." places go, the kins stay.
std::string withoutLeadingZeros(std::string text) {
    const std::size_t sign = text.front() == '-';
    std::size_t zeros = sign;
    while (text.compare(zeros, 2, "0.") == 0)
        zeros += 2;
    return text.erase(sign, zeros - sign);
}

// The most places a distance number in 64 bits holds.
constexpr std::size_t DistancePlaces = 14;
// Up to `most` places, each within its usual range (20 above the baktun).
std::optional<WideCount> parseDistance(std::string_view text, std::size_t most, std::string& error,
                                       Language language) {
    const std::vector<std::string_view> parts = placesOf(Trimmed(text));
    if (parts.size() > most) {
        error =
            Worded(language,
                   {"a distance number has one to %1 places (kins last), not %2: %3",
                    "un número de distancia tiene de una a %1 posiciones (los kines al final), "
                    "no %2: %3"},
                   {std::to_string(most), std::to_string(parts.size()), QuotedText(Trimmed(text))});
        return std::nullopt;
    }
    WideCount days = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t fromKin = parts.size() - 1 - i;
        const std::int64_t limit = fromKin < 5 ? Place[4 - fromKin].limit : Place[0].limit;
        std::int64_t value;
        if (!ParseDigits(parts[i], value)) {
            error = Worded(
                language,
                {"%1 %2 of the distance number %3 is not a number",
                 "%1 %2 del número de distancia %3 no es un número"},
                {thePlace(fromKin, language), QuotedText(parts[i]), QuotedText(Trimmed(text))});
            return std::nullopt;
        }
        if (value >= limit) {
            error = Worded(language,
                           {"%1 of the distance number %2 must be 0 to %3, not %4",
                            "%1 del número de distancia %2 debe ser de 0 a %3, no %4"},
                           {thePlace(fromKin, language), QuotedText(Trimmed(text)),
                            std::to_string(limit - 1), parts[i]});
            return std::nullopt;
        }
        days += value * placeDays(fromKin);
    }
    return days;
}

// " + DN - DN ..." added to a count, each distance number of up to `most`
// places. The sum stays within what one more of the longest keeps in 128 bits.
std::optional<WideCount> applyDistances(WideCount dayCount, std::string_view chain,
                                        std::size_t most, std::string& error, Language language) {
    const std::string_view t = Trimmed(chain);
    std::size_t op = t.find_first_of("+-");
    if (op != 0) {
        error = Worded(language,
                       {"expected '+' or '-' before a distance number, not %1",
                        "se esperaba '+' o '-' antes de un número de distancia, no %1"},
                       {QuotedText(t)});
        return std::nullopt;
    }
    constexpr WideCount Bound = placeDays(WidePlaces - 1) * 20;
    while (op != std::string_view::npos) {
        const bool add = t[op] == '+';
        const std::size_t next = t.find_first_of("+-", op + 1);
        const std::string_view term = Trimmed(t.substr(op + 1, next - op - 1));
        if (term.empty()) {
            error = Worded(language,
                           {"a distance number is missing after '%1' in %2",
                            "falta un número de distancia después de '%1' en %2"},
                           {t.substr(op, 1), QuotedText(t)});
            return std::nullopt;
        }
        const std::optional<WideCount> distance = parseDistance(term, most, error, language);
        if (!distance)
            return std::nullopt;
        dayCount += add ? *distance : -*distance;
        if (dayCount > Bound || dayCount < -Bound) {
            error = Worded(language,
                           {"the distance numbers of %1 reach beyond any count",
                            "los números de distancia de %1 van más allá de toda cuenta"},
                           {QuotedText(t)});
            return std::nullopt;
        }
        op = next;
    }
    return dayCount;
}
} // namespace

std::optional<std::int64_t> ParseDistanceNumber(std::string_view text, std::string& error,
                                                Language language) {
    const std::optional<WideCount> days = parseDistance(text, DistancePlaces, error, language);
    return days ? std::optional(static_cast<std::int64_t>(*days)) : std::nullopt;
}

std::optional<WideCount> ParseWideDistanceNumber(std::string_view text, std::string& error,
                                                 Language language) {
    return parseDistance(text, WidePlaces, error, language);
}

std::string DistanceNumberText(std::int64_t days) {
    return LongCountText(LongCountOf(days));
}

std::string InscribedDistanceText(std::int64_t days) {
    return InscribedWideDistanceText(days);
}

std::string InscribedText(std::int64_t dayCount) {
    return WrittenText([&](char* o) { return PutInscribedLongCount(o, dayCount); });
}

std::string EraName(std::int64_t era, Language language) {
    if (era == 0)
        return {};
    if (language == Language::Spanish)
        return era == -1 ? "era anterior" : std::to_string(-era) + " eras antes";
    return era == -1 ? "era before" : std::to_string(-era) + " eras before";
}

std::string InscribedDayText(std::int64_t dayCount, Language language) {
    const std::int64_t era = InscribedOf(dayCount).era;
    return InscribedText(dayCount) + (era == 0 ? "" : " (" + EraName(era, language) + ")");
}

std::optional<WideCount> ParseWideLongCount(std::string_view text, std::string& error,
                                            Language language) {
    std::string_view t = Trimmed(text);
    const bool negative = t.starts_with('-');
    t.remove_prefix(negative);
    const std::vector<std::string_view> parts = placesOf(t);
    if (parts.size() < 7 || parts.size() > WidePlaces) {
        error = Worded(
            language,
            {"a Long Count above the pictun has 7 to %1 places, not %2: %3",
             "una Cuenta Larga por encima del pictun tiene de 7 a %1 posiciones, no %2: %3"},
            {std::to_string(WidePlaces), std::to_string(parts.size()), QuotedText(Trimmed(text))});
        return std::nullopt;
    }
    WideCount count = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t fromKin = parts.size() - 1 - i;
        const std::int64_t limit = fromKin == 1 ? Place[3].limit : LongCountUnits[5].limit;
        std::int64_t value;
        if (!ParseDigits(parts[i], value) || value >= limit) {
            error = Worded(language,
                           {"place %1 of %2 must be 0 to %3, not %4",
                            "la posición %1 de %2 debe ser de 0 a %3, no %4"},
                           {std::to_string(i + 1), std::to_string(parts.size()),
                            std::to_string(limit - 1), QuotedText(parts[i])});
            return std::nullopt;
        }
        count += value * placeDays(fromKin);
    }
    return negative ? -count : count;
}

std::string WideLongCountText(WideCount count) {
    const bool negative = count < 0;
    WideCount rest = negative ? -count : count;
    std::vector<int> places;
    for (std::size_t fromKin = WidePlaces; fromKin-- > 0;) {
        const WideCount days = placeDays(fromKin);
        const int value = static_cast<int>(rest / days);
        rest -= value * days;
        if (value != 0 || !places.empty() || fromKin < 5)
            places.push_back(value);
    }
    std::string text = negative ? "-" : "";
    for (std::size_t i = 0; i < places.size(); ++i)
        text += (i ? "." : "") + std::to_string(places[i]);
    return text;
}

std::int64_t CycleDayOf(WideCount count) {
    // Tzolkin and Haab (18,980), the nine Lords and the 819-day count.
    constexpr std::int64_t Cycles =
        std::lcm(std::lcm(CalendarRoundDays, LordsOfTheNight), StationDays);
    const auto r = static_cast<std::int64_t>(count % Cycles);
    return r < 0 ? r + Cycles : r;
}

bool IsWideLongCountText(std::string_view text) {
    std::string_view t = text;
    const std::string_view word = TakeWord(t);
    return IsLongCountText(word) && std::count(word.begin(), word.end(), '.') >= 6;
}

std::optional<std::int64_t> NarrowDayCount(WideCount count) {
    constexpr WideCount Room = std::int64_t{1} << 61;
    if (count > Room || count < -Room)
        return std::nullopt;
    return static_cast<std::int64_t>(count);
}

WideLongCountPlaces WideLongCountOf(WideCount count) {
    WideLongCountPlaces p;
    p.negative = count < 0;
    const WideCount magnitude = p.negative ? -count : count;
    p.pictuns = magnitude / PictunDays;
    p.baktuns = magnitude / BaktunDays;
    p.belowPictun = LongCountOf(static_cast<std::int64_t>(magnitude % PictunDays));
    return p;
}

std::string WideNumberText(WideCount value) {
    std::string digits;
    // Digit by digit from the last, the sign kept apart: -2^127 has no positive.
    for (WideCount rest = value; digits.empty() || rest != 0; rest /= 10) {
        const auto digit = static_cast<int>(rest % 10);
        digits.insert(digits.begin(), static_cast<char>('0' + (digit < 0 ? -digit : digit)));
    }
    return value < 0 ? "-" + digits : digits;
}

WideInscribed WideInscribedOf(WideCount dayCount) {
    if (dayCount >= 0)
        return {0, dayCount};
    WideCount era = dayCount / EraDays;
    era -= era * EraDays != dayCount; // towards the era before
    return {era, dayCount - era * EraDays};
}

std::string WideInscribedDayText(WideCount dayCount, Language language) {
    const WideInscribed at = WideInscribedOf(dayCount);
    if (at.era == 0)
        return WideLongCountText(dayCount);
    const bool spanish = language == Language::Spanish;
    const std::string eras =
        at.era == -1 ? (spanish ? "era anterior" : "era before")
                     : WideNumberText(-at.era) + (spanish ? " eras antes" : " eras before");
    return LongCountText(LongCountOf(static_cast<std::int64_t>(at.count))) + " (" + eras + ")";
}

std::string InscribedWideDistanceText(WideCount days) {
    // Above the baktun 20 to a place, as the distance number is read back.
    return withoutLeadingZeros(WideLongCountText(days));
}

std::size_t DistanceChainStart(std::string_view text) {
    // A "-" in front belongs to the Long Count; every later sign is an operator.
    const std::size_t first = text.find_first_not_of(Blanks);
    return first == std::string_view::npos ? first : text.find_first_of("+-", first + 1);
}

bool HasDistanceChain(std::string_view text) {
    return DistanceChainStart(text) != std::string_view::npos;
}

namespace {
// A wide count read as a day count: beyond 64 bits its day lies far outside
// the civil years.
std::optional<std::int64_t> narrowed(const std::optional<WideCount>& count, std::string& error,
                                     Language language) {
    if (!count)
        return std::nullopt;
    const std::optional<std::int64_t> day = NarrowDayCount(*count);
    if (!day)
        error = DayRangeWords.in(language);
    return day;
}
} // namespace

std::optional<std::int64_t> ApplyDistances(std::int64_t dayCount, std::string_view chain,
                                           std::string& error, Language language) {
    return narrowed(applyDistances(dayCount, chain, DistancePlaces, error, language), error,
                    language);
}

std::optional<WideCount> ApplyWideDistances(WideCount dayCount, std::string_view chain,
                                            std::string& error, Language language) {
    return applyDistances(dayCount, chain, WidePlaces, error, language);
}

std::int64_t TakeEraName(std::string_view& text) {
    std::string_view t = Trimmed(text);
    const bool bracket = t.starts_with('(');
    t.remove_prefix(bracket);
    std::string_view word = TakeWord(t);
    std::int64_t eras = 1;
    if (ParseDigits(word, eras))
        word = TakeWord(t);
    else
        eras = 1;
    if (eras < 1 || !EqualsIgnoringCase(word, eras == 1 ? "era" : "eras"))
        return 0;
    word = TakeWord(t);
    if (bracket && word.ends_with(')'))
        word.remove_suffix(1);
    else if (bracket && t.starts_with(')'))
        t = Trimmed(t.substr(1));
    else if (bracket)
        return 0;
    // Read as either language writes it, so that Spanish output reads back.
    if (!EqualsIgnoringCase(word, "before") && !EqualsIgnoringCase(word, "anterior") &&
        !EqualsIgnoringCase(word, "antes"))
        return 0;
    text = t;
    return -eras;
}

std::optional<std::int64_t> ParseInscribedLongCount(std::string_view text, std::string& error,
                                                    Language language) {
    std::string_view rest = text;
    const std::string_view longCount = TakeWord(rest);
    if (rest.empty() && IsWideLongCountText(longCount))
        return narrowed(ParseWideLongCount(longCount, error, language), error, language);
    const std::int64_t era = TakeEraName(rest);
    if (era == 0 || !rest.empty())
        return ParseLongCount(text, error, language);
    const std::optional<std::int64_t> count = ParseLongCount(longCount, error, language);
    if (!count)
        return std::nullopt;
    if (*count < 0 || *count > EraDays) {
        // "de la era anterior", "de 2 eras antes"
        const std::string eraName = EraName(era, language);
        error = Worded(
            language,
            {"a Long Count of the %1 runs from 0.0.0.0.0 to 13.0.0.0.0, not %2",
             "una Cuenta Larga de %1 va de 0.0.0.0.0 a 13.0.0.0.0, no %2"},
            {era == -1 && language == Language::Spanish ? "la " + eraName : eraName, longCount});
        return std::nullopt;
    }
    return DayCountOfInscribed(era, *count);
}

std::optional<FullDate> ParseFullDate(std::string_view text, std::string& error, Spelling spelling,
                                      Language language) {
    std::string_view rest = text;
    const std::string_view longCount = TakeWord(rest);
    const std::int64_t era = TakeEraName(rest);
    if (rest.empty())
        return std::nullopt;
    FullDate date;
    date.eraNamed = era != 0;
    // The Long Count with its era's name: from its first character to the round.
    const std::optional<std::int64_t> count = ParseInscribedLongCount(
        std::string_view(longCount.data(),
                         static_cast<std::size_t>(rest.data() - longCount.data())),
        error, language);
    if (!count)
        return std::nullopt;
    const std::optional<CalendarRoundQuery> round =
        ParseCalendarRound(rest, error, spelling, language);
    if (!round)
        return std::nullopt;
    date.dayCount = *count;
    date.round = *round;
    return date;
}

std::string JoinedNotes(const std::string& first, const std::string& second) {
    return first.empty() ? second : second.empty() ? first : first + "; " + second;
}

bool IsLongCountText(std::string_view text) {
    const std::string_view t = Trimmed(text);
    std::size_t end = 0;
    while (end < t.size() && !std::isspace(static_cast<unsigned char>(t[end])))
        ++end;
    return t.substr(0, end).find('.') != std::string_view::npos;
}

std::optional<LongCountDate> ReadLongCountDate(std::string_view text, std::string& error,
                                               Spelling spelling, Language language) {
    // The caller's error may hold a text already: only an empty one of our
    // own says that the text is a Long Count alone.
    std::string why;
    const std::optional<FullDate> date = ParseFullDate(text, why, spelling, language);
    if (!date) {
        if (!why.empty()) {
            error = std::move(why);
            return std::nullopt;
        }
        const std::optional<std::int64_t> count = ParseInscribedLongCount(text, error, language);
        if (!count)
            return std::nullopt;
        return LongCountDate{*count, {}};
    }
    FullDateCheck check = CheckFullDate(*date, spelling, true, language);
    if (!check.fits) {
        error = std::move(check.problem);
        return std::nullopt;
    }
    return LongCountDate{check.dayCount, JoinedNotes(date->round.note, check.note)};
}

namespace {
// cycleDay: a day with the same place in every cycle as the given count's.
std::string previousEraNote(const std::string& longCount, const CalendarRoundQuery& round,
                            std::int64_t cycleDay, Spelling spelling, Language language) {
    return Worded(
        language,
        {"%1 %2 fits only the era before this one, 1,872,000 days earlier; in this era "
         "that Long Count falls on %3",
         "%1 %2 solo encaja en la era anterior a esta, 1,872,000 días antes; en esta era "
         "esa Cuenta Larga cae en %3"},
        {longCount, CalendarRoundText(round, spelling), CalendarRoundText(cycleDay, spelling)});
}

// The parts of a given round that differ from a day's, each with the day's.
std::vector<std::string> differingParts(const CalendarRoundQuery& given, std::int64_t dayCount,
                                        Spelling spelling, Language language) {
    const TzolkinDay tzolkin = TzolkinOf(dayCount);
    const HaabDay haab = HaabOf(dayCount);
    std::vector<std::string> parts;
    const auto differs = [&](bool differ, const Wording& what, const std::string& given,
                             const std::string& own) {
        if (differ)
            parts.push_back(Worded(language,
                                   parts.empty()
                                       ? Wording{"the %1 %2 (the Long Count gives %3)",
                                                 "el %1 %2 (la Cuenta Larga da %3)"}
                                       : Wording{"the %1 %2 (it gives %3)", "el %1 %2 (da %3)"},
                                   {what.in(language), given, own}));
    };
    if (given.tzolkin) {
        const TzolkinDay& t = *given.tzolkin;
        differs(t.number != tzolkin.number, {"Tzolkin number", "número del tzolkin"},
                std::to_string(t.number), std::to_string(tzolkin.number));
        differs(t.sign != tzolkin.sign, {"day sign", "signo del día"},
                std::string(SignName(t.sign, spelling)),
                std::string(SignName(tzolkin.sign, spelling)));
    }
    if (given.haab) {
        const HaabDay& h = *given.haab;
        differs(h.day != haab.day, {"Haab number", "número del haab"}, std::to_string(h.day),
                std::to_string(haab.day));
        differs(h.month != haab.month, {"month", "mes"},
                std::string(MonthNameOf(h.month, spelling)),
                std::string(MonthNameOf(haab.month, spelling)));
    }
    return parts;
}

std::string mismatchText(const CalendarRoundQuery& round, const std::string& longCount,
                         std::int64_t cycleDay, Spelling spelling, Language language) {
    const std::vector<std::string> parts = differingParts(round, cycleDay, spelling, language);
    return Worded(language,
                  parts.size() == 1 ? Wording{"%1 does not fit %2, whose Calendar Round is %3",
                                              "%1 no encaja con %2, cuya Rueda Calendárica es %3"}
                                    : Wording{"%1 do not fit %2, whose Calendar Round is %3",
                                              "%1 no encajan con %2, cuya Rueda Calendárica es %3"},
                  {JoinedList(parts, language), longCount, CalendarRoundText(cycleDay, spelling)});
}
} // namespace

std::optional<WideLongCountDate> ReadWideLongCountDate(std::string_view text, std::string& error,
                                                       Spelling spelling, Language language) {
    std::string_view rest = text;
    const std::string_view word = TakeWord(rest);
    std::optional<WideCount> deep;
    if (IsWideLongCountText(word) && !(deep = ParseWideLongCount(word, error, language)))
        return std::nullopt;
    // What 64 bits hold is read as any Long Count, with suggestions on a mismatch.
    if (!deep || NarrowDayCount(*deep)) {
        std::optional<LongCountDate> date = ReadLongCountDate(text, error, spelling, language);
        if (!date)
            return std::nullopt;
        return WideLongCountDate{date->dayCount, std::move(date->note)};
    }
    if (rest.empty())
        return WideLongCountDate{*deep, {}};
    const std::optional<CalendarRoundQuery> round =
        ParseCalendarRound(rest, error, spelling, language);
    if (!round)
        return std::nullopt;
    if (std::string why = WhyNoDay(*round, spelling, language); !why.empty()) {
        error = std::move(why);
        return std::nullopt;
    }
    const std::int64_t cycleDay = CycleDayOf(*deep);
    if (FitsRound(*round, cycleDay))
        return WideLongCountDate{*deep, round->note};
    const std::string written = WideLongCountText(*deep);
    if (FitsRound(*round, cycleDay - EraDays))
        return WideLongCountDate{*deep - EraDays,
                                 JoinedNotes(round->note, previousEraNote(written, *round, cycleDay,
                                                                          spelling, language))};
    error = mismatchText(*round, written, cycleDay, spelling, language);
    // Coba Stela 1 writes the creation day under twenty places of 13: counted
    // as days they move the Haab, so say which day the places from the baktun
    // down name when the era's 13 baktuns close it.
    const auto within = static_cast<std::int64_t>(*deep % EraDays);
    if (within >= 0 && FitsRound(*round, within))
        // Spanish joins "de" to the article: "del día", "de 9.12.11.5.18".
        error = Worded(
            language,
            {"%1; it is the Calendar Round of %2, as Coba Stela 1 is read with its places above "
             "the baktun as completed cycles rather than days",
             "%1; es la Rueda Calendárica %2, como se lee la Estela 1 de Cobá con sus posiciones "
             "por encima del baktun como ciclos completos y no como días"},
            {error,
             within == 0
                 ? Worded(language, {"the creation day (13.0.0.0.0 of the era before, "
                                     "0.0.0.0.0 of this one)",
                                     "del día de la creación (13.0.0.0.0 de la era anterior, "
                                     "0.0.0.0.0 de esta)"})
                 : Worded(language, {"%1", "de %1"}, {InscribedDayText(within, language)})});
    return std::nullopt;
}

bool FitsRound(const CalendarRoundQuery& round, std::int64_t dayCount) {
    return (!round.tzolkin || *round.tzolkin == TzolkinOf(dayCount)) &&
           (!round.haab || *round.haab == HaabOf(dayCount));
}

std::string DifferingParts(const CalendarRoundQuery& given, std::int64_t dayCount,
                           Spelling spelling, Language language) {
    return JoinedList(differingParts(given, dayCount, spelling, language), language);
}

FullDateCheck CheckFullDate(const FullDate& date, Spelling spelling, bool tryPreviousEra,
                            Language language) {
    FullDateCheck check;
    const std::int64_t d = date.dayCount;
    const std::string lc = InscribedDayText(d, language);
    check.dayCount = d;
    check.calendarRound = CalendarRoundText(d, spelling);
    if (FitsRound(date.round, d)) {
        check.fits = true;
        return check;
    }
    if (const std::string why = WhyNoDay(date.round, spelling, language); !why.empty()) {
        check.problem = why;
        return check;
    }
    if (tryPreviousEra && !date.eraNamed && FitsRound(date.round, d - EraDays)) {
        check.fits = check.previousEra = true;
        check.dayCount = d - EraDays;
        check.note = previousEraNote(lc, date.round, d, spelling, language);
        return check;
    }
    check.problem = mismatchText(date.round, lc, d, spelling, language);

    // The places as written: those of the count in its own era.
    const LongCountPlaces p = LongCountOf(InscribedOf(d).count);
    const int current[5] = {p.baktun, p.katun, p.tun, p.uinal, p.kin};
    for (int place = 0; place < 5; ++place)
        for (int v = 0; v < Place[place].limit; ++v) {
            const std::int64_t candidate = d + (v - current[place]) * Place[place].days;
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

std::optional<DatePattern> ParseDatePattern(std::string_view text, std::string& error,
                                            Spelling spelling, Language language) {
    static constexpr Wording PlaceOrAny{"%1 must be * or 0 to %2, not %3",
                                        "%1 debe ser * o de 0 a %2, no %3"};
    std::vector<std::string_view> words = DateWords(text);
    DatePattern pattern;
    const std::string quoted = QuotedText(Trimmed(text));
    if (!words.empty() && words.front().find('.') != std::string_view::npos) {
        std::vector<std::string_view> parts = placesOf(words.front());
        if (parts.size() < 5 || parts.size() > WidePlaces) {
            error =
                Worded(language,
                       {"the Long Count of a pattern has five places or more, each a number or "
                        "*, not %1: %2",
                        "la Cuenta Larga de un patrón tiene cinco posiciones o más, cada una un "
                        "número o *, no %1: %2"},
                       {std::to_string(parts.size()), QuotedText(words.front())});
            return std::nullopt;
        }
        pattern.hasLongCount = true;
        const std::size_t above = parts.size() - 5;
        for (std::size_t i = 0; i < above; ++i) {
            std::int64_t v;
            if (parts[i] == "*") {
                pattern.pictuns.reset();
            } else if (!ParseDigits(parts[i], v) || v >= Place[0].limit) {
                error = Worded(language, PlaceOrAny,
                               {thePlace(parts.size() - 1 - i, language),
                                std::to_string(Place[0].limit - 1), QuotedText(parts[i])});
                return std::nullopt;
            } else if (pattern.pictuns) {
                *pattern.pictuns = *pattern.pictuns * Place[0].limit + v;
            }
        }
        parts.erase(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(above));
        for (int i = 0; i < 5; ++i) {
            if (parts[i] == "*")
                continue;
            std::int64_t v;
            if (!ParseDigits(parts[i], v) || v >= Place[i].limit) {
                error = Worded(language, PlaceOrAny,
                               {thePlace(static_cast<std::size_t>(4 - i), language),
                                std::to_string(Place[i].limit - 1), QuotedText(parts[i])});
                return std::nullopt;
            }
            pattern.places[i] = static_cast<int>(v);
        }
        words.erase(words.begin());
    }
    if (words.size() != 0 && words.size() != 2 && words.size() != 4) {
        error =
            Worded(language,
                   {"expected a Long Count such as 9.*.*.0.0, then a Tzolkin day and a Haab day "
                    "(\"* Ahau 8 *\"), not %1",
                    "se esperaba una Cuenta Larga como 9.*.*.0.0 y después un día del tzolkin y "
                    "un día del haab (\"* Ahau 8 *\"), no %1"},
                   {quoted});
        return std::nullopt;
    }
    if (!pattern.hasLongCount && words.empty()) {
        error = Wording{"the pattern is empty", "el patrón está vacío"}.in(language);
        return std::nullopt;
    }
    bool tzolkinSeen = false, haabSeen = false;
    for (std::size_t i = 0; i < words.size(); i += 2) {
        const std::string_view numberText = words[i], name = words[i + 1];
        std::optional<int> number;
        if (numberText != "*") {
            std::int64_t v;
            if (!ParseDigits(numberText, v) || v >= HaabMonthDays) {
                error = Worded(language,
                               {"%1 is neither * nor the number of a day (in %2)",
                                "%1 no es * ni el número de un día (en %2)"},
                               {QuotedText(numberText), quoted});
                return std::nullopt;
            }
            number = static_cast<int>(v);
        }
        const NameKind kind = name == "*" ? NameKind::None : NameKindOf(name);
        if (name != "*" && kind == NameKind::None) {
            error = Worded(language,
                           {"%1 is neither * nor a Tzolkin day sign or Haab month",
                            "%1 no es * ni un signo de día del tzolkin o un mes del haab"},
                           {QuotedText(name)});
            return std::nullopt;
        }
        const std::optional<NameKind> other =
            words.size() == 4
                ? std::optional(words[i == 0 ? 3 : 1] == "*" ? NameKind::None
                                                             : NameKindOf(words[i == 0 ? 3 : 1]))
                : std::nullopt;
        if (kind == NameKind::Both && !other &&
            (!number || (*number >= 1 && *number <= TzolkinNumbers))) {
            error = Worded(language, GiveBothDays, {AmbiguousNameText(name, language)});
            return std::nullopt;
        }
        const bool asMonth =
            kind != NameKind::None && ReadAsMonth(kind, other, i == 0, number.value_or(1));
        const int sign = kind == NameKind::None || asMonth ? 0 : FindTzolkinSign(name);
        const int month = asMonth ? FindHaabMonth(name) : 0;
        // An unnamed pair is read in Calendar Round order: Tzolkin first; alone,
        // by its number when only a Haab day can have it.
        const bool tzolkin =
            sign != 0 ||
            (month == 0 &&
             (words.size() == 4 ? i == 0 : !number || (*number >= 1 && *number <= TzolkinNumbers)));
        if (tzolkin ? tzolkinSeen : haabSeen) {
            error = Worded(language, tzolkin ? TwoTzolkinDays : TwoHaabDays, {quoted});
            return std::nullopt;
        }
        (tzolkin ? tzolkinSeen : haabSeen) = true;
        if (tzolkin) {
            if (number && (*number < 1 || *number > TzolkinNumbers)) {
                error = Worded(language,
                               {"a Tzolkin number is * or 1 to %1, not %2",
                                "un número del tzolkin es * o de 1 a %1, no %2"},
                               {std::to_string(TzolkinNumbers), numberText});
                return std::nullopt;
            }
            pattern.tzolkinNumber = number;
            if (sign != 0)
                pattern.tzolkinSign = sign;
        } else {
            if (number && month != 0 && *number >= HaabMonthLength(month)) {
                error = Worded(language, HaabDayOutsideMonth,
                               {HaabMonthDaysText(month, spelling, language), numberText});
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
    // The known places are matched as each era writes its days: this era's
    // from the start day on, an earlier one's from its own 0.0.0.0.0.
    int lowest = -1;
    for (int i = 0; i < 4; ++i)
        if (pattern.places[i])
            lowest = i;
    std::int64_t lo = 0, hi = 0;
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
    const auto placesFit = [&](std::int64_t count) {
        const LongCountPlaces p = LongCountOf(count);
        const int places[5] = {p.baktun, p.katun, p.tun, p.uinal, p.kin};
        for (int i = 0; i < 5; ++i)
            if (pattern.places[i] && *pattern.places[i] != places[i])
                return false;
        return true;
    };
    const auto fitsCycles = [&](std::int64_t day) {
        return (!pattern.tzolkinNumber || *pattern.tzolkinNumber == TzolkinOf(day).number) &&
               (!pattern.tzolkinSign || *pattern.tzolkinSign == TzolkinOf(day).sign) &&
               (!pattern.haabDay || *pattern.haabDay == HaabOf(day).day) &&
               (!pattern.haabMonth || *pattern.haabMonth == HaabOf(day).month);
    };
    // Only this era writes places above the baktun; a known pictun of it is
    // one block of days, an unknown one each block in the range.
    const auto blockOf = [&](std::int64_t base, std::int64_t length) {
        lo = std::max(from, base);
        hi = std::min(to, base + length - 1);
        if (lo <= hi)
            lowest < 0 ? scan(lo, hi) : blocks(blocks, 0, base);
    };
    if (pattern.pictuns && *pattern.pictuns != 0) {
        if (*pattern.pictuns <= std::max<std::int64_t>(to, 0) / FivePlaceDays)
            blockOf(static_cast<std::int64_t>(*pattern.pictuns) * FivePlaceDays, FivePlaceDays);
        return result;
    }
    const std::int64_t firstEra = std::min<std::int64_t>(FloorDiv(from, EraDays), 0);
    for (std::int64_t era = firstEra; era <= 0; ++era) {
        const std::int64_t base = DayCountOfInscribed(era, 0);
        if (era < 0) {
            blockOf(base, EraDays);
        } else {
            for (std::int64_t pictun = 0;
                 pictun <= (pattern.pictuns ? 0 : std::max<std::int64_t>(to, 0) / FivePlaceDays);
                 ++pictun)
                blockOf(pictun * FivePlaceDays, FivePlaceDays);
        }
        // An earlier era's last day, 13.0.0.0.0, is the next one's
        // 0.0.0.0.0: counted once, in whichever form fits.
        const std::int64_t end = base + EraDays;
        if (era < 0 && end >= from && end <= to && placesFit(EraDays) && !placesFit(0) &&
            fitsCycles(end)) {
            ++result.total;
            if (static_cast<std::int64_t>(result.days.size()) < limit)
                result.days.push_back(end);
        }
    }
    return result;
}

std::string Station819Text(std::int64_t dayCount, Spelling spelling, Language language) {
    const std::int64_t station = Station819Of(dayCount);
    const std::int64_t since = dayCount - station;
    const bool spanish = language == Language::Spanish;
    return InscribedDayText(station, language) + "  " + CalendarRoundText(station, spelling) +
           "  (" + std::to_string(since) +
           (since == 1 ? (spanish ? " día" : " day") : (spanish ? " días" : " days")) +
           (spanish ? " antes)" : " before)");
}

std::string Station819QuarterText(std::int64_t dayCount, Language language) {
    const auto quarter = static_cast<std::size_t>(Station819QuarterOf(dayCount));
    const bool spanish = language == Language::Spanish;
    return std::string((spanish ? SpanishQuarterName : QuarterName)[quarter]) + ", " +
           std::string((spanish ? SpanishQuarterColour : QuarterColour)[quarter]);
}

std::string IntroductoryPatronText(std::int64_t dayCount, Spelling spelling, Language language) {
    const int month = HaabOf(dayCount).month;
    const std::string_view patron = IntroductoryPatronOf(month, language);
    return (language == Language::Spanish ? "patrono de " : "patron of ") +
           std::string(MonthNameOf(month, spelling)) +
           (patron.empty() ? "" : ", " + std::string(patron));
}

std::string YearBearerText(std::int64_t dayCount, YearBearerSystem system, Spelling spelling,
                           Language language) {
    // The other systems are named after places, in either language.
    const std::string_view name =
        language == Language::Spanish && system == YearBearerSystem::Classic
            ? "clásico"
            : YearBearerSystemName(system);
    return TzolkinText(YearBearerOf(dayCount, system), spelling) + " (" + std::string(name) + ")";
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
