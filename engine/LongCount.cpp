#include "LongCount.h"

namespace zentolk {

namespace {
constexpr std::int32_t Pictun = 2880000;
constexpr std::int32_t Baktun = 144000;
constexpr std::int32_t Katun = 7200;
constexpr std::int32_t Tun = 360;
constexpr std::int32_t Uinal = 20;

// ".katun.tun.uinal.kin" of what is left of the count after its baktuns.
void appendBelowBaktun(FixedText& out, std::int32_t count) {
    std::int32_t r = count % Baktun;
    for (std::int32_t place : {Katun, Tun, Uinal}) {
        out.append('.');
        out.appendInt(r / place);
        r %= place;
    }
    out.append('.');
    out.appendInt(r);
}
} // namespace

void AppendCycleLongCount(FixedText& out, std::int32_t cycleCount) {
    out.appendInt(cycleCount / Baktun);
    appendBelowBaktun(out, cycleCount);
}

void AppendHistoricalLongCount(FixedText& out, std::int32_t dayCount, std::int32_t cycleCount) {
    if (dayCount < 0) {
        out.append("< 0.0.0.0.0.0");
        return;
    }
    const std::int32_t pictun = dayCount / Pictun;
    out.appendInt(pictun);
    out.append('.');
    out.appendInt((dayCount - pictun * Pictun) / Baktun);
    // The lower four places come from the cycle count; 144000 divides the
    // cycle length, so they equal those of the day count itself.
    appendBelowBaktun(out, cycleCount);
}

} // namespace zentolk
