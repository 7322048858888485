// Distance numbers, full dates, damaged dates, the 819-day count and year
// bearers, each against day arithmetic or a walk over the days.
#include "engine/Epigraphy.h"

#include "ReferenceModels.h"
#include "engine/Names.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

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
        {"9.12.11.5.18 - 1.20.0.0", "tun"},      {"9.12.11.5.18 + 1.2.3.4.5.6", "five places"},
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
        {"9.12.11.5.18 6 Etznab 16 Yax", false, false, 1386478, "the Haab day 16 Yax"},
        {"9.12.11.5.18 7 Etznab", false, false, 1386478, "the Tzolkin day 7 Edznab"},
        {"9.12.11.5.18 7 Ahau 3 Pop", false, false, 1386478, "neither the Tzolkin day 7 Ahau"},
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
        const std::int64_t model = static_cast<std::int64_t>(rng() % 1872000);
        const LongCountPlaces p = LongCountOf(model);
        const int mp[5] = {p.baktun, p.katun, p.tun, p.uinal, p.kin};
        DatePattern pattern;
        pattern.hasLongCount = rng() % 4 != 0;
        const auto keep = [&](int value) {
            return rng() % 3 == 0 ? std::optional<int>(value) : std::nullopt;
        };
        for (int i = 0; i < 5; ++i)
            pattern.places[i] = pattern.hasLongCount ? keep(mp[i]) : std::nullopt;
        // Now and then a value the model day lacks, so that none may match.
        const std::int64_t other = rng() % 5 == 0 ? model + 1 : model;
        pattern.tzolkinNumber = keep(TzolkinOf(other).number);
        pattern.tzolkinSign = keep(TzolkinOf(model).sign);
        pattern.haabDay = keep(HaabOf(model).day);
        pattern.haabMonth = keep(HaabOf(other).month);
        const std::int64_t span = n < 10 ? 1872001 : 1 + static_cast<std::int64_t>(rng() % 60000);
        const std::int64_t from = n < 10 ? 0 : model - static_cast<std::int64_t>(rng() % span);
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

} // namespace
} // namespace zentolk
