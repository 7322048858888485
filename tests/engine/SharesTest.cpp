// The percentages of every possible cycle count, against exact integer
// arithmetic on the binary32 values and on the counts themselves.
#include "ReferenceModels.h"
#include "engine/GreatCycle.h"
#include "engine/NumberText.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

using zentolk::CycleLength;
using zentolk::ElapsedShare;
using zentolk::RemainingShare;
using zentolk::model::FiveDecimals;

namespace {

// Units of 0.00001 written as "int.ddddd".
std::string fromHundredThousandths(std::uint64_t units) {
    std::string fraction = std::to_string(units % 100000);
    return std::to_string(units / 100000) + "." + std::string(5 - fraction.size(), '0') + fraction;
}

// The exact value of a binary32 number rounded to five decimals, half away
// from zero, by integer arithmetic on its significand and exponent.
std::string exactFiveDecimals(float value) {
    int exponent;
    const float fraction = std::frexp(value, &exponent); // value = fraction * 2^exponent
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 24));
    const int shift = 24 - exponent; // value = significand / 2^shift
    EXPECT_TRUE(shift >= 0 && shift < 64) << value;
    const std::uint64_t scaled = significand * 100000; // below 2^41
    const std::uint64_t half = shift == 0 ? 0 : std::uint64_t{1} << (shift - 1);
    return fromHundredThousandths((scaled + half) >> shift);
}

// k * 100 / 1872000 rounded to five decimals in exact decimal arithmetic (no
// midpoint occurs: 117 would have to divide k, which then gives a whole number).
std::string decimalElapsed(std::int64_t k) {
    return fromHundredThousandths(static_cast<std::uint64_t>((k * 10000000 + 936000) / 1872000));
}

TEST(Shares, EveryCountMatchesTheExactBinary32Value) {
    int elapsedDiffers = 0, remainingDiffers = 0;
    for (std::int32_t k = 0; k <= CycleLength; ++k) {
        const float elapsed = ElapsedShare(k);
        const float remaining = RemainingShare(elapsed);
        // Wider intermediate arithmetic must land on the same binary32 value.
        ASSERT_EQ(elapsed, static_cast<float>(static_cast<long double>(k) * 100 / CycleLength))
            << k;
        ASSERT_EQ(remaining, static_cast<float>(100.0L - elapsed)) << k;

        const std::string elapsedText = FiveDecimals(elapsed, '.');
        const std::string remainingText = FiveDecimals(remaining, '.');
        ASSERT_EQ(elapsedText, exactFiveDecimals(elapsed)) << k;
        ASSERT_EQ(remainingText, exactFiveDecimals(remaining)) << k;

        elapsedDiffers += elapsedText != decimalElapsed(k);
        remainingDiffers += remainingText != decimalElapsed(CycleLength - k);
    }
    // How many texts the binary32 rounding makes differ from exact decimals.
    EXPECT_EQ(elapsedDiffers, 207232);
    EXPECT_EQ(remainingDiffers, 317216);
}

TEST(Shares, KnownValues) {
    EXPECT_EQ(FiveDecimals(ElapsedShare(22), '.'), "0.00118");
    EXPECT_EQ(FiveDecimals(RemainingShare(ElapsedShare(22)), '.'), "99.99883");
    EXPECT_EQ(FiveDecimals(ElapsedShare(37538), '.'), "2.00523");
    EXPECT_EQ(FiveDecimals(RemainingShare(ElapsedShare(37538)), '.'), "97.99477");
    EXPECT_EQ(FiveDecimals(ElapsedShare(1), '.'), "0.00005");
    EXPECT_EQ(FiveDecimals(RemainingShare(ElapsedShare(CycleLength)), '.'), "0.00000");
}

} // namespace
