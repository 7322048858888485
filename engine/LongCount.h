#pragma once

#include "FixedText.h"

#include <cstdint>

namespace zentolk {

// baktun.katun.tun.uinal.kin of the cycle count (0 to 1872000).
void AppendCycleLongCount(FixedText& out, std::int32_t cycleCount);

// pictun.baktun.katun.tun.uinal.kin of the day count, without wrapping at the
// end of a cycle; "< 0.0.0.0.0.0" for days before the start day.
void AppendHistoricalLongCount(FixedText& out, std::int32_t dayCount, std::int32_t cycleCount);

} // namespace zentolk
