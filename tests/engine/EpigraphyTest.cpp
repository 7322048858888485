// Distance numbers, full dates, damaged dates, the 819-day count and year
// bearers, each against day arithmetic or a walk over the days.
#include "engine/Epigraphy.h"

#include "ReferenceModels.h"
#include "engine/Names.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace zentolk {
namespace {

using model::EvaluateDistanceChain;
using model::MatchesPattern;

constexpr std::int64_t Units[5] = {144000, 7200, 360, 20, 1};
constexpr int Limits[5] = {20, 20, 20, 18, 20};

std::string placesText(const int* v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += (i ? "." : "") + std::to_string(v[i]);
    return s;
}

TEST(DistanceNumber, ChainsComeToTheirDayArithmetic) {
    std::mt19937_64 rng(25);
    for (int n = 0; n < 5000; ++n) {
        int lc[5];
        std::int64_t expected = 0;
        for (int i = 0; i < 5; ++i) {
            lc[i] = static_cast<int>(rng() % Limits[i]);
            expected += lc[i] * Units[i];
        }
        std::string text = placesText(lc, 5);
        for (int term = static_cast<int>(rng() % 4); term > 0; --term) {
            const int places = 1 + static_cast<int>(rng() % 5);
            int dn[5];
            std::int64_t days = 0;
            for (int i = 0; i < places; ++i) {
                dn[i] = static_cast<int>(rng() % Limits[5 - places + i]);
                days += dn[i] * Units[5 - places + i];
            }
            const bool add = rng() % 2;
            text += (add ? " + " : "-") + placesText(dn, places);
            expected += add ? days : -days;
        }
        std::string error;
        SCOPED_TRACE(text);
        EXPECT_EQ(EvaluateDistanceChain(text, error), expected) << error;
        EXPECT_EQ(EvaluateDistanceChain(DistanceNumberText(expected), error), expected);
    }
}

TEST(DistanceNumber, RefusesNamingThePlace) {
    const std::pair<const char*, const char*> cases[] = {
        {"9.12.11.5.18 + 2.18.0", "uinal"},      {"9.12.11.5.18 + 20", "kin"},
        {"9.12.11.5.18 - 1.20.0.0", "tun"},      {"9.12.11.5.18 + 20.2.3.4.5.6", "pictun"},
        {"9.12.11.5.18 + ", "missing"},          {"9.12.11.5.18 + 2.x.0", "uinal 'x'"},
        {"9.12.11.5.18 + 20.0.0.0.0", "baktun"}, {"9.12.11.5 + 2.4.0", "five places"},
    };
    for (const auto& [text, part] : cases) {
        std::string error;
        EXPECT_FALSE(EvaluateDistanceChain(text, error)) << text;
        EXPECT_NE(error.find(part), std::string::npos) << text << ": " << error;
    }
    std::string error;
    EXPECT_EQ(EvaluateDistanceChain("-1.0.0.0.0 + 2.4.0", error), -144000 + 800);
    EXPECT_TRUE(HasDistanceChain("9.12.11.5.18+1"));
    EXPECT_FALSE(HasDistanceChain("-9.12.11.5.18"));
}

CalendarRoundQuery roundOf(std::int64_t day, unsigned which) {
    CalendarRoundQuery q;
    if (which & 1)
        q.tzolkin = TzolkinOf(day);
    if (which & 2)
        q.haab = HaabOf(day);
    return q;
}

// Suggestions against a walk over every day below 20 baktuns that differs
// from the given Long Count in exactly one place.
TEST(FullDate, ChecksAndSuggestsAsAWalkFinds) {
    std::mt19937_64 rng(819);
    for (int n = 0; n < 8; ++n) {
        const std::int64_t given = static_cast<std::int64_t>(rng() % 1872000);
        const FullDate date{given, roundOf(static_cast<std::int64_t>(rng() % 1872000), 1 + n % 3)};
        const FullDateCheck check = CheckFullDate(date);
        const LongCountPlaces g = LongCountOf(given);
        const int gp[5] = {g.baktun, g.katun, g.tun, g.uinal, g.kin};
        std::vector<std::int64_t> walked;
        for (std::int64_t d = 0; d < 20 * 144000; ++d) {
            const LongCountPlaces p = LongCountOf(d);
            const int dp[5] = {p.baktun, p.katun, p.tun, p.uinal, p.kin};
            int differ = 0;
            for (int i = 0; i < 5; ++i)
                differ += dp[i] != gp[i];
            if (differ == 1 && FitsRound(date.round, d))
                walked.push_back(d);
        }
        const bool fits = FitsRound(date.round, given);
        ASSERT_EQ(check.fits, fits || FitsRound(date.round, given - EraDays));
        if (check.fits)
            continue;
        std::sort(walked.begin(), walked.end(), [given](std::int64_t a, std::int64_t b) {
            return std::abs(a - given) != std::abs(b - given)
                       ? std::abs(a - given) < std::abs(b - given)
                       : a < b;
        });
        EXPECT_EQ(check.suggestions, walked) << LongCountText(g);
        EXPECT_FALSE(check.problem.empty());
    }
}

TEST(FullDate, MonumentExamples) {
    struct Case {
        const char* text;
        bool fits, previousEra;
        std::int64_t dayCount;
        const char* problem;
    };
    const Case cases[] = {
        {"9.12.11.5.18 6 Etznab 11 Yax", true, false, 1386478, ""},
        {"9.12.11.5.18 6 Etz'nab 11 Yax", true, false, 1386478, ""},
        {"9.12.11.5.18 11 Yax", true, false, 1386478, ""},
        {"13.0.0.0.0 4 Ajaw 8 Kumk'u", true, true, 0, ""},
        {"13.0.0.0.0 4 Ahau 3 Kankin", true, false, 1872000, ""},
        {"12.19.13.4.0 8 Ahau 18 Tzec", true, true, -2440, ""},
        {"12.19.13.4.0 (era before) 8 Ahau 18 Tzec", true, false, -2440, ""},
        {"9.12.11.5.18 6 Etznab 16 Yax", false, false, 1386478,
         "the Haab number 16 (the Long Count gives 11) does not fit 9.12.11.5.18"},
        {"9.12.11.5.18 7 Etznab", false, false, 1386478,
         "the Tzolkin number 7 (the Long Count gives 6) does not fit"},
        {"9.12.11.5.18 7 Ahau 3 Pop", false, false, 1386478,
         "the Tzolkin number 7 (the Long Count gives 6), the day sign Ahau (it gives Edznab), the "
         "Haab number 3 (it gives 11) and the month Pop (it gives Yax) do not fit"},
        {"9.12.11.5.18 4 Ahau 9 Cumku", false, false, 1386478, "never occurs"},
    };
    for (const Case& c : cases) {
        std::string error;
        const std::optional<FullDate> date = ParseFullDate(c.text, error);
        ASSERT_TRUE(date) << c.text << ": " << error;
        const FullDateCheck check = CheckFullDate(*date);
        EXPECT_EQ(check.fits, c.fits) << c.text;
        EXPECT_EQ(check.previousEra, c.previousEra) << c.text;
        EXPECT_EQ(check.dayCount, c.dayCount) << c.text;
        EXPECT_NE(check.problem.find(c.problem), std::string::npos) << c.text << check.problem;
    }
    std::string error;
    const FullDateCheck wrong =
        CheckFullDate(*ParseFullDate("9.12.11.5.18 6 Etznab 16 Yax", error));
    EXPECT_EQ(wrong.calendarRound, "6 Edznab 11 Yax");
    EXPECT_EQ(CheckFullDate(*ParseFullDate("9.12.11.5.18 7 Etznab", error), Spelling::Modern)
                  .calendarRound,
              "6 Etz'nab 11 Yax");
}

// Random damaged dates against a walk over a window of days.
TEST(DamagedDate, MatchesWhatAWalkFinds) {
    std::mt19937_64 rng(1872000);
    for (int n = 0; n < 300; ++n) {
        // Days of this era (its first pictuns) and the two before, each era's
        // places as it writes them.
        const std::int64_t model =
            static_cast<std::int64_t>(rng() % (2 * EraDays + 3 * PictunDays)) - 2 * EraDays;
        const LongCountPlaces p = LongCountOf(InscribedOf(model).count);
        const int mp[5] = {p.baktun, p.katun, p.tun, p.uinal, p.kin};
        DatePattern pattern;
        pattern.hasLongCount = rng() % 4 != 0;
        const auto keep = [&](int value) {
            return rng() % 3 == 0 ? std::optional<int>(value) : std::nullopt;
        };
        for (int i = 0; i < 5; ++i)
            pattern.places[i] = pattern.hasLongCount ? keep(mp[i]) : std::nullopt;
        // Places above the baktun: none written (0), the model's, or a *.
        if (const unsigned above = rng() % 3; pattern.hasLongCount && above > 0)
            pattern.pictuns = above == 1 ? std::optional<WideCount>(p.pictun) : std::nullopt;
        // Now and then a value the model day lacks, so that none may match.
        const std::int64_t other = rng() % 5 == 0 ? model + 1 : model;
        pattern.tzolkinNumber = keep(TzolkinOf(other).number);
        pattern.tzolkinSign = keep(TzolkinOf(model).sign);
        pattern.haabDay = keep(HaabOf(model).day);
        pattern.haabMonth = keep(HaabOf(other).month);
        // The first few over whole eras, both of their ends included.
        const std::int64_t span =
            n < 10 ? EraDays + 1 + (n % 2) * EraDays : 1 + static_cast<std::int64_t>(rng() % 60000);
        const std::int64_t from =
            n < 10 ? -(n % 3) * EraDays : model - static_cast<std::int64_t>(rng() % span);
        const std::int64_t to = from + span - 1;
        const std::int64_t limit = 1 + static_cast<std::int64_t>(rng() % 50);
        std::vector<std::int64_t> walked;
        std::int64_t total = 0;
        for (std::int64_t d = from; d <= to; ++d)
            if (MatchesPattern(pattern, d) && ++total <= limit)
                walked.push_back(d);
        const MatchResult found = MatchPattern(pattern, from, to, limit);
        ASSERT_EQ(found.total, total) << n;
        ASSERT_EQ(found.days, walked) << n;
    }
}

TEST(DamagedDate, ReadsPatterns) {
    std::string error;
    const std::optional<DatePattern> p = ParseDatePattern("9.*.*.0.0 * Ahau 8 *", error);
    ASSERT_TRUE(p) << error;
    EXPECT_EQ(p->places[0], 9);
    EXPECT_FALSE(p->places[1]);
    EXPECT_EQ(p->tzolkinSign, 20);
    EXPECT_FALSE(p->tzolkinNumber);
    EXPECT_EQ(p->haabDay, 8);
    EXPECT_FALSE(p->haabMonth);
    const MatchResult m = MatchPattern(*p, 0, 1872000, 1000);
    EXPECT_FALSE(m.days.empty());
    for (const char* bad : {"9.*.*.0 * Ahau", "9.*.*.18.0", "* Ahau 8 * 3", "14 Ahau",
                            "5 Uayeb * Ahau", "* Ahau * Imix", "", "9.*.*.0.0 * Nope"}) {
        error.clear();
        EXPECT_FALSE(ParseDatePattern(bad, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(Station819, EveryEighthHundredNineteenthDayFromTheCabanStation) {
    EXPECT_EQ(TzolkinOf(-3), (TzolkinDay{1, 17}));
    EXPECT_EQ(HaabOf(-3), (HaabDay{5, 18}));
    std::int64_t last = -3 - 819;
    for (std::int64_t d = -3 - 819; d < 200000; ++d) {
        if ((d + 3) % 819 == 0)
            last = d;
        ASSERT_EQ(Station819Of(d), last) << d;
    }
}

// The quarters of stations Thompson (1943) found counted back to on
// Yaxchilan Lintel 30 and Stela 11, the patrons he (1950) reads on
// Copan Stela D and for 13 Yax; then the stations' round east, south, west,
// north.
TEST(Station819, QuartersOfMonumentsAndIntroductoryPatrons) {
    const char* cases[][3] = {
        {"9.13.17.12.10 8 Oc 13 Yax", "east, red", "patron of Yax, the planet Venus"},
        {"9.16.1.0.0 11 Ahau 8 Tzec", "north, white", "patron of Tzec"},
        {"9.15.5.0.0 10 Ahau 8 Chen", "east, red", "patron of Chen, the moon goddess"},
    };
    for (const auto& c : cases) {
        std::string error;
        const std::int64_t day = CheckFullDate(*ParseFullDate(c[0], error)).dayCount;
        EXPECT_EQ(Station819QuarterText(day), c[1]) << c[0];
        EXPECT_EQ(IntroductoryPatronText(day), c[2]) << c[0];
    }
    for (std::int64_t d = -1000000; d < 3000000; d += 997) {
        const int q = static_cast<int>(Station819QuarterOf(d));
        ASSERT_EQ(static_cast<int>(Station819QuarterOf(d + StationDays)), (q + 3) % 4) << d;
        ASSERT_EQ(Station819QuarterOf(Station819Of(d) + StationDays - 1), Station819QuarterOf(d));
    }
}

TEST(YearBearer, TheTzolkinDayOfNewYearByEachSystem) {
    const int bearers[3][4] = {{2, 7, 12, 17}, {3, 8, 13, 18}, {4, 9, 14, 19}};
    std::int64_t newYear = 0;
    for (std::int64_t d = -400000; d < 400000; d += 7) {
        for (newYear = d; HaabOf(newYear) != HaabDay{0, 1};)
            --newYear;
        for (int s = 0; s < 3; ++s) {
            const TzolkinDay bearer = YearBearerOf(d, static_cast<YearBearerSystem>(s));
            ASSERT_EQ(bearer, TzolkinOf(newYear + s)) << d;
            ASSERT_NE(std::find(bearers[s], bearers[s] + 4, bearer.sign), bearers[s] + 4);
        }
    }
}

TEST(Spelling, ModernNamesReadBack) {
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(FindTzolkinSign(ModernTzolkinSign[i]), i + 1) << ModernTzolkinSign[i];
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(FindHaabMonth(ModernHaabMonth[i]), i + 1) << ModernHaabMonth[i];
    EXPECT_EQ(TzolkinText({4, 20}, Spelling::Modern), "4 Ajaw");
    EXPECT_EQ(HaabText({8, 18}, Spelling::Modern), "8 Kumk'u");
}

// Days over three eras either side of the start day, each written in its
// era's notation, read back to themselves, alone and as full dates; distance
// numbers without their leading zero places too.
TEST(Inscribed, EveryDayReadsBackAsItself) {
    std::vector<std::int64_t> days;
    for (std::int64_t d = -3 * EraDays; d <= 3 * EraDays; d += 61)
        days.push_back(d);
    for (std::int64_t era = -3; era <= 3; ++era)
        for (std::int64_t d = era * EraDays - 25; d <= era * EraDays + 25; ++d)
            days.push_back(d);
    for (const std::int64_t d : days) {
        const InscribedCount in = InscribedOf(d);
        ASSERT_TRUE(in.count >= 0 && (in.era == 0 ? in.count == d : in.count < EraDays)) << d;
        ASSERT_EQ(DayCountOfInscribed(in.era, in.count), d);
        std::string error;
        const std::string text = InscribedDayText(d);
        ASSERT_EQ(ParseInscribedLongCount(text, error), d) << text << error;
        const std::string spanish = InscribedDayText(d, Language::Spanish);
        ASSERT_EQ(ParseInscribedLongCount(spanish, error), d) << spanish << error;
        const std::string full = text + " " + CalendarRoundText(d, Spelling::Modern);
        const std::optional<LongCountDate> date = ReadLongCountDate(full, error, Spelling::Modern);
        ASSERT_TRUE(date && date->dayCount == d) << full << error;
        const std::int64_t distance = d < 0 ? -d : d;
        const std::string written = InscribedDistanceText(distance);
        ASSERT_TRUE(written == "0" || !written.starts_with("0")) << written;
        if (distance < PictunDays) {
            ASSERT_EQ(ParseDistanceNumber(written, error), distance) << written;
        }
    }
    // An era's last day, 13.0.0.0.0, is the next era's first.
    std::string error;
    EXPECT_EQ(ParseInscribedLongCount("13.0.0.0.0 (era before)", error), 0);
    EXPECT_EQ(ParseInscribedLongCount("13.0.0.0.0 2 eras before", error), -EraDays);
    EXPECT_FALSE(ParseInscribedLongCount("13.0.0.0.1 (era before)", error));
}

// Every day of a Calendar Round in either spelling reads back from each way
// of writing it: spaced, number glued to name, and a month's day 0 as its
// seating ("chum Mak", "seating of Mak", "20 Ceh").
TEST(Spelling, EveryCalendarRoundReadsBackInEveryForm) {
    for (std::int64_t d = 0; d < CalendarRoundDays; ++d) {
        const TzolkinDay t = TzolkinOf(d);
        const HaabDay h = HaabOf(d);
        for (const Spelling spelling : {Spelling::Colonial, Spelling::Modern}) {
            const std::string tz = TzolkinText(t, spelling);
            const std::string month(MonthNameOf(h.month, spelling));
            std::vector<std::string> forms = {tz + " " + HaabText(h, spelling),
                                              std::to_string(t.number) +
                                                  std::string(SignName(t.sign, spelling)) + " " +
                                                  std::to_string(h.day) + month};
            if (h.day == 0) {
                const int before = (h.month + HaabMonths - 2) % HaabMonths + 1;
                forms.push_back(tz + " chum " + month);
                forms.push_back(tz + " seating of " + month);
                forms.push_back(tz + " " + std::to_string(HaabMonthLength(before)) + " " +
                                std::string(MonthNameOf(before, spelling)));
            }
            for (const std::string& form : forms) {
                std::string error;
                const std::optional<CalendarRoundQuery> q = ParseCalendarRound(form, error);
                ASSERT_TRUE(q && q->tzolkin == t && q->haab == h) << form << error;
            }
        }
    }
}

TEST(Spelling, ClassicMonthsAndWordsOfTwoCalendars) {
    const std::pair<const char*, int> classic[] = {
        {"K'anjalaw", 1}, {"Ik'at", 2},      {"Chakat", 3}, {"Sotz'", 4},    {"Kasew", 5},
        {"Chikin", 6},    {"Yaxk'in", 7},    {"Mol", 8},    {"Ik'sihom", 9}, {"Yaxsihom", 10},
        {"Saksihom", 11}, {"Chaksihom", 12}, {"Mak", 13},   {"Uniw", 14},    {"Muwaan", 15},
        {"Pax", 16},      {"K'anasiiy", 17}, {"Ohl", 18},   {"Wayhaab", 19}, {"Kaseew", 5}};
    for (const auto& [name, month] : classic)
        EXPECT_EQ(FindHaabMonth(name), month) << name;
    // Kej is Manik in the highlands and Ceh in modern spellings: the other
    // day of the pair decides, or the number; alone it is named.
    const std::tuple<const char*, std::optional<HaabDay>, std::optional<TzolkinDay>> cases[] = {
        {"8 Ahau 3 Kej", HaabDay{3, 12}, TzolkinDay{8, 20}},
        {"8 Kej 18 Tzec", HaabDay{18, 5}, TzolkinDay{8, 7}},
        {"3 Kej 8 Ahau", HaabDay{3, 12}, TzolkinDay{8, 20}},
        {"15 Kej", HaabDay{15, 12}, std::nullopt},
    };
    for (const auto& [text, haab, tzolkin] : cases) {
        std::string error;
        const std::optional<CalendarRoundQuery> q = ParseCalendarRound(text, error);
        ASSERT_TRUE(q) << text << error;
        EXPECT_EQ(q->haab, haab) << text;
        EXPECT_EQ(q->tzolkin, tzolkin) << text;
    }
    std::string error;
    EXPECT_FALSE(ParseCalendarRound("3 Kej", error));
    EXPECT_NE(error.find("'Kej' is both"), std::string::npos) << error;
}

// Deep counts, up to 29 places: written and read back exactly, their cycles
// those of the day count wherever 64 bits hold it.
TEST(Inscribed, DeepCountsReadBackAndKeepTheirCycles) {
    std::mt19937_64 rng(2880000);
    for (int n = 0; n < 20000; ++n) {
        const WideCount count =
            (static_cast<WideCount>(rng() >> (n % 64)) << (n % 61)) * (n % 2 ? 1 : -1);
        std::string text = WideLongCountText(count);
        // Leading zero places pad it to seven, as a deep count is written.
        const bool negative = text.starts_with('-');
        while (std::count(text.begin(), text.end(), '.') < 6)
            text.insert(negative, "0.");
        std::string error;
        const std::optional<WideCount> read = ParseWideLongCount(text, error);
        ASSERT_TRUE(read && *read == count) << text << error;
        const auto day = static_cast<std::int64_t>(count);
        // Within 64 bits, with room for the cycles' own arithmetic.
        if (day == count && day > INT64_MIN / 2 && day < INT64_MAX / 2) {
            ASSERT_EQ(TzolkinOf(CycleDayOf(count)), TzolkinOf(day));
            ASSERT_EQ(HaabOf(CycleDayOf(count)), HaabOf(day));
            ASSERT_EQ(LordOfTheNightOf(CycleDayOf(count)), LordOfTheNightOf(day));
            ASSERT_EQ(CycleDayOf(count) - Station819Of(CycleDayOf(count)), day - Station819Of(day));
        }
    }
    std::string error;
    EXPECT_FALSE(
        ParseWideLongCount("1.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0", error));
    EXPECT_EQ(ParseDistanceNumber("1.0.0.0.0.0", error), 2880000);
}

// Deep counts with their Calendar Round read back as the same day, and a
// chain of one distance number from one to another is plain wide arithmetic.
TEST(Inscribed, DeepDistancesAreWideArithmetic) {
    std::mt19937_64 rng(20);
    const auto count = [&](int n) {
        return (static_cast<WideCount>(rng() >> (n % 64)) << (n % 61)) * (rng() % 2 ? 1 : -1);
    };
    for (int n = 0; n < 5000; ++n) {
        const WideCount a = count(n), b = count(n + 7);
        std::string text = WideLongCountText(a);
        while (std::count(text.begin(), text.end(), '.') < 6)
            text.insert(text.starts_with('-'), "0.");
        text += " " + CalendarRoundText(CycleDayOf(a));
        std::string error;
        const std::optional<WideLongCountDate> read = ReadWideLongCountDate(text, error);
        ASSERT_TRUE(read && read->dayCount == a) << text << error;
        const WideCount d = b - a;
        const std::string chain = (d < 0 ? "- " : "+ ") + InscribedWideDistanceText(d < 0 ? -d : d);
        const std::optional<WideCount> reached = ApplyWideDistances(a, chain, error);
        ASSERT_TRUE(reached && *reached == b) << chain << error;
        if (const std::optional<std::int64_t> narrow = NarrowDayCount(a)) {
            ASSERT_EQ(WideNumberText(a), std::to_string(*narrow));
        }
    }
}

// Calendar Rounds alone counted with: the same as counting the days.
TEST(CalendarRoundArithmetic, AgreesWithDayArithmetic) {
    std::mt19937_64 rng(18980);
    for (int n = 0; n < 20000; ++n) {
        const std::int64_t d = static_cast<std::int64_t>(rng() % (4 * EraDays)) - 2 * EraDays;
        const std::int64_t k = static_cast<std::int64_t>(rng() % 200000) - 100000;
        const CalendarRoundQuery from{TzolkinOf(d), HaabOf(d), {}};
        const CalendarRoundQuery shifted = ShiftedRound(from, k);
        ASSERT_TRUE(shifted.tzolkin == TzolkinOf(d + k) && shifted.haab == HaabOf(d + k)) << n;
        const CalendarRoundQuery to{TzolkinOf(d + k), HaabOf(d + k), {}};
        const std::optional<RoundDistance> full = CalendarRoundDistance(from, to);
        ASSERT_TRUE(full && full->days == Remainder<std::int64_t>(k, CalendarRoundDays) &&
                    full->period == CalendarRoundDays);
        const std::optional<RoundDistance> tz =
            CalendarRoundDistance({from.tzolkin, {}, {}}, {to.tzolkin, {}, {}});
        ASSERT_TRUE(tz && tz->days == Remainder<std::int64_t>(k, TzolkinDays));
        const std::optional<RoundDistance> haab =
            CalendarRoundDistance({{}, from.haab, {}}, {{}, to.haab, {}});
        ASSERT_TRUE(haab && haab->days == Remainder<std::int64_t>(k, HaabDays));
    }
    EXPECT_FALSE(CalendarRoundDistance({TzolkinDay{}, {}, {}}, {{}, HaabDay{}, {}}));
}

// One side giving less than the other: the least forward distance from any
// day with the first's parts to a day with the second's, found by a walk.
TEST(CalendarRoundArithmetic, PartsGivenOnOneSideOnly) {
    std::mt19937_64 rng(365);
    const auto parts = [](std::int64_t d, unsigned which) {
        return CalendarRoundQuery{which & 1 ? std::optional(TzolkinOf(d)) : std::nullopt,
                                  which & 2 ? std::optional(HaabOf(d)) : std::nullopt,
                                  {}};
    };
    for (int n = 0; n < 300; ++n) {
        const std::int64_t d = static_cast<std::int64_t>(rng() % CalendarRoundDays);
        const std::int64_t e = static_cast<std::int64_t>(rng() % CalendarRoundDays);
        const unsigned a = 1 + n % 3, b = 1 + n / 3 % 3; // 1 Tzolkin, 2 Haab, 3 both
        const CalendarRoundQuery from = parts(d, a), to = parts(e, b);
        const std::optional<RoundDistance> got = CalendarRoundDistance(from, to);
        if ((a | b) == 3 && (a & b) == 0) {
            ASSERT_FALSE(got) << n; // a Tzolkin day against a Haab day alone
            continue;
        }
        std::vector<std::int64_t> starts; // every day of a round with the first's parts
        for (std::int64_t x = 0; x < CalendarRoundDays; ++x)
            if (FitsRound(from, x))
                starts.push_back(x);
        std::int64_t least = -1;
        for (std::int64_t t = 0; least < 0; ++t)
            for (const std::int64_t x : starts)
                least = least < 0 && FitsRound(to, x + t) ? t : least;
        const std::int64_t shared = (a & b) == 3  ? CalendarRoundDays
                                    : (a & b) & 1 ? TzolkinDays
                                                  : HaabDays;
        ASSERT_TRUE(got && got->days == least && got->period == shared) << n;
    }
}

} // namespace
} // namespace zentolk
