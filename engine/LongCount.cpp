#include "LongCount.h"

#include <cassert>
#include <cstring>

namespace zentolk {

namespace {
constexpr std::int32_t Pictun = 2880000;
constexpr std::int32_t Baktun = 144000;
constexpr std::int32_t Katun = 7200;
constexpr std::int32_t Tun = 360;
constexpr std::int32_t Uinal = 20;

// ".0" to ".19", each padded to four bytes: the places below the baktun.
struct DottedPlaces {
    char text[20][4];
    constexpr DottedPlaces() : text{} {
        for (int i = 0; i < 20; ++i) {
            text[i][0] = '.';
            text[i][1] = static_cast<char>(i < 10 ? '0' + i : '1');
            text[i][2] = static_cast<char>(i < 10 ? 0 : '0' + i - 10);
        }
    }
};
constexpr DottedPlaces Dotted;

char* putPlace(char* p, std::int32_t value) {
    std::memcpy(p, Dotted.text[value], 4);
    return p + (value < 10 ? 2 : 3);
}

// ".katun.tun.uinal.kin" of what is left of the count after its baktuns.
void appendBelowBaktun(FixedText& out, std::int32_t count) {
    std::int32_t r = count % Baktun;
    assert(r >= 0);
    char* p = out.end();
    p = putPlace(p, r / Katun);
    r %= Katun;
    p = putPlace(p, r / Tun);
    r %= Tun;
    p = putPlace(p, r / Uinal);
    p = putPlace(p, r % Uinal);
    out.setEnd(p);
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
