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

// The names padded to whole blocks, which are copied at a constant size.
template <std::size_t Width, std::size_t N>
constexpr std::array<std::array<char, Width>, N>
padded(const std::array<std::string_view, N>& names) {
    std::array<std::array<char, Width>, N> blocks{};
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t c = 0; c < names[i].size(); ++c)
            blocks[i][c] = names[i][c];
    return blocks;
}
constexpr auto PaddedDayNames = padded<24>(DayName);
constexpr auto PaddedWeekNames = padded<16>(WeekN);
} // namespace

void AppendTzolkin(FixedText& out, std::int32_t dayNumber) {
    const std::int32_t offset = dayNumber - TzolkinBase;
    out.appendInt(nonNegativeRemainder(offset, 13) + 1);
    out.append("  ");
    const auto sign = static_cast<std::size_t>(nonNegativeRemainder(offset, 20));
    out.appendPadded(PaddedDayNames[sign], DayName[sign].size());
}

void AppendWeekDay(FixedText& out, std::int32_t dayNumber) {
    const auto day = static_cast<std::size_t>(nonNegativeRemainder(dayNumber - WeekBase, 7));
    out.appendPadded(PaddedWeekNames[day], WeekN[day].size());
}

} // namespace zentolk
