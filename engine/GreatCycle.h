#pragma once

#include "Arithmetic.h"
#include "LongCount.h"

#include <cstdint>

namespace zentolk {

inline constexpr std::int32_t CycleLength = 13 * BaktunDays;
inline constexpr std::int32_t StartYear = -3113; // astronomical year of the start day

// Which Great Cycle a day count lies in: the floor of dayCount / CycleLength,
// 0 for the cycle that began on the start day.
constexpr std::int32_t CycleNumber(std::int32_t dayCount) {
    return FloorDiv(dayCount, CycleLength);
}

// The day count reduced into 1..CycleLength; a whole multiple counts as the
// last day of a cycle, except day count 0 entered in the start year, which
// stays 0 (the test is on the year, not on the date).
constexpr std::int32_t CycleCount(std::int32_t dayCount, std::int32_t astronomicalYear) {
    std::int32_t k = Remainder(dayCount, CycleLength);
    if (k == 0 && (dayCount > 0 || astronomicalYear != StartYear))
        k = CycleLength;
    return k;
}

// The elapsed share in percent, rounded to binary32; the remaining share is
// 100 minus that binary32 value, rounded again. The rounding is part of the
// result that users see, so the two need not add up to 100.
inline float ElapsedShare(std::int32_t cycleCount) {
    return static_cast<float>(static_cast<double>(cycleCount * 100) / CycleLength);
}
inline float RemainingShare(float elapsedShare) {
    return static_cast<float>(100.0 - static_cast<double>(elapsedShare));
}

// The largest fraction 1/2^i of the cycle that the count fills exactly:
// (numerator/denominator) of divisor = 14625 * 2^(7-i) days.
struct Harmonic {
    enum Kind : std::uint8_t { None, StartOfCycle, Fraction } kind = None;
    std::int32_t numerator = 0, denominator = 0, divisor = 0;
};

// Whether the count fills a fraction 1/128 of the cycle exactly, or more
// (most counts do not, and a table asks this first).
constexpr bool FillsAHarmonic(std::int32_t cycleCount) {
    // Unsigned, the test is one multiplication (counts are never negative).
    return static_cast<std::uint32_t>(cycleCount) % std::uint32_t{CycleLength / 128} == 0;
}

constexpr Harmonic HarmonicOf(std::int32_t cycleCount) {
    if (!FillsAHarmonic(cycleCount))
        return {};
    if (cycleCount == 0)
        return {Harmonic::StartOfCycle};
    std::int32_t divisor = CycleLength;
    while (cycleCount % divisor != 0)
        divisor /= 2;
    return {Harmonic::Fraction, cycleCount / divisor, CycleLength / divisor, divisor};
}

// A day as the inscriptions write it. From the start day on a day is this
// era's (era 0) and its count is the day count. A day before it belongs to
// the era before (-1), or an earlier one (-2, ...), each 13 baktuns long,
// and is counted from that era's own 0.0.0.0.0: 1 day before the start day
// is 12.19.19.17.19 of era -1. A view of the day count, never a second one.
struct InscribedCount {
    std::int64_t era = 0;
    std::int64_t count = 0;
};
constexpr InscribedCount InscribedOf(std::int64_t dayCount) {
    if (dayCount >= 0)
        return {0, dayCount};
    const std::int64_t era = FloorDiv<std::int64_t>(dayCount, CycleLength);
    return {era, dayCount - era * CycleLength};
}
constexpr std::int64_t DayCountOfInscribed(std::int64_t era, std::int64_t count) {
    return era * CycleLength + count;
}

} // namespace zentolk
