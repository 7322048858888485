#include "GreatCycle.h"

namespace zentolk {

void AppendCycleLabel(FixedText& out, std::int32_t dayCount) {
    const std::int32_t n = dayCount / CycleLength;
    if (n > 0) {
        out.append("Plus ");
        out.appendInt(n);
    } else if (n < 0) {
        out.append("Minus ");
        out.appendInt(1 - ((dayCount + 1) / CycleLength));
    } else {
        out.append(dayCount >= 0 ? "Starting" : "Minus 1");
    }
}

std::int32_t CycleCount(std::int32_t dayCount, std::int32_t astronomicalYear) {
    std::int32_t k = dayCount % CycleLength;
    if (k < 0)
        k += CycleLength;
    if (k == 0 && (dayCount > 0 || astronomicalYear != StartYear))
        k = CycleLength;
    return k;
}

float ElapsedShare(std::int32_t cycleCount) {
    return static_cast<float>(static_cast<double>(cycleCount * 100) / CycleLength);
}

float RemainingShare(float elapsedShare) {
    return static_cast<float>(100.0 - static_cast<double>(elapsedShare));
}

void AppendHarmonic(FixedText& out, std::int32_t cycleCount) {
    if (cycleCount == 0) {
        out.append("Start of Cycle");
        return;
    }
    constexpr std::int32_t smallest = 14625; // 1872000 / 128
    for (int i = 7; i >= 0; --i) {
        const std::int32_t divisor = smallest << i;
        if (cycleCount % divisor == 0) {
            out.append('(');
            out.appendInt(cycleCount / divisor);
            out.append('/');
            out.appendInt(CycleLength / divisor);
            out.append(") ");
            out.appendGrouped(static_cast<std::uint32_t>(divisor));
            return;
        }
    }
    out.append("none");
}

} // namespace zentolk
