#include "engine/DayNumber.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

using zentolk::AstronomicalYear;
using zentolk::DayNumber;

namespace {

struct DayCase {
    std::int32_t month, day, year; // astronomical year
    std::int32_t expected;
};

class DayNumberTest : public testing::TestWithParam<DayCase> {};

TEST_P(DayNumberTest, MatchesTheFormula) {
    const DayCase& c = GetParam();
    EXPECT_EQ(DayNumber(c.month, c.day, c.year), c.expected)
        << c.month << "/" << c.day << "/" << c.year;
}

INSTANTIATE_TEST_SUITE_P(KnownDays, DayNumberTest,
                         testing::Values(DayCase{12, 21, 2012, 2456283},   // end of the Great Cycle
                                         DayCase{8, 11, -3113, 584283},    // its start day
                                         DayCase{1, 1, 1, 1721426},        // 1 January 1 A.D.
                                         DayCase{2, 31, 2023, 2460007},    // runs on into March
                                         DayCase{3, 3, 2023, 2460007},     //
                                         DayCase{6, 18, -3114, 583864},    // 1 Imix
                                         DayCase{1, 1, -99998, -34802460}, // 1 January 99999 B.C.
                                         DayCase{11, 24, -4713, 0}));      // day number zero

// Before 1 March 4801 B.C. the truncating divisions make the count stand
// still, jump by two or step normally at 1 March; the formula is what counts.
INSTANTIATE_TEST_SUITE_P(
    BeforeMarch4801BC, DayNumberTest,
    testing::Values(DayCase{2, 29, -4800, -32044}, DayCase{3, 1, -4800, -32044},
                    DayCase{2, 28, -4801, -32410}, DayCase{3, 1, -4801, -32409},
                    DayCase{2, 28, -4803, -33141}, DayCase{3, 1, -4803, -33139},
                    DayCase{1, 1, -5003, -106249}, DayCase{4, 2, -8238, -1287717}));

TEST(DayNumber, OneDayMorePerUnitOfDayWhateverTheMonthLength) {
    const std::int32_t base = *DayNumber(2, 1, 2023);
    for (std::int32_t d = -40; d <= 99; ++d)
        EXPECT_EQ(DayNumber(2, d, 2023), base + d - 1) << d;
}

TEST(DayNumber, MonthsThirteenAndZeroAliasTheNeighbouringYears) {
    for (std::int32_t year : {-4000, -3113, 0, 1, 1999, 2000, 2012, 99999}) {
        for (std::int32_t day : {0, 1, 15, 31}) {
            EXPECT_EQ(DayNumber(13, day, year), DayNumber(1, day, year + 1)) << year;
            EXPECT_EQ(DayNumber(0, day, year), DayNumber(12, day, year - 1)) << year;
        }
    }
}

TEST(DayNumber, MonthsBeyondFourteenDoNotWrapIntoTheNextYear) {
    // No month correction happens: month 15 runs on from month 14 by the
    // formula's own month lengths, which are not those of the next year.
    for (std::int32_t year : {-3113, 2012, 2999})
        EXPECT_NE(DayNumber(15, 1, year), DayNumber(3, 1, year + 1)) << year;
}

TEST(DayNumber, ReportsOverflowInsteadOfWrapping) {
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    EXPECT_FALSE(DayNumber(1, 1, 2000000000));
    EXPECT_FALSE(DayNumber(1, 1, -2000000000));
    EXPECT_FALSE(DayNumber(Min, 1, 2000));
    EXPECT_FALSE(DayNumber(Max, 1, 2000));
    EXPECT_FALSE(DayNumber(1, Max, 2000));
    EXPECT_EQ(DayNumber(1, Min, 2000), *DayNumber(1, 0, 2000) + Min); // fits: no error
    // Far but still within range.
    EXPECT_TRUE(DayNumber(1, 1, 1000000));
    EXPECT_TRUE(DayNumber(1, 1, -1000000));
}

TEST(AstronomicalYear, BCCountsFromOneAndOtherIndexesKeepTheYear) {
    EXPECT_EQ(AstronomicalYear(1, 1), 0);
    EXPECT_EQ(AstronomicalYear(3114, 1), -3113);
    EXPECT_EQ(AstronomicalYear(-5, 1), 6);
    EXPECT_EQ(AstronomicalYear(0, 0), 0);
    EXPECT_EQ(AstronomicalYear(-5, 0), -5);
    EXPECT_EQ(AstronomicalYear(2012, -1), 2012);
    EXPECT_EQ(AstronomicalYear(2012, 2), 2012);
    EXPECT_FALSE(AstronomicalYear(std::numeric_limits<std::int32_t>::min(), 1));
    EXPECT_FALSE(AstronomicalYear(std::numeric_limits<std::int32_t>::min() + 1, 1));
    EXPECT_EQ(AstronomicalYear(std::numeric_limits<std::int32_t>::min() + 2, 1),
              std::numeric_limits<std::int32_t>::max());
}

} // namespace
