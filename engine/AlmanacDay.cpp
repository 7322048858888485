#include "AlmanacDay.h"

#include "DayNumber.h"
#include "NumberText.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace zentolk {

namespace {
constexpr std::int64_t Pictun = 2880000;
constexpr std::int64_t Baktun = 144000;
constexpr std::int64_t Katun = 7200;
constexpr std::int64_t Tun = 360;
constexpr std::int64_t Uinal = 20;

// The start day is 4 Ahau 8 Cumku: Haab position 17 * 20 + 8 of the year.
constexpr std::int64_t StartHaabPosition = 348;

constexpr std::int64_t mod(std::int64_t a, std::int64_t b) {
    const std::int64_t r = a % b;
    return r < 0 ? r + b : r;
}

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

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
        out += lower(static_cast<char>(c));
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
    {"pop", 1},     {"uo", 2},     {"wo", 2},     {"zip", 3},    {"sip", 3},    {"zotz", 4},
    {"sotz", 4},    {"tzec", 5},   {"zec", 5},    {"sec", 5},    {"sek", 5},    {"tsek", 5},
    {"xul", 6},     {"yaxkin", 7}, {"mol", 8},    {"chen", 9},   {"yax", 10},   {"zac", 11},
    {"sak", 11},    {"sac", 11},   {"ceh", 12},   {"keh", 12},   {"mac", 13},   {"mak", 13},
    {"kankin", 14}, {"muan", 15},  {"muwan", 15}, {"pax", 16},   {"kayab", 17}, {"cumku", 18},
    {"kumku", 18},  {"cumhu", 18}, {"uayeb", 19}, {"wayeb", 19},
};

template <std::size_t N> int findAlias(const Alias (&aliases)[N], std::string_view name) {
    const std::string key = normalizedName(name);
    for (const Alias& alias : aliases)
        if (alias.spelling == key)
            return alias.index;
    return 0;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// Decimal digits only, no sign; false for anything else or more than 18 digits.
bool parseDigits(std::string_view text, std::int64_t& value) {
    if (text.empty() || text.size() > 18)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return true;
}

// Appended piece by piece: GCC 12 at -O3 warns falsely on "'" + std::string.
std::string quotedText(std::string_view text) {
    std::string quoted(1, '\'');
    quoted += text;
    quoted += '\'';
    return quoted;
}

// Residues of the searched day count and the cycle they repeat in.
struct Residue {
    std::int64_t value;
    std::int64_t period;
};

std::int64_t tzolkinResidue(const TzolkinDay& day) {
    // The start day is number 4 and sign 20: count mod 13 and mod 20, joined.
    const std::int64_t a = mod(day.number - 4, 13);
    const std::int64_t b = mod(day.sign, 20);
    return mod(a * 40 + b * 221, 260); // 40 = 1 mod 13, 0 mod 20; 221 = 0 mod 13, 1 mod 20
}

std::int64_t haabResidue(const HaabDay& day) {
    return mod(20 * (day.month - 1) + day.day - StartHaabPosition, 365);
}

Residue residueOf(const CalendarRoundQuery& query) {
    if (query.tzolkin && query.haab) {
        // Both cycles share the factor 5; the pair exists when the residues
        // agree mod 5, and then recurs every 18980 days.
        const std::int64_t t = tzolkinResidue(*query.tzolkin);
        const std::int64_t h = haabResidue(*query.haab);
        const std::int64_t k = mod((h - t) / 5 * 66, 73); // 66 * 52 = 1 mod 73
        return {t + 260 * k, 18980};
    }
    if (query.tzolkin)
        return {tzolkinResidue(*query.tzolkin), 260};
    if (query.haab)
        return {haabResidue(*query.haab), 365};
    return {0, 1};
}

std::string joinIndexes(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += i + 1 == items.size() ? " and " : ", ";
        out += items[i];
    }
    return out;
}
} // namespace

std::string_view CorrelationName(std::int64_t correlation) {
    for (const NamedCorrelation& named : NamedCorrelations)
        if (named.value == correlation)
            return named.name;
    return {};
}

std::optional<std::int64_t> ParseCorrelation(std::string_view text, std::string& error) {
    const std::string_view t = trimmed(text);
    for (const NamedCorrelation& named : NamedCorrelations)
        if (equalsIgnoringCase(t, named.key) || equalsIgnoringCase(t, named.name))
            return named.value;
    std::string_view digits = t;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative || (!digits.empty() && digits.front() == '+'))
        digits.remove_prefix(1);
    std::int64_t value;
    if (!parseDigits(digits, value)) {
        error = "the correlation " + quotedText(text) +
                " is neither a number nor one of gmt, lounsbury, martinez, martin-skidmore, "
                "spinden, fuls";
        return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < MinCorrelation || value > MaxCorrelation) {
        error = "the correlation " + std::string(t) + " lies outside " +
                std::to_string(MinCorrelation) + " to " + std::to_string(MaxCorrelation);
        return std::nullopt;
    }
    return value;
}

TzolkinDay TzolkinOf(std::int64_t dayCount) {
    return {static_cast<int>(mod(dayCount + 3, 13)) + 1,
            static_cast<int>(mod(dayCount + 19, 20)) + 1};
}

HaabDay HaabOf(std::int64_t dayCount) {
    const std::int64_t position = mod(dayCount + StartHaabPosition, 365);
    return {static_cast<int>(position % 20), static_cast<int>(position / 20) + 1};
}

int LordOfTheNightOf(std::int64_t dayCount) {
    const int lord = static_cast<int>(mod(dayCount, 9));
    return lord == 0 ? 9 : lord;
}

LongCountPlaces LongCountOf(std::int64_t dayCount) {
    LongCountPlaces p;
    p.negative = dayCount < 0;
    std::int64_t r = p.negative ? -dayCount : dayCount;
    p.pictun = r / Pictun;
    r %= Pictun;
    p.baktun = static_cast<int>(r / Baktun);
    r %= Baktun;
    p.katun = static_cast<int>(r / Katun);
    r %= Katun;
    p.tun = static_cast<int>(r / Tun);
    r %= Tun;
    p.uinal = static_cast<int>(r / Uinal);
    p.kin = static_cast<int>(r % Uinal);
    return p;
}

AlmanacDay ComputeAlmanac(std::int64_t jdn, std::int64_t correlation) {
    AlmanacDay a;
    a.jdn = jdn;
    a.correlation = correlation;
    a.dayCount = jdn - correlation;
    a.gregorian = JdnToCivil(Calendar::Gregorian, jdn);
    a.julian = JdnToCivil(Calendar::Julian, jdn);
    a.longCount = LongCountOf(a.dayCount);
    a.tzolkin = TzolkinOf(a.dayCount);
    a.haab = HaabOf(a.dayCount);
    a.lordOfTheNight = LordOfTheNightOf(a.dayCount);
    return a;
}

std::string LongCountText(const LongCountPlaces& p) {
    std::string out = p.negative ? "-" : "";
    if (p.pictun > 0)
        out += std::to_string(p.pictun) + ".";
    for (int place : {p.baktun, p.katun, p.tun, p.uinal})
        out += std::to_string(place) + ".";
    out += std::to_string(p.kin);
    return out;
}

std::string TzolkinText(const TzolkinDay& day) {
    return std::to_string(day.number) + " " + std::string(TzolkinSign[day.sign - 1]);
}

std::string HaabText(const HaabDay& day) {
    return std::to_string(day.day) + " " + std::string(HaabMonth[day.month - 1]);
}

std::string CivilDateText(const CivilDate& date) {
    static constexpr std::string_view Month[12] = {"January",   "February", "March",    "April",
                                                   "May",       "June",     "July",     "August",
                                                   "September", "October",  "November", "December"};
    const bool bc = date.year < 1;
    return std::string(Month[date.month - 1]) + " " + std::to_string(date.day) + ", " +
           std::to_string(bc ? 1 - date.year : date.year) + (bc ? " B.C." : " A.D.");
}

std::string IsoDateText(const CivilDate& date) {
    const auto twoDigits = [](int part) {
        return std::string(part < 10 ? "0" : "") + std::to_string(part);
    };
    return std::to_string(date.year) + "-" + twoDigits(date.month) + "-" + twoDigits(date.day);
}

std::optional<std::int64_t> ParseLongCount(std::string_view text, std::string& error) {
    std::string_view t = trimmed(text);
    const bool negative = !t.empty() && t.front() == '-';
    if (negative)
        t.remove_prefix(1);
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t dot = t.find('.');
        parts.push_back(t.substr(0, dot));
        if (dot == std::string_view::npos)
            break;
        t.remove_prefix(dot + 1);
    }
    if (parts.size() != 5 && parts.size() != 6) {
        error = "a Long Count has five places (baktun.katun.tun.uinal.kin) or six (pictun "
                "first), not " +
                std::to_string(parts.size()) + ": " + quotedText(trimmed(text));
        return std::nullopt;
    }
    struct Place {
        std::string_view name;
        std::int64_t limit; // one past the largest value
        std::int64_t days;
    };
    static constexpr Place Places[6] = {{"pictun", 1000, Pictun}, {"baktun", 20, Baktun},
                                        {"katun", 20, Katun},     {"tun", 20, Tun},
                                        {"uinal", 18, Uinal},     {"kin", 20, 1}};
    const std::size_t first = 6 - parts.size();
    std::int64_t count = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Place& place = Places[first + i];
        const std::string_view part = trimmed(parts[i]);
        std::int64_t value;
        if (!parseDigits(part, value)) {
            error = "the " + std::string(place.name) + " " + quotedText(part) +
                    " is not a number (place " + std::to_string(i + 1) + " of " +
                    std::to_string(parts.size()) + ")";
            return std::nullopt;
        }
        if (value >= place.limit) {
            error = "the " + std::string(place.name) + " must be 0 to " +
                    std::to_string(place.limit - 1) + ", not " + std::string(part);
            return std::nullopt;
        }
        count += value * place.days;
    }
    return negative ? -count : count;
}

int FindTzolkinSign(std::string_view name) {
    return findAlias(TzolkinAliases, name);
}
int FindHaabMonth(std::string_view name) {
    return findAlias(HaabAliases, name);
}

std::optional<CalendarRoundQuery> ParseCalendarRound(std::string_view text, std::string& error) {
    // Words are separated by blanks; a number may also be glued to its name ("4Ahau").
    std::vector<std::string_view> words;
    std::string_view t = trimmed(text);
    while (!t.empty()) {
        std::size_t end = 0;
        while (end < t.size() && !std::isspace(static_cast<unsigned char>(t[end])))
            ++end;
        std::string_view word = t.substr(0, end);
        std::size_t digits = 0;
        while (digits < word.size() && word[digits] >= '0' && word[digits] <= '9')
            ++digits;
        if (digits > 0 && digits < word.size()) {
            words.push_back(word.substr(0, digits));
            words.push_back(word.substr(digits));
        } else {
            words.push_back(word);
        }
        t = trimmed(t.substr(end));
    }
    if (words.size() != 2 && words.size() != 4) {
        error = "expected a Tzolkin day (\"4 Ahau\"), a Haab day (\"8 Cumku\") or both (\"4 Ahau "
                "8 Cumku\"), not " +
                quotedText(trimmed(text));
        return std::nullopt;
    }
    CalendarRoundQuery query;
    for (std::size_t i = 0; i < words.size(); i += 2) {
        const std::string_view numberText = words[i];
        const std::string_view name = words[i + 1];
        std::int64_t number;
        if (!parseDigits(numberText, number)) {
            error = quotedText(numberText) + " is not the number of a day (in " +
                    quotedText(trimmed(text)) + ")";
            return std::nullopt;
        }
        if (const int sign = FindTzolkinSign(name); sign != 0) {
            if (query.tzolkin) {
                error = "two Tzolkin days in " + quotedText(trimmed(text));
                return std::nullopt;
            }
            if (number < 1 || number > 13) {
                error = "a Tzolkin number is 1 to 13, not " + std::string(numberText);
                return std::nullopt;
            }
            query.tzolkin = TzolkinDay{static_cast<int>(number), sign};
        } else if (const int month = FindHaabMonth(name); month != 0) {
            if (query.haab) {
                error = "two Haab days in " + quotedText(trimmed(text));
                return std::nullopt;
            }
            const std::int64_t days = month == 19 ? 5 : 20;
            if (number >= days) {
                error = std::string(HaabMonth[month - 1]) + " has days 0 to " +
                        std::to_string(days - 1) + ", not " + std::string(numberText);
                return std::nullopt;
            }
            query.haab = HaabDay{static_cast<int>(number), month};
        } else {
            error = quotedText(name) + " is neither a Tzolkin day sign nor a Haab month";
            return std::nullopt;
        }
    }
    return query;
}

std::string WhyNoDay(const CalendarRoundQuery& query) {
    if (!query.tzolkin && !query.haab)
        return "no Tzolkin or Haab day was given";
    if (!query.tzolkin || !query.haab)
        return {};
    const TzolkinDay& tz = *query.tzolkin;
    const HaabDay& haab = *query.haab;
    if (mod(tzolkinResidue(tz) - haabResidue(haab), 5) == 0)
        return {};
    // A sign recurs every 20 days and a Haab month has 20 days, so each sign
    // meets only the Haab days that agree with it mod 5.
    std::vector<std::string> days, signs;
    for (int d = 0; d < 20; ++d)
        if (mod(tzolkinResidue({1, tz.sign}) - haabResidue({d, 1}), 5) == 0 && d < 20)
            days.push_back(std::to_string(d));
    for (int s = 1; s <= 20; ++s)
        if (mod(tzolkinResidue({1, s}) - haabResidue({haab.day, 1}), 5) == 0)
            signs.push_back(std::string(TzolkinSign[s - 1]));
    return TzolkinText(tz) + " " + HaabText(haab) +
           " never occurs: " + std::string(TzolkinSign[tz.sign - 1]) + " falls only on Haab days " +
           joinIndexes(days) + " of a month, and day " + std::to_string(haab.day) +
           " of a month only on " + joinIndexes(signs) + " (only 18,980 of the 94,900 pairs exist)";
}

std::int64_t NextDayCount(const CalendarRoundQuery& query, std::int64_t fromDayCount) {
    const Residue r = residueOf(query);
    const std::int64_t first = fromDayCount + 1;
    return first + mod(r.value - first, r.period);
}

std::int64_t PreviousDayCount(const CalendarRoundQuery& query, std::int64_t fromDayCount) {
    const Residue r = residueOf(query);
    const std::int64_t last = fromDayCount - 1;
    return last - mod(last - r.value, r.period);
}

std::optional<std::int64_t> ReadingDayNumber(std::string_view month, std::string_view day,
                                             std::string_view year, std::int32_t eraIndex) {
    std::int32_t m, d, y;
    if (!ParseInteger(month, m) || !ParseInteger(day, d) || !ParseInteger(year, y))
        return std::nullopt;
    const std::optional<std::int32_t> astronomical = AstronomicalYear(y, eraIndex);
    if (!astronomical)
        return std::nullopt;
    const std::optional<std::int32_t> jdn = DayNumber(m, d, *astronomical);
    std::int32_t unused;
    if (!jdn || __builtin_sub_overflow(*jdn, StartDay, &unused))
        return std::nullopt;
    return *jdn;
}

std::optional<FieldDate> FieldDateOf(std::int64_t jdn) {
    const CivilDate date = JdnToCivil(Calendar::Gregorian, jdn);
    const bool bc = date.year < 1;
    const std::int64_t year = bc ? 1 - date.year : date.year;
    if (year > MaxFieldYear)
        return std::nullopt;
    return FieldDate{date.month, date.day, static_cast<std::int32_t>(year), bc ? 1 : 0};
}

std::optional<std::int64_t> ParseDateText(std::string_view text, Calendar calendar,
                                          std::string& error) {
    std::vector<std::string_view> words;
    std::string_view t = trimmed(text);
    while (!t.empty()) {
        std::size_t end = 0;
        while (end < t.size() && !std::isspace(static_cast<unsigned char>(t[end])) && t[end] != '/')
            ++end;
        words.push_back(t.substr(0, end));
        t = trimmed(t.substr(end < t.size() && t[end] == '/' ? end + 1 : end));
    }
    bool bc = false;
    if (words.size() == 4) {
        if (equalsIgnoringCase(words[3], "B.C.") || equalsIgnoringCase(words[3], "BC")) {
            bc = true;
        } else if (!equalsIgnoringCase(words[3], "A.D.") && !equalsIgnoringCase(words[3], "AD")) {
            error = "the era must be A.D. or B.C., not " + quotedText(words[3]);
            return std::nullopt;
        }
        words.pop_back();
    }
    if (words.size() != 3) {
        error = "expected MONTH DAY YEAR [A.D. or B.C.], not " + quotedText(trimmed(text));
        return std::nullopt;
    }
    std::int64_t parts[3];
    static constexpr std::string_view Names[3] = {"month", "day", "year"};
    for (int i = 0; i < 3; ++i) {
        std::string_view word = words[i];
        const bool negative = i == 2 && !word.empty() && word.front() == '-';
        if (negative)
            word.remove_prefix(1);
        if (!parseDigits(word, parts[i])) {
            error =
                "the " + std::string(Names[i]) + " " + quotedText(words[i]) + " is not a number";
            return std::nullopt;
        }
        if (negative)
            parts[i] = -parts[i];
    }
    const std::int64_t year = bc ? 1 - parts[2] : parts[2];
    if (year < MinCivilYear || year > MaxCivilYear) {
        error = "the year lies outside 1,000,001 B.C. to 1,000,000 A.D.";
        return std::nullopt;
    }
    if (parts[0] < 1 || parts[0] > 12) {
        error = "the month must be 1 to 12, not " + std::to_string(parts[0]);
        return std::nullopt;
    }
    const int length = DaysInMonth(calendar, year, static_cast<int>(parts[0]));
    if (parts[1] < 1 || parts[1] > length) {
        error = "that month has days 1 to " + std::to_string(length) + ", not " +
                std::to_string(parts[1]);
        return std::nullopt;
    }
    return CivilToJdn(calendar, {year, static_cast<int>(parts[0]), static_cast<int>(parts[1])});
}

} // namespace zentolk
