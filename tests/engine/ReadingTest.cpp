#include "engine/Reading.h"

#include "engine/Names.h"
#include "platform/LocaleNumbers.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using zentolk::CalendarDate;
using zentolk::CalendarReading;
using enum zentolk::ReadingField;
using zentolk::ComputeReading;
using zentolk::platform::LocaleDecimalSeparator;

namespace {

CalendarReading readingOf(const CalendarDate& date, char separator = '.') {
    const auto result = ComputeReading(date, separator);
    EXPECT_TRUE(result.ok()) << "unexpected error: " << result.Error;
    return result.Reading;
}

std::string errorOf(const CalendarDate& date) {
    const auto result = ComputeReading(date, '.');
    EXPECT_FALSE(result.ok()) << "expected an error for " << date.Month << "/" << date.Day << "/"
                              << date.Year;
    EXPECT_EQ(result.Reading, CalendarReading{}) << "no text may be filled on failure";
    return result.Error;
}

const std::string& field(const CalendarReading& r, std::string_view name) {
    for (std::size_t i = 0; i < zentolk::ReadingFieldCount; ++i)
        if (zentolk::ReadingFieldNames[i] == name)
            return r.texts[i];
    throw std::invalid_argument(std::string(name));
}

struct ReadingCase {
    const char* what;
    CalendarDate date;
    std::vector<std::pair<const char*, const char*>> expected;
};

const CalendarDate AD(const char* m, const char* d, const char* y) {
    return {m, d, y, 0};
}
const CalendarDate BC(const char* m, const char* d, const char* y) {
    return {m, d, y, 1};
}

// Readings of landmark days; each lists only the texts the case is about.
const std::vector<ReadingCase> landmarkDays = {
    {"start day",
     BC("8", "11", "3114"),
     {{"GreatCycle", "Starting"},
      {"KinDays", "0"},
      {"KinLbl1", "0.00000%"},
      {"KinLeft", "1,872,000"},
      {"KinLbl2", "100.00000%"},
      {"Harmonic", "Start of Cycle"},
      {"jMayan", "0.0.0.0.0"},
      {"LongC", "0.0.0.0.0.0"},
      {"Tzolkin", "4  Ahau  (Light, Lord)"},
      {"WeekD", "Monday"}}},
    {"day after the start day",
     BC("8", "12", "3114"),
     {{"GreatCycle", "Starting"},
      {"KinDays", "1"},
      {"KinLbl1", "0.00005%"},
      {"KinLeft", "1,871,999"},
      {"KinLbl2", "99.99995%"},
      {"Harmonic", "none"},
      {"jMayan", "0.0.0.0.1"},
      {"LongC", "0.0.0.0.0.1"},
      {"Tzolkin", "5  Imix (Alligator)"},
      {"WeekD", "Tuesday"}}},
    {"day before the start day",
     BC("8", "10", "3114"),
     {{"GreatCycle", "Minus 1"},
      {"KinDays", "1,871,999"},
      {"KinLbl1", "99.99995%"},
      {"KinLeft", "1"},
      {"KinLbl2", "0.00005%"},
      {"Harmonic", "none"},
      {"jMayan", "12.19.19.17.19"},
      {"LongC", "< 0.0.0.0.0.0"},
      {"Tzolkin", "3  Cauac  (Rainstorm)"},
      {"WeekD", "Sunday"}}},
    {"last day of the cycle",
     AD("12", "20", "2012"),
     {{"GreatCycle", "Starting"},
      {"KinDays", "1,871,999"},
      {"KinLbl1", "99.99995%"},
      {"KinLeft", "1"},
      {"KinLbl2", "0.00005%"},
      {"Harmonic", "none"},
      {"jMayan", "12.19.19.17.19"},
      {"LongC", "0.12.19.19.17.19"}}},
    {"end day",
     AD("12", "21", "2012"),
     {{"GreatCycle", "Plus 1"},
      {"KinDays", "1,872,000"},
      {"KinLbl1", "100.00000%"},
      {"KinLeft", "0"},
      {"KinLbl2", "0.00000%"},
      {"Harmonic", "(1/1) 1,872,000"},
      {"jMayan", "13.0.0.0.0"},
      {"LongC", "0.13.0.0.0.0"},
      {"Tzolkin", "4  Ahau  (Light, Lord)"},
      {"WeekD", "Friday"}}},
    {"day after the end day",
     AD("12", "22", "2012"),
     {{"GreatCycle", "Plus 1"},
      {"KinDays", "1"},
      {"KinLbl1", "0.00005%"},
      {"KinLeft", "1,871,999"},
      {"KinLbl2", "99.99995%"},
      {"Harmonic", "none"},
      {"jMayan", "0.0.0.0.1"},
      {"LongC", "0.13.0.0.0.1"}}},
    {"1 Imix", BC("6", "18", "3115"), {{"Tzolkin", "1  Imix (Alligator)"}, {"WeekD", "Tuesday"}}},
    {"13 Ahau, a two-digit number",
     BC("6", "17", "3115"),
     {{"Tzolkin", "13  Ahau  (Light, Lord)"}, {"WeekD", "Monday"}}},
    {"1 January 1 A.D.",
     AD("1", "1", "1"),
     {{"Tzolkin", "11  Akbal (Night, House)"},
      {"WeekD", "Monday"},
      {"jMayan", "7.17.18.13.3"},
      {"LongC", "0.7.17.18.13.3"}}},
    {"1 January 2000",
     AD("1", "1", "2000"),
     {{"Tzolkin", "11  Ik (Wind)"},
      {"WeekD", "Saturday"},
      {"jMayan", "12.19.6.15.2"},
      {"LongC", "0.12.19.6.15.2"}}},
    {"binary32 remaining share differs from exact decimals",
     BC("9", "2", "3114"),
     {{"GreatCycle", "Starting"},
      {"KinDays", "22"},
      {"KinLbl1", "0.00118%"},
      {"KinLeft", "1,871,978"},
      {"KinLbl2", "99.99883%"},
      {"Harmonic", "none"}}},
    {"both shares differ from exact decimals",
     AD("10", "1", "2115"),
     {{"GreatCycle", "Plus 1"},
      {"KinDays", "37,538"},
      {"KinLbl1", "2.00523%"},
      {"KinLeft", "1,834,462"},
      {"KinLbl2", "97.99477%"},
      {"Harmonic", "none"}}},
    {"last day the year field can hold",
     AD("12", "31", "99999"),
     {{"GreatCycle", "Plus 20"},
      {"KinDays", "221,026"},
      {"KinLbl1", "11.80694%"},
      {"KinLeft", "1,650,974"},
      {"KinLbl2", "88.19305%"},
      {"Harmonic", "none"},
      {"jMayan", "1.10.13.17.6"},
      {"LongC", "13.1.10.13.17.6"}}},
    {"first day the year field can hold, all remainders negative",
     BC("1", "1", "99999"),
     {{"GreatCycle", "Minus 19"},
      {"KinDays", "181,257"},
      {"KinLbl1", "9.68253%"},
      {"KinLeft", "1,690,743"},
      {"KinLbl2", "90.31747%"},
      {"Harmonic", "none"},
      {"jMayan", "1.5.3.8.17"},
      {"LongC", "< 0.0.0.0.0.0"},
      {"Tzolkin", "2  Caban  (Earth)"},
      {"WeekD", "Monday"}}},
    {"harmonic 1/128",
     AD("1", "5", "2053"),
     {{"GreatCycle", "Plus 1"},
      {"KinDays", "14,625"},
      {"KinLbl1", "0.78125%"},
      {"KinLeft", "1,857,375"},
      {"KinLbl2", "99.21875%"},
      {"Harmonic", "(1/128) 14,625"}}},
    {"harmonic 1/64", AD("1", "20", "2093"), {{"Harmonic", "(1/64) 29,250"}}},
    {"harmonic 3/128", BC("9", "27", "2994"), {{"Harmonic", "(3/128) 14,625"}}},
    {"half the cycle",
     BC("4", "17", "551"),
     {{"GreatCycle", "Starting"},
      {"KinDays", "936,000"},
      {"KinLbl1", "50.00000%"},
      {"KinLeft", "936,000"},
      {"KinLbl2", "50.00000%"},
      {"Harmonic", "(1/2) 936,000"},
      {"jMayan", "6.10.0.0.0"},
      {"LongC", "0.6.10.0.0.0"}}},
    {"harmonic 7/8", AD("4", "20", "1372"), {{"Harmonic", "(7/8) 234,000"}}},
    {"harmonic 15/16", AD("8", "20", "1692"), {{"Harmonic", "(15/16) 117,000"}}},
    {"baktun digit 19",
     AD("10", "12", "4772"),
     {{"jMayan", "6.19.19.17.19"}, {"LongC", "0.19.19.19.17.19"}}},
    {"first day of pictun 1",
     AD("10", "13", "4772"),
     {{"jMayan", "7.0.0.0.0"}, {"LongC", "1.0.0.0.0.0"}}},
    {"last day of the first cycle after the end day",
     AD("5", "2", "7138"),
     {{"GreatCycle", "Plus 1"}, {"KinDays", "1,871,999"}}},
    {"second end day",
     AD("5", "3", "7138"),
     {{"GreatCycle", "Plus 2"},
      {"KinDays", "1,872,000"},
      {"Harmonic", "(1/1) 1,872,000"},
      {"jMayan", "13.0.0.0.0"},
      {"LongC", "1.6.0.0.0.0"}}},
    {"end of a cycle before the start day",
     BC("4", "2", "8239"),
     {{"GreatCycle", "Minus 1"}, {"KinDays", "1,872,000"}, {"Harmonic", "(1/1) 1,872,000"}}},
    {"the day before that",
     BC("4", "1", "8239"),
     {{"GreatCycle", "Minus 2"}, {"KinDays", "1,871,999"}}},
    {"day count 0 outside the start year is the last day of a cycle",
     BC("92", "9", "3121"), // the start day, reached from another year
     {{"GreatCycle", "Starting"},
      {"KinDays", "1,872,000"},
      {"Harmonic", "(1/1) 1,872,000"},
      {"jMayan", "13.0.0.0.0"},
      {"LongC", "0.0.0.0.0.0"}}},
    {"hexadecimal and blank-led texts",
     AD(" $C", "x15", "0x7DC"),
     {{"GreatCycle", "Plus 1"}, {"KinDays", "1,872,000"}}},
};

void PrintTo(const ReadingCase& c, std::ostream* os) {
    *os << c.what;
}

class LandmarkDayTest : public testing::TestWithParam<ReadingCase> {};

TEST_P(LandmarkDayTest, ShowsTheKnownTexts) {
    const ReadingCase& c = GetParam();
    const CalendarReading reading = readingOf(c.date);
    for (const auto& [name, text] : c.expected)
        EXPECT_EQ(field(reading, name), text) << c.what << ": " << name;
}

INSTANTIATE_TEST_SUITE_P(Engine, LandmarkDayTest, testing::ValuesIn(landmarkDays));

TEST(ComputeReading, EveryTextIsFilledOnSuccess) {
    for (const ReadingCase& c : landmarkDays) {
        const CalendarReading reading = readingOf(c.date);
        for (const char* name : {"GreatCycle", "KinDays", "KinLbl1", "KinLeft", "KinLbl2",
                                 "Harmonic", "jMayan", "LongC", "Tzolkin", "WeekD"})
            EXPECT_FALSE(field(reading, name).empty()) << c.what << ": " << name;
    }
}

// Dates that the engine must treat as one and the same day.
TEST(ComputeReading, AliasedInputsGiveIdenticalReadings) {
    const std::pair<CalendarDate, CalendarDate> same[] = {
        {AD("2", "31", "2023"), AD("3", "3", "2023")},
        {AD("2", "31", "2024"), AD("3", "2", "2024")},
        {AD("13", "1", "2012"), AD("1", "1", "2013")},
        {AD("0", "1", "2012"), AD("12", "1", "2011")},
        {AD("3", "0", "2012"), AD("2", "29", "2012")},
        {BC("1", "1", "1"), AD("1", "1", "0")},
        {AD("6", "1", "-5"), BC("6", "1", "6")},
        {{"5", "5", "1999", -1}, AD("5", "5", "1999")},
        {{"5", "5", "1999", 7}, AD("5", "5", "1999")},
        {BC("2", "29", "4801"), BC("3", "1", "4801")},
        {AD(" 7", "1", "2000"), AD("7", "1", "2000")},
        {AD("$A", "1", "2000"), AD("10", "1", "2000")},
        {AD("00", "1", "2000"), AD("0", "1", "2000")},
    };
    for (const auto& [a, b] : same)
        EXPECT_EQ(readingOf(a), readingOf(b)) << a.Month << "/" << a.Day << "/" << a.Year;
}

TEST(ComputeReading, NamesTheFirstTextThatIsNoInteger) {
    const std::pair<CalendarDate, const char*> cases[] = {
        {AD("", "1", "2000"), "'' is not a valid integer value"},
        {AD("1.5", "1", "2000"), "'1.5' is not a valid integer value"},
        {AD("1", "1", "-"), "'-' is not a valid integer value"},
        {AD("a", "b", "2000"), "'a' is not a valid integer value"},
        {AD("1", "b", "c"), "'b' is not a valid integer value"},
        {AD("7 ", "1", "2000"), "'7 ' is not a valid integer value"},
        {AD("1", "1", "   "), "'   ' is not a valid integer value"},
        {BC("1", "1", "2147483648"), "'2147483648' is not a valid integer value"},
    };
    for (const auto& [date, message] : cases)
        EXPECT_EQ(errorOf(date), message);
}

TEST(ComputeReading, RefusesDatesWhoseArithmeticLeavesThirtyTwoBits) {
    EXPECT_EQ(errorOf(AD("1", "1", "2000000000")),
              "Month 1, day 1, year 2000000000 A.D. lies outside the range that can be computed");
    EXPECT_EQ(errorOf(BC("1", "1", "-2147483648")),
              "Month 1, day 1, year -2147483648 B.C. lies outside the range that can be computed");
    EXPECT_EQ(
        errorOf(AD("1", "2147483647", "2000")),
        "Month 1, day 2147483647, year 2000 A.D. lies outside the range that can be computed");
    // Close to the edge, the day count still fits and a reading is given.
    EXPECT_EQ(readingOf(AD("1", "1", "1400000"))[GreatCycle], "Plus 273");
    EXPECT_EQ(readingOf(AD("1", "-2000000000", "1"))[LongC], "< 0.0.0.0.0.0");
}

TEST(ComputeReading, SharesUseTheGivenDecimalSeparator) {
    const CalendarReading reading = readingOf(BC("4", "17", "551"), ',');
    EXPECT_EQ(reading[KinLbl1], "50,00000%");
    EXPECT_EQ(reading[KinLbl2], "50,00000%");
    EXPECT_EQ(reading[KinDays], "936,000"); // grouping stays ","
}

// The separator the front ends pass comes from the current locale.
TEST(ComputeReading, LocaleSeparatorComesFromTheCurrentLocale) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    const auto reading = ComputeReading(BC("4", "17", "551"), LocaleDecimalSeparator()).Reading;
    EXPECT_EQ(reading[KinLbl1], "50.00000%");

    const char* commaLocales[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "nl_NL.UTF-8", "ru_RU.UTF-8"};
    for (const char* name : commaLocales) {
        if (std::setlocale(LC_NUMERIC, name) == nullptr)
            continue;
        const auto local = ComputeReading(BC("4", "17", "551"), LocaleDecimalSeparator()).Reading;
        std::setlocale(LC_NUMERIC, "C");
        EXPECT_EQ(local[KinLbl1], "50,00000%") << name;
        return;
    }
    std::setlocale(LC_NUMERIC, "C");
    GTEST_SKIP() << "no locale with a decimal comma is installed";
}

TEST(ComputeReading, KeepsNoStateBetweenCalls) {
    const CalendarReading first = readingOf(AD("6", "15", "2024"));
    readingOf(BC("1", "1", "99999"));
    errorOf(AD("x", "1", "1"));
    EXPECT_EQ(readingOf(AD("6", "15", "2024")), first);
}

TEST(NameTables, HaveTheirExactBlanks) {
    for (std::size_t i = 0; i < zentolk::DayName.size(); ++i) {
        const std::string_view name = zentolk::DayName[i];
        const std::string_view blanks = i < 8 ? " (" : "  (";
        EXPECT_NE(name.find(blanks), std::string_view::npos) << name;
        EXPECT_EQ(name.find("   "), std::string_view::npos) << name;
        if (i < 8) {
            EXPECT_EQ(name.find("  "), std::string_view::npos) << name;
        }
    }
    EXPECT_EQ(zentolk::WeekN.front(), "Sunday");
    EXPECT_EQ(zentolk::WeekN.back(), "Saturday");
}

} // namespace
