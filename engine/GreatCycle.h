#pragma once

#include "FixedText.h"

#include <cstdint>

namespace zentolk {

inline constexpr std::int32_t CycleLength = 1872000; // 13 baktuns
inline constexpr std::int32_t StartYear = -3113;     // astronomical year of the start day

// "Starting", "Plus n" or "Minus n": the floor of dayCount / CycleLength.
void AppendCycleLabel(FixedText& out, std::int32_t dayCount);

// The day count reduced into 1..CycleLength; a whole multiple counts as the
// last day of a cycle, except day count 0 entered in the start year, which
// stays 0 (the test is on the year, not on the date).
std::int32_t CycleCount(std::int32_t dayCount, std::int32_t astronomicalYear);

// The elapsed share in percent, rounded to binary32; the remaining share is
// 100 minus that binary32 value, rounded again. The rounding is part of the
// result that users see, so the two need not add up to 100.
float ElapsedShare(std::int32_t cycleCount);
float RemainingShare(float elapsedShare);

// "(n/d) divisor" for the largest 14625 * 2^i dividing the count, "none" when
// there is none, "Start of Cycle" for count 0.
void AppendHarmonic(FixedText& out, std::int32_t cycleCount);

} // namespace zentolk
