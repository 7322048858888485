// The almanac: exact day numbers, Long Counts under a correlation, Haab,
// Calendar Round, Lords of the Night and the searches.
#include "engine/AlmanacDay.h"
#include "engine/Names.h"
#include "engine/TextWriters.h"

#include <gtest/gtest.h>
#include <random>
#include <string_view>

namespace zentolk {
namespace {

constexpr Calendar G = Calendar::Gregorian;
constexpr Calendar J = Calendar::Julian;

// Day numbers cross-checked with python3-convertdate (proleptic calendars,
// astronomical years) and the usual reference points of the literature.
TEST(CivilCalendar, KnownDayNumbers) {
    struct Case {
        Calendar calendar;
        CivilDate date;
        std::int64_t jdn;
    };
    const Case cases[] = {
        {J, {-4712, 1, 1}, 0},             // day zero of the Julian Day count
        {G, {-4713, 11, 24}, 0},           // the same day, Gregorian
        {G, {-3113, 8, 11}, 584283},       // the start day of the Long Count
        {J, {-3113, 9, 6}, 584283},        //
        {J, {1582, 10, 4}, 2299160},       // the last Julian day in Rome
        {G, {1582, 10, 15}, 2299161},      // the first Gregorian one
        {G, {2000, 1, 1}, 2451545},        //
        {G, {2012, 12, 21}, 2456283},      // 13.0.0.0.0
        {G, {-1000000, 1, 1}, -363521440}, //
        {G, {1000000, 12, 31}, 366963925}, //
        {J, {-1000000, 1, 1}, -363528942}, //
        {J, {1000000, 12, 31}, 366971423}, //
        {G, {-400, 2, 29}, 1575022},       // leap day of a year divisible by 400
        {J, {-100, 2, 29}, CivilToJdn(J, {-100, 3, 1}).value() - 1}, // every 4th Julian year
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date.year * 10000 + c.date.month * 100 + c.date.day);
        EXPECT_EQ(CivilToJdn(c.calendar, c.date), c.jdn);
        EXPECT_EQ(JdnToCivil(c.calendar, c.jdn), c.date);
    }
    EXPECT_EQ(MinJdn, -363528942);
    EXPECT_EQ(MaxJdn, 366971423);
}

TEST(CivilCalendar, RejectsDaysThatDoNotExist) {
    for (const auto& [calendar, date] :
         std::initializer_list<std::pair<Calendar, CivilDate>>{{G, {1900, 2, 29}},
                                                               {G, {-100, 2, 29}},
                                                               {J, {1900, 3, 32}},
                                                               {G, {2024, 13, 1}},
                                                               {G, {2024, 0, 1}},
                                                               {G, {2024, 4, 31}},
                                                               {J, {2023, 2, 29}},
                                                               {G, {2024, 1, 0}},
                                                               {G, {1000100, 1, 1}},
                                                               {J, {-1000001, 12, 31}}})
        EXPECT_FALSE(CivilToJdn(calendar, date))
            << date.year << "-" << date.month << "-" << date.day;
}

// Every day of the range maps to a date and back; consecutive days are
// consecutive dates (checked over stretches at the edges and around year 0).
TEST(CivilCalendar, RoundTripsOverTheWholeRange) {
    std::mt19937_64 rng(13);
    std::uniform_int_distribution<std::int64_t> anyDay(MinJdn, MaxJdn);
    for (Calendar calendar : {G, J}) {
        for (int i = 0; i < 200000; ++i) {
            const std::int64_t jdn = anyDay(rng);
            EXPECT_EQ(CivilToJdn(calendar, JdnToCivil(calendar, jdn)).value_or(-1), jdn);
        }
        for (std::int64_t start : {MinJdn, std::int64_t{1721000}, MaxJdn - 800}) {
            CivilDate d = JdnToCivil(calendar, start);
            for (std::int64_t jdn = start + 1; jdn <= start + 800; ++jdn) {
                const CivilDate next = JdnToCivil(calendar, jdn);
                const bool sameMonth = next.year == d.year && next.month == d.month;
                EXPECT_TRUE(sameMonth ? next.day == d.day + 1 : next.day == 1) << jdn;
                EXPECT_EQ(DaysInMonth(calendar, d.year, d.month) == d.day, !sameMonth) << jdn;
                d = next;
            }
        }
    }
}

// Monument and period-ending dates with the Calendar Rounds the inscriptions
// carry (the Long Count texts read as days since the start day).
TEST(Almanac, KnownMonumentDates) {
    struct Case {
        const char* longCount;
        const char* tzolkin;
        const char* haab;
        std::int64_t jdn; // under 584283
        CivilDate julian;
    };
    const Case cases[] = {
        {"0.0.0.0.0", "4 Ahau", "8 Cumku", 584283, {-3113, 9, 6}},      // the start day
        {"13.0.0.0.0", "4 Ahau", "3 Kankin", 2456283, {2012, 12, 8}},   // 21 Dec 2012 Gregorian
        {"8.12.14.8.15", "13 Men", "3 Zip", 1827898, {292, 7, 6}},      // Tikal Stela 29
        {"8.14.3.1.12", "1 Eb", "0 Yaxkin", 1838195, {320, 9, 14}},     // Leiden Plaque
        {"9.0.0.0.0", "8 Ahau", "13 Ceh", 1880283, {435, 12, 8}},       // period ending
        {"9.8.9.13.0", "8 Ahau", "13 Pop", 1941383, {603, 3, 21}},      // Palenque, a birth
        {"9.9.2.4.8", "5 Lamat", "1 Mol", 1945891, {615, 7, 24}},       // Palenque, accession
        {"9.12.11.5.18", "6 Edznab", "11 Yax", 1970761, {683, 8, 26}},  // Palenque, a death
        {"9.10.10.0.0", "13 Ahau", "18 Kankin", 1955883, {642, 12, 1}}, // period ending
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longCount);
        std::string error;
        const std::optional<std::int64_t> count = ParseLongCount(c.longCount, error);
        ASSERT_TRUE(count) << error;
        const AlmanacDay a = ComputeAlmanac(*count + DefaultCorrelation, DefaultCorrelation);
        EXPECT_EQ(a.jdn, c.jdn);
        EXPECT_EQ(a.julian, c.julian);
        EXPECT_EQ(TzolkinText(a.tzolkin), c.tzolkin);
        EXPECT_EQ(HaabText(a.haab), c.haab);
        EXPECT_EQ(LongCountText(a.longCount), c.longCount);
    }
}

// The Tzolkin follows the main readings' own formula on the default
// correlation; Lords of the Night run G1..G9 with G9 on the start day, so
// every whole tun (360 = 40 * 9 days) is a G9 day too.
TEST(Almanac, AgreesWithTheReadingsAndTheLordConvention) {
    for (std::int64_t count = -40000; count <= 40000; count += 7) {
        const AlmanacDay a = ComputeAlmanac(count + DefaultCorrelation, DefaultCorrelation);
        const std::string reading =
            WrittenText([&](char* o) { return PutTzolkinReading(o, TzolkinPosition(count)); });
        const std::string name(TzolkinSign[a.tzolkin.sign - 1]);
        EXPECT_EQ(reading.substr(0, reading.find(' ')), std::to_string(a.tzolkin.number));
        EXPECT_NE(reading.find("  " + name + " "), std::string::npos) << reading;
        EXPECT_EQ(a.lordOfTheNight,
                  static_cast<int>(((count % 9) + 9) % 9 == 0 ? 9 : ((count % 9) + 9) % 9));
    }
    EXPECT_EQ(LordOfTheNightOf(1), 1);
    EXPECT_EQ(LordOfTheNightOf(-1), 8);
    EXPECT_EQ(LordOfTheNightOf(1872000), 9);
    EXPECT_EQ(LordOfTheNightOf(360 * 12345), 9);
}

// Long Count to day count and back over a wide range, under other correlations.
TEST(Almanac, LongCountRoundTrips) {
    std::mt19937_64 rng(11);
    std::uniform_int_distribution<std::int64_t> anyCount(-300'000'000, 300'000'000);
    for (std::int64_t correlation :
         {std::int64_t{584283}, std::int64_t{489384}, std::int64_t{660208}, std::int64_t{-5}}) {
        for (int i = 0; i < 20000; ++i) {
            const std::int64_t count = i < 3 ? i - 1 : anyCount(rng);
            const AlmanacDay a = ComputeAlmanac(count + correlation, correlation);
            std::string error;
            EXPECT_EQ(ParseLongCount(LongCountText(a.longCount), error), count) << error;
            EXPECT_EQ(CivilToJdn(G, a.gregorian), a.jdn);
        }
    }
}

// A table's line gives the date in one calendar; the other must come out as
// from the day number alone, across the years and both calendars' leap rules.
TEST(Almanac, AKnownDateGivesTheSameDay) {
    std::mt19937_64 rng(12);
    std::uniform_int_distribution<std::int64_t> anyDay(MinJdn, MaxJdn);
    for (int i = 0; i < 20000; ++i) {
        const std::int64_t jdn = i < 3 ? 2299160 + i : anyDay(rng); // the Gregorian reform too
        const AlmanacDay whole = ComputeAlmanac(jdn, 584283);
        for (const auto& [calendar, date] :
             {std::pair{G, whole.gregorian}, std::pair{Calendar::Julian, whole.julian}}) {
            const AlmanacDay known = ComputeAlmanac(jdn, 584283, calendar, date);
            EXPECT_EQ(known.gregorian, whole.gregorian) << jdn;
            EXPECT_EQ(known.julian, whole.julian) << jdn;
            EXPECT_EQ(known.station819, whole.station819) << jdn;
        }
    }
}

TEST(Almanac, LongCountTexts) {
    struct Case {
        const char* text;
        std::int64_t count; // when valid
        const char* error;  // part of the message, when not
    };
    const Case cases[] = {
        {"9.12.11.5.18", 1386478, nullptr},
        {" 13.0.0.0.0 ", 1872000, nullptr},
        {"1.0.0.0.0.0", 2880000, nullptr},
        {"0.19.19.19.17.19", 2879999, nullptr},
        {"-0.0.0.0.1", -1, nullptr},
        {"-1.0.0.0.0.0", -2880000, nullptr},
        {"9.12.11.18.0", 0, "the uinal must be 0 to 17, not 18"},
        {"20.0.0.0.0", 0, "the baktun must be 0 to 19, not 20"},
        {"9.20.0.0.0", 0, "the katun must be 0 to 19"},
        {"9.0.20.0.0", 0, "the tun must be 0 to 19"},
        {"9.0.0.0.20", 0, "the kin must be 0 to 19"},
        {"9.0.x.0.0", 0, "the tun 'x' is not a number"},
        {"9..0.0.0", 0, "the katun '' is not a number"},
        {"9.0.0.0.+1", 0, "the kin '+1' is not a number"},
        {"9.0.0.0", 0, "five places"},
        {"1.2.3.4.5.6.7", 0, "not 7"},
        {"", 0, "five places"},
        {"99999999999999999999.0.0.0.0.0", 0, "pictun"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        const std::optional<std::int64_t> count = ParseLongCount(c.text, error);
        if (!c.error) {
            EXPECT_EQ(count, c.count) << error;
        } else {
            EXPECT_FALSE(count);
            EXPECT_NE(error.find(c.error), std::string::npos) << error;
        }
    }
}

TEST(Almanac, NamesInEverySpelling) {
    const std::pair<const char*, int> signs[] = {{"Ahau", 20},
                                                 {"AJAW", 20},
                                                 {"ajaw", 20},
                                                 {"Etz'nab'", 18},
                                                 {"edznab", 18},
                                                 {"K'an", 4},
                                                 {"Kimi", 6},
                                                 {"Ak'b'al", 3},
                                                 {"Chikchan", 5},
                                                 {"Kab\xCA\xBC"
                                                  "an",
                                                  17},
                                                 {"Muluk", 9},
                                                 {"Imix", 1},
                                                 {"Chuwen", 11},
                                                 {"Kawak", 19},
                                                 {"Kumku", 0}};
    for (const auto& [name, index] : signs)
        EXPECT_EQ(FindTzolkinSign(name), index) << name;
    const std::pair<const char*, int> months[] = {
        {"Cumku", 18},  {"Kumk'u", 18},   {"kumk\xE2\x80\x99u", 18},
        {"Wo", 2},      {"Uo", 2},        {"Sip", 3},
        {"Sotz'", 4},   {"Sek", 5},       {"Yaxk'in", 7},
        {"Ch'en", 9},   {"Sak", 11},      {"Keh", 12},
        {"Mak", 13},    {"K'ank'in", 14}, {"Muwan", 15},
        {"K'ayab", 17}, {"Wayeb", 19},    {"UAYEB", 19},
        {"Ahau", 0}};
    for (const auto& [name, index] : months)
        EXPECT_EQ(FindHaabMonth(name), index) << name;
}

// The whole-day texts the tables copy say what the day's number and name say.
TEST(Almanac, DayTextsOfEveryPosition) {
    for (const Spelling spelling : {Spelling::Colonial, Spelling::Modern}) {
        char table[32 + WriteSlack], parts[32 + WriteSlack];
        for (int p = 0; p < TzolkinDays; ++p)
            ASSERT_EQ(std::string_view(table, PutTzolkinDayAt(table, p, spelling)),
                      std::string_view(parts, PutTzolkinDay(parts, TzolkinAt(p), spelling)));
        for (int p = 0; p < HaabDays; ++p)
            ASSERT_EQ(std::string_view(table, PutHaabDayAt(table, p, spelling)),
                      std::string_view(parts, PutHaabDay(parts, HaabAt(p), spelling)));
    }
}

TEST(Almanac, CalendarRoundTexts) {
    struct Case {
        const char* text;
        const char* error; // part of the message, or null when valid
    };
    const Case cases[] = {
        {"4 Ahau 8 Cumku", nullptr},
        {"4 Ajaw 8 Kumk'u", nullptr},
        {"4Ahau", nullptr},
        {"8 Cumku", nullptr},
        {"0 Pop", nullptr},
        {"4 Uayeb", nullptr},
        {"14 Ahau", "1 to 13"},
        {"0 Ahau", "1 to 13"},
        {"6 Uayeb", "0 to 4"},
        {"21 Pop", "0 to 19"},
        {"4 Foo", "'Foo' is neither"},
        {"Ahau 4", "'Ahau'"},
        {"4 Ahau 5 Imix", "two Tzolkin"},
        {"4 Ahau 8", "expected"},
        {"", "expected"},
    };
    for (const Case& c : cases) {
        std::string error;
        const std::optional<CalendarRoundQuery> q = ParseCalendarRound(c.text, error);
        EXPECT_EQ(bool(q), !c.error) << c.text << ": " << error;
        if (c.error) {
            EXPECT_NE(error.find(c.error), std::string::npos) << c.text << ": " << error;
        }
    }
}

// 18,980 of the 260 * 365 pairs exist; each impossible one says why.
TEST(Almanac, OnlyEighteenThousandNineHundredEightyPairsExist) {
    int possible = 0;
    for (int number = 1; number <= 13; ++number)
        for (int sign = 1; sign <= 20; ++sign)
            for (int month = 1; month <= 19; ++month)
                for (int day = 0; day < (month == 19 ? 5 : 20); ++day)
                    possible += WhyNoDay({TzolkinDay{number, sign}, HaabDay{day, month}}).empty();
    EXPECT_EQ(possible, 18980);
    const std::string why = WhyNoDay({TzolkinDay{4, 20}, HaabDay{4, 18}});
    EXPECT_NE(why.find("4 Ahau 4 Cumku never occurs: Ahau falls only on Haab days 3, 8, 13 and 18"),
              std::string::npos)
        << why;
}

// Every result has the asked values, lies strictly after (before) the start,
// and no day in between has them (a brute-force walk on a sample).
TEST(Almanac, SearchesFindTheNearestDay) {
    std::mt19937_64 rng(17);
    std::uniform_int_distribution<std::int64_t> anyCount(-400'000'000, 400'000'000);
    for (int i = 0; i < 300; ++i) {
        const std::int64_t target = anyCount(rng);
        const AlmanacDay t = ComputeAlmanac(target, 0);
        const std::int64_t from = target - static_cast<std::int64_t>(rng() % 20000) + 10000;
        for (int kind = 0; kind < 3; ++kind) {
            CalendarRoundQuery q;
            if (kind != 1)
                q.tzolkin = t.tzolkin;
            if (kind != 0)
                q.haab = t.haab;
            ASSERT_TRUE(WhyNoDay(q).empty());
            const auto matches = [&](std::int64_t count) {
                return (!q.tzolkin || TzolkinOf(count) == *q.tzolkin) &&
                       (!q.haab || HaabOf(count) == *q.haab);
            };
            const std::int64_t next = NextDayCount(q, from);
            const std::int64_t previous = PreviousDayCount(q, from);
            ASSERT_GT(next, from);
            ASSERT_LT(previous, from);
            EXPECT_TRUE(matches(next) && matches(previous));
            for (std::int64_t c = from + 1; c < next; ++c)
                ASSERT_FALSE(matches(c)) << c;
            for (std::int64_t c = previous + 1; c < from; ++c)
                ASSERT_FALSE(matches(c)) << c;
        }
    }
}

TEST(Almanac, Correlations) {
    std::string error;
    EXPECT_EQ(ParseCorrelation("584283", error), 584283);
    EXPECT_EQ(ParseCorrelation("GMT", error), 584283);
    EXPECT_EQ(ParseCorrelation("Lounsbury", error), 584285);
    EXPECT_EQ(ParseCorrelation("martin-skidmore", error), 584286);
    EXPECT_EQ(ParseCorrelation("Spinden", error), 489384);
    EXPECT_EQ(ParseCorrelation("fuls", error), 660208);
    EXPECT_EQ(ParseCorrelation("martinez", error), 584281);
    EXPECT_EQ(ParseCorrelation("-7", error), -7);
    EXPECT_FALSE(ParseCorrelation("100000001", error));
    EXPECT_NE(error.find("lies outside"), std::string::npos);
    EXPECT_FALSE(ParseCorrelation("abc", error));
    EXPECT_NE(error.find("'abc'"), std::string::npos);
    // The Calendar Round follows the Long Count, not the day number.
    const AlmanacDay spinden = ComputeAlmanac(489384, 489384);
    EXPECT_EQ(TzolkinText(spinden.tzolkin) + " " + HaabText(spinden.haab), "4 Ahau 8 Cumku");
}

} // namespace
} // namespace zentolk

namespace zentolk {
namespace {

// Random texts built from the pieces the parsers look for: none may crash
// (the sanitizer build checks memory), every refusal says why, and no text
// with a NUL in it is taken.
TEST(Almanac, ParsersSurviveRandomTexts) {
    using namespace std::string_view_literals;
    static constexpr std::string_view Pieces[] = {
        "0",        "9",      "12",    "19", "20",           "99999999999999999999",
        ".",        "-",      "+",     " ",  "\t",           "/",
        "Ahau",     "Kumk'u", "Uayeb", "4",  "\xE2\x80\x99", "\xCA",
        "\xE2\x80", "B.C.",   "AD",    "a.", "C.",           "de",
        "d. C.",    "x",      "",      "'",  "gmt",          "\0"sv};
    std::mt19937_64 rng(19);
    for (int i = 0; i < 100000; ++i) {
        std::string text;
        const int count = static_cast<int>(rng() % 12);
        for (int k = 0; k < count; ++k)
            text += Pieces[rng() % std::size(Pieces)];
        // No text these parsers take holds a NUL: one read as the end of
        // the text would let whatever follows it through.
        const bool nul = text.find('\0') != std::string::npos;
        std::string error;
        const auto check = [&](bool accepted, const char* parser) {
            if (accepted) {
                EXPECT_FALSE(nul) << parser << " took " << ::testing::PrintToString(text);
            } else {
                EXPECT_FALSE(error.empty()) << parser << ": " << ::testing::PrintToString(text);
            }
            error.clear();
        };
        check(static_cast<bool>(ParseLongCount(text, error)), "Long Count");
        check(static_cast<bool>(ParseCalendarRound(text, error)), "Calendar Round");
        check(static_cast<bool>(ParseCorrelation(text, error)), "correlation");
        const std::optional<std::int64_t> jdn = ParseDateText(text, Calendar::Julian, error);
        if (jdn) {
            EXPECT_TRUE(*jdn >= MinJdn && *jdn <= MaxJdn) << text;
        }
        check(jdn.has_value(), "date");
    }
}

} // namespace
} // namespace zentolk
