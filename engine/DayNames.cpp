#include "DayNames.h"

namespace zentolk {

namespace {
// Truncating remainder brought into 0..divisor-1 by adding the divisor once.
std::int32_t nonNegativeRemainder(std::int32_t value, std::int32_t divisor) {
    std::int32_t r = value % divisor;
    if (r < 0)
        r += divisor;
    return r;
}
} // namespace

void AppendTzolkin(FixedText& out, std::int32_t dayNumber) {
    const std::int32_t offset = dayNumber - TzolkinBase;
    out.appendInt(nonNegativeRemainder(offset, 13) + 1);
    out.append("  ");
    out.append(DayName[static_cast<std::size_t>(nonNegativeRemainder(offset, 20))]);
}

void AppendWeekDay(FixedText& out, std::int32_t dayNumber) {
    out.append(WeekN[static_cast<std::size_t>(nonNegativeRemainder(dayNumber - WeekBase, 7))]);
}

} // namespace zentolk
