// Walks day by day through more than three Great Cycles and checks what must
// hold from one day to the next, with the dates written as a user enters them.
#include "engine/Names.h"
#include "engine/Reading.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

using zentolk::CalendarDate;
using zentolk::CalendarReading;
using enum zentolk::ReadingField;

namespace {

constexpr std::int64_t Cycle = 1872000;
constexpr std::int64_t StartDay = 584283;

bool isLeap(std::int64_t y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

int daysInMonth(std::int64_t y, int m) {
    static constexpr int MonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : MonthDays[m - 1];
}

// Julian Day Number of a proleptic Gregorian date by counting whole eras of
// 400 years, independent of the engine's formula.
std::int64_t julianDayNumber(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 2440588;
}

std::int64_t ungrouped(const std::string& text) {
    std::string digits = text;
    std::erase(digits, ',');
    return std::stoll(digits);
}

// Sum of the digits of a dotted Long Count in the given place values.
std::int64_t spelled(const std::string& text, std::initializer_list<std::int64_t> places) {
    std::int64_t total = 0;
    std::size_t pos = 0;
    for (std::int64_t place : places) {
        const std::size_t dot = text.find('.', pos);
        total += std::stoll(text.substr(pos, dot - pos)) * place;
        pos = dot == std::string::npos ? dot : dot + 1;
    }
    EXPECT_EQ(pos, std::string::npos) << text;
    return total;
}

int tzolkinNumber(const std::string& text) {
    return std::stoi(text.substr(0, text.find(' ')));
}

std::size_t index(std::string_view name, auto const& table) {
    return static_cast<std::size_t>(std::find(table.begin(), table.end(), name) - table.begin());
}

TEST(CycleWalk, EveryDayFollowsFromTheDayBefore) {
    // From 1 March 4801 B.C., where the formula starts giving true day
    // numbers, until the label has reached "Plus 3".
    std::int64_t year = -4800;
    int month = 3, day = 1;
    std::int64_t previousJ = 0, previousK = 0;
    int previousNumber = 0;
    std::size_t previousSign = 0, previousWeek = 0;
    std::string previousLabel;
    std::vector<std::string> labels;
    std::int64_t days = 0;

    for (bool first = true;; first = false) {
        CalendarDate date;
        date.Month = std::to_string(month);
        date.Day = std::to_string(day);
        date.Year = std::to_string(year >= 1 ? year : 1 - year);
        date.ADBC = year >= 1 ? 0 : 1;
        const auto result = zentolk::ComputeReading(date, '.');
        ASSERT_TRUE(result.ok()) << result.Error;
        const CalendarReading& reading = result.Reading;

        const std::int64_t j = julianDayNumber(year, month, day);
        const std::int64_t e = j - StartDay;
        const std::int64_t k = ungrouped(reading[KinDays]);
        const int number = tzolkinNumber(reading[Tzolkin]);
        const std::size_t sign =
            index(reading[Tzolkin].substr(reading[Tzolkin].find("  ") + 2), zentolk::DayName);
        const std::size_t week = index(reading[WeekD], zentolk::WeekN);
        ASSERT_LT(sign, zentolk::DayName.size()) << reading[Tzolkin];
        ASSERT_LT(week, zentolk::WeekN.size()) << reading[WeekD];

        ASSERT_EQ(k + ungrouped(reading[KinLeft]), Cycle) << date.Year;
        ASSERT_EQ(spelled(reading[jMayan], {144000, 7200, 360, 20, 1}), k) << reading[jMayan];
        if (e >= 0)
            ASSERT_EQ(spelled(reading[LongC], {2880000, 144000, 7200, 360, 20, 1}), e)
                << reading[LongC];
        else
            ASSERT_EQ(reading[LongC], "< 0.0.0.0.0.0");
        if (reading[Harmonic] != "none" && k != 0) {
            const auto open = reading[Harmonic].find('/'), close = reading[Harmonic].find(')');
            const std::int64_t numerator = std::stoll(reading[Harmonic].substr(1, open - 1));
            const std::int64_t denominator =
                std::stoll(reading[Harmonic].substr(open + 1, close - open - 1));
            const std::int64_t divisor = ungrouped(reading[Harmonic].substr(close + 2));
            ASSERT_EQ(numerator * divisor, k);
            ASSERT_EQ(denominator * divisor, Cycle);
            ASSERT_TRUE(numerator % 2 == 1 || denominator == 1) << reading[Harmonic];
        } else {
            ASSERT_TRUE(k % 14625 != 0 || k == 0) << k;
        }

        if (!first) {
            ASSERT_EQ(j, previousJ + 1);
            ASSERT_EQ(number, previousNumber % 13 + 1) << reading[Tzolkin];
            ASSERT_EQ(sign, (previousSign + 1) % 20) << reading[Tzolkin];
            ASSERT_EQ(week, (previousWeek + 1) % 7) << reading[WeekD];
            const bool startDay = e == 0;
            ASSERT_EQ(k, startDay ? 0 : previousK % Cycle + 1) << j;
            // The label moves on exactly where the count reaches the cycle's
            // end, and on the start day itself.
            ASSERT_EQ(reading[GreatCycle] != previousLabel, k == Cycle || startDay) << j;
        }
        if (first || reading[GreatCycle] != previousLabel)
            labels.push_back(reading[GreatCycle]);

        previousJ = j;
        previousK = k;
        previousNumber = number;
        previousSign = sign;
        previousWeek = week;
        previousLabel = reading[GreatCycle];
        ++days;
        if (reading[GreatCycle] == "Plus 3")
            break;

        if (++day > daysInMonth(year, month)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    EXPECT_EQ(labels,
              (std::vector<std::string>{"Minus 1", "Starting", "Plus 1", "Plus 2", "Plus 3"}));
    EXPECT_GT(days, 3 * Cycle);
}

} // namespace
