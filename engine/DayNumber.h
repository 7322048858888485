#pragma once

#include "Arithmetic.h"

#include <cstdint>
#include <optional>

namespace zentolk {

inline constexpr std::int32_t StartDay = 584283; // 13.0.0.0.0, 11 August 3114 B.C.
inline constexpr std::int32_t EraIndexBC = 1;

// The astronomical year of a year entered with an era index: B.C. (1) gives
// 1 - year, every other index keeps the year. Empty when 1 - year overflows.
inline std::optional<std::int32_t> AstronomicalYear(std::int32_t year, std::int32_t eraIndex) {
    // Without a branch on the era: a table of mixed eras would mispredict it.
    std::int32_t bc;
    const bool overflow = __builtin_sub_overflow(1, year, &bc);
    const bool isBC = eraIndex == EraIndexBC;
    if (isBC & overflow)
        return std::nullopt;
    return isBC ? bc : year;
}

// The integer Gregorian day-number formula, every division truncating toward
// zero, applied to whatever month and day it is given (no wrap, no check).
// Arith is Checked32, which notes an overflow, or Plain32 for values known
// to stay in range. C++ divisions truncate toward zero, which is what the
// formula requires (floor division would change dates before 4801 B.C.).
template <typename Arith>
[[gnu::always_inline]] inline std::int32_t DayNumberFormula(std::int32_t m, std::int32_t d,
                                                            std::int32_t y, Arith& c) {
    const std::int32_t a = c.sub(m, 14) / 12;
    const std::int32_t p = c.mul(1461, c.add(c.add(y, 4800), a)) / 4;
    const std::int32_t q = c.mul(367, c.sub(c.sub(m, 2), c.mul(12, a))) / 12;
    const std::int32_t r = c.mul(3, c.add(c.add(y, 4900), a) / 100) / 4;
    return c.sub(c.add(c.sub(c.add(p, q), r), d), 32075);
}

// The formula on any 32-bit values; empty when a step leaves the range.
inline std::optional<std::int32_t> DayNumber(std::int32_t month, std::int32_t day,
                                             std::int32_t year) {
    Checked32 c;
    const std::int32_t j = DayNumberFormula(month, day, year, c);
    if (c.overflow)
        return std::nullopt;
    return j;
}

} // namespace zentolk
