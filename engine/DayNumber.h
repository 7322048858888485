#pragma once

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
// Empty when any intermediate value leaves the signed 32-bit range.
std::optional<std::int32_t> DayNumber(std::int32_t month, std::int32_t day, std::int32_t year);

} // namespace zentolk
