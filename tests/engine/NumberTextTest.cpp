#include "engine/NumberText.h"

#include "ReferenceModels.h"
#include "engine/TextWriters.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

using zentolk::GroupThousands;
using zentolk::ParseInteger;
using zentolk::PutGrouped;
using zentolk::PutSigned;
using zentolk::WrittenText;
using zentolk::model::FiveDecimals;

namespace {

std::optional<std::int32_t> parse(std::string_view text) {
    std::int32_t value = 12345; // must stay untouched on failure paths that matter to callers
    if (!ParseInteger(text, value))
        return std::nullopt;
    return value;
}

struct ParseCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << "'" << c.text << "'";
}

class ParseIntegerTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntegerTest, FollowsTheFieldTextRules) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(parse(c.text), c.expected) << "text '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ParseIntegerTest,
    testing::Values(ParseCase{"0", 0}, ParseCase{"7", 7}, ParseCase{"007", 7}, ParseCase{"+5", 5},
                    ParseCase{"-5", -5}, ParseCase{"-0", 0}, ParseCase{" 7", 7},
                    ParseCase{"   -12", -12}, ParseCase{"2147483647", 2147483647},
                    ParseCase{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                    ParseCase{"00000000002147483647", 2147483647}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, ParseIntegerTest,
    testing::Values(ParseCase{"$A", 10}, ParseCase{"$1F", 31}, ParseCase{"$1f", 31},
                    ParseCase{"x10", 16}, ParseCase{"X10", 16}, ParseCase{"0x10", 16},
                    ParseCase{"0XfF", 255}, ParseCase{" $7", 7}, ParseCase{"$FFFFFFFF", -1},
                    ParseCase{"$80000000", std::numeric_limits<std::int32_t>::min()},
                    ParseCase{"$000000000001", 1}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, ParseIntegerTest,
    testing::Values(ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt},
                    ParseCase{"-", std::nullopt}, ParseCase{"+", std::nullopt},
                    ParseCase{"$", std::nullopt}, ParseCase{"0x", std::nullopt},
                    ParseCase{"x", std::nullopt}, ParseCase{"7 ", std::nullopt},
                    ParseCase{"\t7", std::nullopt}, ParseCase{"1.5", std::nullopt},
                    ParseCase{"1,5", std::nullopt}, ParseCase{"1-2", std::nullopt},
                    ParseCase{"--1", std::nullopt}, ParseCase{"+-1", std::nullopt},
                    ParseCase{"-$5", std::nullopt}, ParseCase{"+0x5", std::nullopt},
                    ParseCase{"$G", std::nullopt}, ParseCase{"0x1g", std::nullopt},
                    ParseCase{"2147483648", std::nullopt}, ParseCase{"-2147483649", std::nullopt},
                    ParseCase{"99999999999999999999", std::nullopt},
                    ParseCase{"$100000000", std::nullopt}, ParseCase{"a", std::nullopt},
                    ParseCase{"1e3", std::nullopt}, ParseCase{"\xff", std::nullopt}));

TEST(ParseInteger, StopsAtAnEmbeddedNul) {
    EXPECT_EQ(parse(std::string_view("12\0", 3)), std::nullopt);
}

TEST(GroupThousands, InsertsCommasBetweenGroupsOfThree) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"0", "0"},
        {"1", "1"},
        {"12", "12"},
        {"22", "22"},
        {"123", "123"},
        {"1234", "1,234"},
        {"14625", "14,625"},
        {"117000", "117,000"},
        {"123456", "123,456"},
        {"1234567", "1,234,567"},
        {"1872000", "1,872,000"},
        {"1234567890", "1,234,567,890"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(GroupThousands(in), out) << in;
}

// The writers put their text at any cursor, whatever lies before it.
TEST(GroupThousands, NumbersGroupedInPlaceAgreeWithTheTextRule) {
    for (std::uint32_t v : {0u, 9u, 10u, 999u, 1000u, 9999u, 10000u, 99999u, 100000u, 999999u,
                            1000000u, 1871999u, 1872000u, 999999999u, 1000000000u, 4294967295u})
        for (const std::string_view before : {"", "(127/128) ", "0123456789abcdef"}) {
            const std::string text = WrittenText([&](char* o) {
                std::memcpy(o, before.data(), before.size());
                return PutGrouped(o + before.size(), v);
            });
            EXPECT_EQ(text, std::string(before) + GroupThousands(std::to_string(v))) << v;
        }
}

// Every length up to ten digits, many values of each: the long numbers are
// written eight digits at a time, in lanes of one word.
TEST(TextWriters, UnsignedNumbersOfEveryLengthAgreeWithTheLibrary) {
    for (std::uint64_t v = 0; v <= 4294967295u; v = v < 1000 ? v + 1 : v + v / 997 + 1) {
        const auto value = static_cast<std::uint32_t>(v);
        ASSERT_EQ(WrittenText([&](char* o) { return zentolk::PutUnsigned(o, value); }),
                  std::to_string(value));
        ASSERT_EQ(WrittenText([&](char* o) { return zentolk::PutCount(o, value); }),
                  std::to_string(value));
    }
}

TEST(TextWriters, PlainIntegersAgreeWithTheLibrary) {
    for (std::int64_t v :
         {0LL,           1LL,          9LL,           10LL,     99LL,      100LL,
          999LL,         1000LL,       99999LL,       100000LL, 9999999LL, 10000000LL,
          999999999LL,   1000000000LL, 2147483647LL,  -1LL,     -10LL,     -100LL,
          -2147483648LL, 4294967296LL, -9999999999LL, -9LL,     -99LL,     99999999LL,
          100000000LL,   -99999999LL}) {
        EXPECT_EQ(WrittenText([&](char* o) { return PutSigned(o, v); }), std::to_string(v));
        EXPECT_EQ(WrittenText([&](char* o) { return zentolk::PutSignedInPlace(o, v); }),
                  std::to_string(v));
        if (v >= INT32_MIN && v <= INT32_MAX) {
            EXPECT_EQ(WrittenText([&](char* o) { return PutSigned(o, std::int32_t(v)); }),
                      std::to_string(v));
            EXPECT_EQ(
                WrittenText([&](char* o) { return zentolk::PutSignedCount(o, std::int32_t(v)); }),
                std::to_string(v));
        }
    }
}

TEST(FiveDecimals, WritesFiveDecimalsWithoutSignOrExponent) {
    EXPECT_EQ(FiveDecimals(0.0f, '.'), "0.00000");
    EXPECT_EQ(FiveDecimals(100.0f, '.'), "100.00000");
    EXPECT_EQ(FiveDecimals(50.0f, '.'), "50.00000");
    EXPECT_EQ(FiveDecimals(static_cast<float>(1.0 / 18720), '.'), "0.00005");
    EXPECT_EQ(FiveDecimals(97.994766235f, '.'), "97.99477");
    EXPECT_EQ(FiveDecimals(0.78125f, '.'), "0.78125");
}

TEST(FiveDecimals, UsesTheGivenSeparator) {
    EXPECT_EQ(FiveDecimals(50.0f, ','), "50,00000");
    EXPECT_EQ(FiveDecimals(99.99995f, ','), "99,99995");
}

} // namespace
