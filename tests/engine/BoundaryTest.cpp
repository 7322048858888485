// Every limit and range the engine keeps, tried at both ends and one past
// them, and every cycle where it turns: the places an off-by-one hides.
#include "engine/AlmanacDay.h"
#include "engine/AlmanacInput.h"
#include "engine/CalendarRound.h"
#include "engine/Correlation.h"
#include "engine/DayCycles.h"
#include "engine/Epigraphy.h"
#include "engine/GreatCycle.h"
#include "engine/LongCount.h"
#include "engine/NumberText.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace zentolk {
namespace {

using Accepts = std::function<bool(std::int64_t)>;

// A Long Count-like text of `places` places, all 0 but `value` at `at`.
std::string placesWith(int places, int at, std::int64_t value) {
    std::string text;
    for (int i = 0; i < places; ++i)
        text += (i ? "." : "") + (i == at ? std::to_string(value) : "0");
    return text;
}

std::string isoYear(std::int64_t year) {
    std::string digits = std::to_string(year < 0 ? -year : year);
    digits.insert(0, digits.size() < 4 ? 4 - digits.size() : 0, '0');
    return (year < 0 ? "-" : "") + digits + "-06-15";
}

template <typename Parse> Accepts reads(Parse parse) {
    return [parse](std::int64_t v) {
        std::string error;
        return parse(v, error).has_value();
    };
}

struct Range {
    std::string what;
    std::int64_t first, last;
    Accepts accepts;
    bool closedBelow = true; // below a pictun count's 0 lie the negative counts
};

std::vector<Range> ranges() {
    const Calendar G = Calendar::Gregorian, J = Calendar::Julian;
    std::vector<Range> r = {
        {"year of a YYYY-MM-DD date", -1'000'000, 1'000'000,
         reads([G](std::int64_t y, std::string& e) { return ParseIsoDay(isoYear(y), G, e); })},
        {"year of a MONTH DAY YEAR date", -1'000'000, 1'000'000,
         reads([G](std::int64_t y, std::string& e) {
             return ParseDateText("6 15 " + std::to_string(y), G, e);
         })},
        {"Gregorian day number", -363'521'440, 366'963'925,
         reads([G](std::int64_t d, std::string& e) {
             return ParseDayNumber(std::to_string(d), G, e);
         })},
        {"Julian day number", -363'528'942, 366'971'423, reads([J](std::int64_t d, std::string& e) {
             return ParseDayNumber(std::to_string(d), J, e);
         })},
        {"Long Count of a table line", -363'521'440 - 584'283, 366'963'925 - 584'283,
         [G](std::int64_t d) {
             std::string e;
             return ParseLongCountDay(LongCountText(LongCountOf(d)), DefaultCorrelation, G, e)
                 .has_value();
         }},
        {"correlation", -100'000'000, 100'000'000, reads([](std::int64_t c, std::string& e) {
             return ParseCorrelation(std::to_string(c), e);
         })},
        {"Tzolkin number of a Calendar Round", 1, 13, reads([](std::int64_t n, std::string& e) {
             return ParseCalendarRound(std::to_string(n) + " Ahau", e);
         })},
        {"Tzolkin number of a pattern", 1, 13, reads([](std::int64_t n, std::string& e) {
             return ParseDatePattern(std::to_string(n) + " Ahau", e);
         })},
        {"digits of a YYYY-MM-DD year", 4, 6, reads([G](std::int64_t n, std::string& e) {
             return ParseIsoDay(std::string(std::size_t(n), '1') + "-06-15", G, e);
         })},
        {"number of a pattern's day of either kind", 0, 19,
         reads([](std::int64_t n, std::string& e) {
             return ParseDatePattern(std::to_string(n) + " *", e);
         })},
        {"Tzolkin number", 1, 13,
         [](std::int64_t n) {
             return IsTzolkinDay({int(n), 1});
         }},
        {"Tzolkin sign", 1, 20,
         [](std::int64_t s) {
             return IsTzolkinDay({1, int(s)});
         }},
        {"Haab month", 1, 19,
         [](std::int64_t m) {
             return IsHaabDay({0, int(m)});
         }},
    };
    // The days of each Haab month, Uayeb's five among them.
    for (int month = 1; month <= 19; ++month) {
        const std::string name(HaabMonth[month - 1]);
        const std::int64_t last = month == 19 ? 4 : 19;
        r.push_back({"day of " + name, 0, last, [month](std::int64_t d) {
                         return IsHaabDay({int(d), month});
                     }});
        // One past the last is the next month's seating.
        r.push_back({"day of " + name + " in a Calendar Round", 0, last + 1,
                     reads([name](std::int64_t d, std::string& e) {
                         return ParseCalendarRound(std::to_string(d) + " " + name, e);
                     })});
        r.push_back({"day of " + name + " in a pattern", 0, last,
                     reads([name](std::int64_t d, std::string& e) {
                         return ParseDatePattern(std::to_string(d) + " " + name, e);
                     })});
    }
    // Each place of a Long Count, a distance number and a pattern.
    const char* const names[6] = {"pictun", "baktun", "katun", "tun", "uinal", "kin"};
    const std::int64_t lasts[6] = {999, 19, 19, 19, 17, 19};
    for (int place = 0; place < 6; ++place) {
        const std::string name = names[place];
        r.push_back({name + " of a Long Count", 0, lasts[place],
                     reads([place](std::int64_t v, std::string& e) {
                         return ParseLongCount(placesWith(6, place, v), e);
                     }),
                     place > 0});
        r.push_back({name + " of a plain Long Count", 0, lasts[place],
                     [place](std::int64_t v) {
                         std::int64_t count;
                         return ReadPlainLongCount(placesWith(6, place, v), count);
                     },
                     place > 0});
        if (place == 0)
            continue;
        r.push_back({name + " of a distance number", 0, lasts[place],
                     reads([place](std::int64_t v, std::string& e) {
                         return ParseDistanceNumber(placesWith(5, place - 1, v), e);
                     })});
        r.push_back({name + " of a pattern", 0, lasts[place],
                     reads([place](std::int64_t v, std::string& e) {
                         std::string text = placesWith(5, place - 1, v);
                         return ParseDatePattern(text, e);
                     })});
    }
    return r;
}

TEST(Boundaries, EveryRangeHoldsAtBothEndsAndNotOnePast) {
    for (const Range& r : ranges()) {
        SCOPED_TRACE(r.what);
        EXPECT_TRUE(r.accepts(r.first)) << r.first;
        EXPECT_TRUE(r.accepts(r.last)) << r.last;
        if (r.closedBelow) {
            EXPECT_FALSE(r.accepts(r.first - 1)) << r.first - 1;
        }
        EXPECT_FALSE(r.accepts(r.last + 1)) << r.last + 1;
        // A short range walked whole: no value inside it is refused.
        if (r.last - r.first < 1000) {
            for (std::int64_t v = r.first; v <= r.last; ++v)
                ASSERT_TRUE(r.accepts(v)) << v;
        }
    }
}

// Where each cycle turns, the day before, the day and the day after, as
// texts: the start day 0.0.0.0.0 is 4 Ahau 8 Cumku, a Monday, G9.
struct Turn {
    std::string what;
    std::function<std::string(std::int64_t)> text;
    std::vector<std::pair<std::int64_t, std::string>> days;
};

TEST(Boundaries, EveryCycleTurnsOnItsDay) {
    const auto n = [](auto v) { return std::to_string(v); };
    const std::vector<Turn> turns = {
        {"Tzolkin",
         [](std::int64_t d) { return TzolkinText(TzolkinOf(d)); },
         {{-1, "3 Cauac"},
          {0, "4 Ahau"},
          {1, "5 Imix"},
          {9, "13 Muluc"},
          {10, "1 Oc"},
          {259, "3 Cauac"},
          {260, "4 Ahau"}}},
        {"Tzolkin position",
         [](std::int64_t d) { return TzolkinText(TzolkinAt(TzolkinPosition(d))); },
         {{-160, "13 Ahau"}, {-159, "1 Imix"}, {0, "4 Ahau"}, {101, "1 Imix"}}},
        {"Haab",
         [](std::int64_t d) { return HaabText(HaabOf(d)); },
         {{-1, "7 Cumku"},
          {0, "8 Cumku"},
          {11, "19 Cumku"},
          {12, "0 Uayeb"},
          {16, "4 Uayeb"},
          {17, "0 Pop"},
          {36, "19 Pop"},
          {37, "0 Uo"},
          {-348, "0 Pop"},
          {-349, "4 Uayeb"}}},
        {"Haab position",
         [n](std::int64_t d) { return n(HaabPosition(d)); },
         {{0, "348"}, {16, "364"}, {17, "0"}}},
        {"Haab position of a day",
         [n](std::int64_t p) { return n(HaabPositionOf(HaabAt(int(p)))); },
         {{0, "0"}, {19, "19"}, {20, "20"}, {359, "359"}, {360, "360"}, {364, "364"}}},
        {"Haab month length",
         [n](std::int64_t m) { return n(HaabMonthLength(int(m))); },
         {{1, "20"}, {18, "20"}, {19, "5"}}},
        {"Calendar Round",
         [](std::int64_t d) { return CalendarRoundText(d); },
         {{0, "4 Ahau 8 Cumku"}, {18979, "3 Cauac 7 Cumku"}, {18980, "4 Ahau 8 Cumku"}}},
        {"week day",
         [n](std::int64_t d) { return n(WeekDayOf(d)); },
         {{-1, "0"}, {0, "1"}, {5, "6"}, {6, "0"}}},
        {"Lord of the Night",
         [n](std::int64_t d) { return n(LordOfTheNightOf(d)); },
         {{-1, "8"}, {0, "9"}, {1, "1"}, {8, "8"}, {9, "9"}}},
        {"819-day station",
         [n](std::int64_t d) { return n(Station819Of(d)); },
         {{-4, "-822"}, {-3, "-3"}, {-2, "-3"}, {815, "-3"}, {816, "816"}, {817, "816"}}},
        {"year bearer day (classic)",
         [n](std::int64_t d) { return n(YearBearerDayOf(d, YearBearerSystem::Classic)); },
         {{16, "-348"}, {17, "17"}, {381, "17"}, {382, "382"}}},
        {"year bearer day (mayapan)",
         [n](std::int64_t d) { return n(YearBearerDayOf(d, YearBearerSystem::Mayapan)); },
         {{16, "-346"}, {17, "19"}}},
        {"Long Count",
         [](std::int64_t d) { return LongCountText(LongCountOf(d)); },
         {{-1, "-0.0.0.0.1"},
          {0, "0.0.0.0.0"},
          {19, "0.0.0.0.19"},
          {20, "0.0.0.1.0"},
          {359, "0.0.0.17.19"},
          {360, "0.0.1.0.0"},
          {7199, "0.0.19.17.19"},
          {7200, "0.1.0.0.0"},
          {143999, "0.19.19.17.19"},
          {144000, "1.0.0.0.0"},
          {2879999, "19.19.19.17.19"},
          {2880000, "1.0.0.0.0.0"}}},
        {"Long Count within the cycle",
         [](std::int64_t c) { return LongCountText(CycleLongCountOf(std::int32_t(c))); },
         {{1871999, "12.19.19.17.19"}, {1872000, "13.0.0.0.0"}}},
        {"cycle number",
         [n](std::int64_t d) { return n(CycleNumber(std::int32_t(d))); },
         {{-1, "-1"}, {0, "0"}, {1871999, "0"}, {1872000, "1"}}},
        {"cycle count (a later year)",
         [n](std::int64_t d) { return n(CycleCount(std::int32_t(d), 2012)); },
         {{-1, "1871999"}, {0, "1872000"}, {1, "1"}, {1872000, "1872000"}, {1872001, "1"}}},
        {"cycle count (the start year)",
         [n](std::int64_t d) { return n(CycleCount(std::int32_t(d), StartYear)); },
         {{-1, "1871999"}, {0, "0"}, {1, "1"}}},
        {"harmonic",
         [n](std::int64_t c) { return n(FillsAHarmonic(std::int32_t(c))); },
         {{14624, "0"}, {14625, "1"}, {14626, "0"}, {1872000, "1"}}},
        {"pictun numerals",
         [](std::int64_t v) {
             std::string s;
             for (const int numeral : PlaceNumerals(v))
                 s += std::to_string(numeral) + " ";
             return s;
         },
         {{0, "0 "}, {19, "19 "}, {20, "1 0 "}, {399, "19 19 "}, {400, "1 0 0 "}}},
    };
    for (const Turn& turn : turns)
        for (const auto& [day, expected] : turn.days)
            EXPECT_EQ(turn.text(day), expected) << turn.what << " of " << day;
}

// The name tables, first and last, and read back to their place.
TEST(Boundaries, NameTablesRunFromTheirFirstToTheirLast) {
    EXPECT_EQ(TzolkinSign.front(), "Imix");
    EXPECT_EQ(TzolkinSign.back(), "Ahau");
    EXPECT_EQ(HaabMonth.front(), "Pop");
    EXPECT_EQ(HaabMonth.back(), "Uayeb");
    for (int i = 0; i < TzolkinSigns; ++i)
        EXPECT_EQ(FindTzolkinSign(TzolkinSign[i]), i + 1);
    for (int i = 0; i < HaabMonths; ++i)
        EXPECT_EQ(FindHaabMonth(HaabMonth[i]), i + 1);
    EXPECT_EQ(HaabMonthDaysText(19), "Uayeb has days 0 to 4");
    EXPECT_EQ(HaabMonthDaysText(1), "Pop has days 0 to 19");
    // The years the messages name are the years the ranges hold.
    EXPECT_EQ(YearRangeText, "-" + GroupThousands(std::to_string(-MinCivilYear)) + " to " +
                                 GroupThousands(std::to_string(MaxCivilYear)));
}

// Every command and page tells a Long Count from a date alike, and reads
// the Long Count whatever the error it is handed holds.
TEST(Boundaries, LongCountOrDate) {
    for (const auto& [text, longCount] :
         std::vector<std::pair<std::string, bool>>{{"9.12.11.5.18", true},
                                                   {"  -0.0.0.1.1", true},
                                                   {"9.12.11.5.18 6 Etznab 11 Yax", true},
                                                   {"1.2", true},
                                                   {"6 15 2024", false},
                                                   {"6/15/2024 B.C.", false},
                                                   {"6 15 2024 A.D.", false},
                                                   {"", false}})
        EXPECT_EQ(IsLongCountText(text), longCount) << text;
    std::string error = "a text from before";
    const auto plain = ReadLongCountDate("9.12.11.5.18", error);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->dayCount, 1386478);
    const auto full = ReadLongCountDate("9.12.11.5.18 6 Etznab 11 Yax", error);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->dayCount, 1386478);
    EXPECT_FALSE(ReadLongCountDate("9.12.11.5.18 7 Etznab", error));
    EXPECT_NE(error.find("does not fit"), std::string::npos) << error;
}

} // namespace
} // namespace zentolk
