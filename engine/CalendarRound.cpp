#include "CalendarRound.h"

#include "Names.h"
#include "TextParsing.h"
#include "TextWriters.h"

#include <numeric>
#include <vector>

namespace zentolk {

namespace {
// Lower-case letters only: apostrophes (ASCII, right single quote, modifier
// letter apostrophe), blanks and hyphens are dropped.
std::string normalizedName(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c == 0xE2 && name.substr(i, 3) == "\xE2\x80\x99") {
            i += 2;
            continue;
        }
        if (c == 0xCA && name.substr(i, 2) == "\xCA\xBC") {
            ++i;
            continue;
        }
        if (c == '\'' || c == '`' || c == ' ' || c == '-')
            continue;
        out += LowerAscii(static_cast<char>(c));
    }
    return out;
}

struct Alias {
    std::string_view spelling; // normalized
    int index;
};

constexpr Alias TzolkinAliases[] = {
    {"imix", 1},     {"imox", 1},   {"ik", 2},      {"iq", 2},       {"akbal", 3},
    {"aqabal", 3},   {"kan", 4},    {"kat", 4},     {"chicchan", 5}, {"chikchan", 5},
    {"cimi", 6},     {"kimi", 6},   {"keme", 6},    {"manik", 7},    {"manich", 7},
    {"kej", 7},      {"lamat", 8},  {"qanil", 8},   {"muluc", 9},    {"muluk", 9},
    {"toj", 9},      {"oc", 10},    {"ok", 10},     {"tzi", 10},     {"chuen", 11},
    {"chuwen", 11},  {"batz", 11},  {"eb", 12},     {"e", 12},       {"ben", 13},
    {"aj", 13},      {"ix", 14},    {"hix", 14},    {"ih", 14},      {"men", 15},
    {"tziquin", 15}, {"cib", 16},   {"kib", 16},    {"ajmaq", 16},   {"caban", 17},
    {"kaban", 17},   {"noj", 17},   {"edznab", 18}, {"etznab", 18},  {"tijax", 18},
    {"cauac", 19},   {"kawak", 19}, {"kawaq", 19},  {"ahau", 20},    {"ajaw", 20},
    {"ahaw", 20},    {"ajpu", 20},
};

constexpr Alias HaabAliases[] = {
    {"pop", 1},
    {"uo", 2},
    {"wo", 2},
    {"zip", 3},
    {"sip", 3},
    {"zotz", 4},
    {"sotz", 4},
    {"tzec", 5},
    {"zec", 5},
    {"sec", 5},
    {"sek", 5},
    {"tsek", 5},
    {"xul", 6},
    {"yaxkin", 7},
    {"mol", 8},
    {"chen", 9},
    {"yax", 10},
    {"zac", 11},
    {"sak", 11},
    {"sac", 11},
    {"ceh", 12},
    {"keh", 12},
    {"mac", 13},
    {"mak", 13},
    {"kankin", 14},
    {"muan", 15},
    {"muwan", 15},
    {"pax", 16},
    {"kayab", 17},
    {"cumku", 18},
    {"kumku", 18},
    {"cumhu", 18},
    {"uayeb", 19},
    {"wayeb", 19},
    {"muwaan", 15},
    // Modern highland spellings; "kej" is also a day sign there.
    {"kej", 12},
    {"keej", 12},
    // The Classic names, as the help lists them with their source.
    {"kanjalaw", 1},
    {"ikat", 2},
    {"chakat", 3},
    {"kaseew", 5},
    {"kasew", 5},
    {"chikin", 6},
    {"iksihom", 9},
    {"yaxsihom", 10},
    {"saksihom", 11},
    {"chaksihom", 12},
    {"uniw", 14},
    {"kanasiiy", 17},
    {"kanasiy", 17},
    {"ohl", 18},
    {"wayhaab", 19},
    {"wayhab", 19},
};

template <std::size_t N> int findAlias(const Alias (&aliases)[N], std::string_view name) {
    const std::string key = normalizedName(name);
    for (const Alias& alias : aliases)
        if (alias.spelling == key)
            return alias.index;
    return 0;
}

// Residues of the searched day count and the cycle they repeat in.
struct Residue {
    std::int64_t value;
    std::int64_t period;
};

Residue residueOf(const CalendarRoundQuery& query) {
    if (query.tzolkin && query.haab) {
        // Both cycles share the factor 5; the pair exists when the residues
        // agree mod 5, and then recurs every 18980 days.
        const std::int64_t t = TzolkinDayCountResidue(*query.tzolkin);
        const std::int64_t h = HaabDayCountResidue(*query.haab);
        const std::int64_t k = Remainder<std::int64_t>((h - t) / 5 * 66, 73); // 66 * 52 = 1 mod 73
        return {t + TzolkinDays * k, CalendarRoundDays};
    }
    if (query.tzolkin)
        return {TzolkinDayCountResidue(*query.tzolkin), TzolkinDays};
    if (query.haab)
        return {HaabDayCountResidue(*query.haab), HaabDays};
    return {0, 1};
}

bool meet(const TzolkinDay& tzolkin, const HaabDay& haab) {
    return Remainder(TzolkinDayCountResidue(tzolkin) - HaabDayCountResidue(haab), 5) == 0;
}

} // namespace

std::string TzolkinText(const TzolkinDay& day) {
    return WrittenText([&](char* o) { return PutTzolkinDay(o, day); });
}

std::string HaabText(const HaabDay& day) {
    return WrittenText([&](char* o) { return PutHaabDay(o, day); });
}

std::string TzolkinText(const TzolkinDay& day, Spelling spelling) {
    return std::to_string(day.number) + " " + std::string(SignName(day.sign, spelling));
}

std::string HaabText(const HaabDay& day, Spelling spelling) {
    return std::to_string(day.day) + " " + std::string(MonthNameOf(day.month, spelling));
}

std::string CalendarRoundText(std::int64_t dayCount, Spelling spelling) {
    return CalendarRoundText(TzolkinOf(dayCount), HaabOf(dayCount), spelling);
}

std::string CalendarRoundText(const TzolkinDay& tzolkin, const HaabDay& haab, Spelling spelling) {
    return WrittenText([&](char* o) { return PutCalendarRound(o, tzolkin, haab, spelling); });
}

std::string CalendarRoundText(const CalendarRoundQuery& query, Spelling spelling) {
    std::string text;
    if (query.tzolkin)
        text = TzolkinText(*query.tzolkin, spelling);
    if (query.haab)
        text += (text.empty() ? "" : " ") + HaabText(*query.haab, spelling);
    return text;
}

std::string HaabMonthDaysText(int month, Spelling spelling, Language language) {
    return Worded(language, {"%1 has days 0 to %2", "%1 tiene los días 0 a %2"},
                  {MonthNameOf(month, spelling), std::to_string(HaabMonthLength(month) - 1)});
}

int FindTzolkinSign(std::string_view name) {
    return findAlias(TzolkinAliases, name);
}
int FindHaabMonth(std::string_view name) {
    return findAlias(HaabAliases, name);
}

std::vector<std::string_view> DateWords(std::string_view text) {
    std::vector<std::string_view> words;
    const std::vector<std::string_view> raw = Words(text);
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::string_view word = raw[i];
        // Seating: "chum Mak" and "seating of Mak" are 0 Mak.
        const bool chum = EqualsIgnoringCase(word, "chum") && i + 1 < raw.size();
        const bool seating = EqualsIgnoringCase(word, "seating") && i + 2 < raw.size() &&
                             EqualsIgnoringCase(raw[i + 1], "of");
        if (chum || seating) {
            words.push_back("0");
            i += seating;
            continue;
        }
        std::size_t digits = 0;
        while (digits < word.size() && word[digits] >= '0' && word[digits] <= '9')
            ++digits;
        // A number glued to its name ("2Ak'bal"), but not a Long Count's places.
        if (digits > 0 && digits < word.size() && word.find('.') == std::string_view::npos) {
            words.push_back(word.substr(0, digits));
            words.push_back(word.substr(digits));
        } else {
            words.push_back(word);
        }
    }
    return words;
}

NameKind NameKindOf(std::string_view name) {
    const bool sign = FindTzolkinSign(name) != 0, month = FindHaabMonth(name) != 0;
    return sign && month ? NameKind::Both
           : sign        ? NameKind::Sign
           : month       ? NameKind::Month
                         : NameKind::None;
}

bool ReadAsMonth(NameKind kind, std::optional<NameKind> other, bool first, std::int64_t number) {
    if (kind != NameKind::Both)
        return kind == NameKind::Month;
    if (other && *other != NameKind::Both && *other != NameKind::None)
        return *other == NameKind::Sign;
    // Alone, or beside another such word: the Calendar Round's order, or
    // the number only a Haab day can have.
    return other ? !first : number < 1 || number > TzolkinNumbers;
}

std::string AmbiguousNameText(std::string_view name, Language language) {
    return Worded(language,
                  {"%1 is both the Tzolkin day sign %2 and the Haab month %3",
                   "%1 es a la vez el signo de día del tzolkin %2 y el mes del haab %3"},
                  {QuotedText(name), TzolkinSign[FindTzolkinSign(name) - 1],
                   HaabMonth[FindHaabMonth(name) - 1]});
}

std::optional<CalendarRoundQuery> ParseCalendarRound(std::string_view text, std::string& error,
                                                     Spelling spelling, Language language) {
    // Words are separated by blanks; a number may also be glued to its name ("4Ahau").
    const std::vector<std::string_view> words = DateWords(text);
    if (words.size() != 2 && words.size() != 4) {
        error =
            Worded(language,
                   {"expected a Tzolkin day (\"4 Ahau\"), a Haab day (\"8 Cumku\") or both "
                    "(\"4 Ahau 8 Cumku\"), not %1",
                    "se esperaba un día del tzolkin (\"4 Ahau\"), un día del haab (\"8 Cumku\") o "
                    "ambos (\"4 Ahau 8 Cumku\"), no %1"},
                   {QuotedText(Trimmed(text))});
        return std::nullopt;
    }
    CalendarRoundQuery query;
    for (std::size_t i = 0; i < words.size(); i += 2) {
        const std::string_view numberText = words[i];
        const std::string_view name = words[i + 1];
        std::int64_t number;
        if (!ParseDigits(numberText, number)) {
            error = Worded(
                language,
                {"%1 is not the number of a day (in %2)", "%1 no es el número de un día (en %2)"},
                {QuotedText(numberText), QuotedText(Trimmed(text))});
            return std::nullopt;
        }
        const NameKind kind = NameKindOf(name);
        const std::optional<NameKind> other =
            words.size() == 4 ? std::optional(NameKindOf(words[i == 0 ? 3 : 1])) : std::nullopt;
        if (kind == NameKind::None) {
            error = Worded(language,
                           {"%1 is neither a Tzolkin day sign nor a Haab month",
                            "%1 no es un signo de día del tzolkin ni un mes del haab"},
                           {QuotedText(name)});
            return std::nullopt;
        }
        if (kind == NameKind::Both && !other && number >= 1 && number <= TzolkinNumbers) {
            error = Worded(language, GiveBothDays, {AmbiguousNameText(name, language)});
            return std::nullopt;
        }
        if (!ReadAsMonth(kind, other, i == 0, number)) {
            if (query.tzolkin) {
                error = Worded(language, TwoTzolkinDays, {QuotedText(Trimmed(text))});
                return std::nullopt;
            }
            if (number < 1 || number > TzolkinNumbers) {
                error = Worded(language,
                               {"a Tzolkin number is 1 to 13, not %1",
                                "un número del tzolkin es de 1 a 13, no %1"},
                               {numberText});
                return std::nullopt;
            }
            query.tzolkin = TzolkinDay{static_cast<int>(number), FindTzolkinSign(name)};
        } else {
            const int month = FindHaabMonth(name);
            if (query.haab) {
                error = Worded(language, TwoHaabDays, {QuotedText(Trimmed(text))});
                return std::nullopt;
            }
            // The month's last day counted on is the next month's seating.
            if (number == HaabMonthLength(month)) {
                const int next = month % HaabMonths + 1;
                query.note =
                    Worded(language,
                           {"%1 %2 is read as the seating of %3, 0 %3",
                            "%1 %2 se lee como el asiento de %3, 0 %3"},
                           {numberText, MonthNameOf(month, spelling), MonthNameOf(next, spelling)});
                query.haab = HaabDay{0, next};
                continue;
            }
            if (number >= HaabMonthLength(month)) {
                error = Worded(language, HaabDayOutsideMonth,
                               {HaabMonthDaysText(month, spelling, language), numberText});
                return std::nullopt;
            }
            query.haab = HaabDay{static_cast<int>(number), month};
        }
    }
    return query;
}

QueryStatus QueryStatusOf(const CalendarRoundQuery& query) {
    if (!query.tzolkin && !query.haab)
        return QueryStatus::NothingAsked;
    if (!query.tzolkin || !query.haab || meet(*query.tzolkin, *query.haab))
        return QueryStatus::Possible;
    return QueryStatus::NeverOccurs;
}

std::string WhyNoDay(const CalendarRoundQuery& query, Spelling spelling, Language language) {
    switch (QueryStatusOf(query)) {
    case QueryStatus::Possible:
        return {};
    case QueryStatus::NothingAsked:
        return std::string(Wording{"no Tzolkin or Haab day was given",
                                   "no se dio ningún día del tzolkin ni del haab"}
                               .in(language));
    case QueryStatus::NeverOccurs:
        break;
    }
    const TzolkinDay& tz = *query.tzolkin;
    const HaabDay& haab = *query.haab;
    // A sign recurs every 20 days and a Haab month has 20 days, so each sign
    // meets only the Haab days that agree with it mod 5.
    std::vector<std::string> days, signs;
    for (int d = 0; d < HaabMonthDays; ++d)
        if (meet({1, tz.sign}, {d, 1}))
            days.push_back(std::to_string(d));
    for (int s = 1; s <= TzolkinSigns; ++s)
        if (meet({1, s}, {haab.day, 1}))
            signs.push_back(std::string(SignName(s, spelling)));
    return Worded(language,
                  {"%1 never occurs: %2 falls only on Haab days %3 of a month, and day %4 of a "
                   "month only on %5 (only 18,980 of the 94,900 pairs exist)",
                   "%1 nunca se da: %2 solo cae en los días %3 de un mes del haab, y el día %4 de "
                   "un mes solo en %5 (solo existen 18,980 de los 94,900 pares)"},
                  {CalendarRoundText(query, spelling), SignName(tz.sign, spelling),
                   JoinedList(days, language), std::to_string(haab.day),
                   JoinedList(signs, language)});
}

CalendarRoundQuery ShiftedRound(const CalendarRoundQuery& query, std::int64_t days) {
    const std::int64_t day = NextDayCount(query, -1) + days;
    CalendarRoundQuery shifted;
    if (query.tzolkin)
        shifted.tzolkin = TzolkinOf(day);
    if (query.haab)
        shifted.haab = HaabOf(day);
    return shifted;
}

std::optional<RoundDistance> CalendarRoundDistance(const CalendarRoundQuery& from,
                                                   const CalendarRoundQuery& to) {
    const Residue a = residueOf(from), b = residueOf(to);
    // The days of each form progressions; their differences are every number
    // of one class modulo the periods' common divisor.
    const std::int64_t period = std::gcd(a.period, b.period);
    if (period < TzolkinDays)
        return std::nullopt;
    return RoundDistance{Remainder(b.value - a.value, period), period};
}

std::int64_t NextDayCount(const CalendarRoundQuery& query, std::int64_t fromDayCount) {
    const Residue r = residueOf(query);
    const std::int64_t first = fromDayCount + 1;
    return first + Remainder(r.value - first, r.period);
}

std::int64_t PreviousDayCount(const CalendarRoundQuery& query, std::int64_t fromDayCount) {
    const Residue r = residueOf(query);
    const std::int64_t last = fromDayCount - 1;
    return last - Remainder(last - r.value, r.period);
}

} // namespace zentolk
