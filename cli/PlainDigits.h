#pragma once

// The batch's fast formatting: digits, grouped numbers, shares, Long Count
// places, harmonics and the engine's names, written with copies of a fixed
// size from padded tables and the cursor then advanced by the true length
// (copies of a variable length cost more than the rest of a line's work).
#include "engine/DayNames.h"
#include "engine/DayNumber.h"
#include "engine/GreatCycle.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zentolk::cli::plain {
inline constexpr std::int32_t Pictun = 2880000;
inline constexpr std::int32_t Baktun = 144000;
inline constexpr std::int32_t Katun = 7200;
inline constexpr std::int32_t Tun = 360;
inline constexpr std::int32_t Uinal = 20;
inline constexpr std::uint32_t FieldMax = 1000000; // keeps every step of the day number in 32 bits

template <std::size_t Width> struct PaddedText {
    char text[Width];
    std::size_t size;
};

// The engine's own names, padded for whole-width copies.
template <std::size_t Width, std::size_t N>
inline std::array<PaddedText<Width>, N> pad(const std::array<std::string_view, N>& names) {
    std::array<PaddedText<Width>, N> padded{};
    for (std::size_t i = 0; i < N; ++i) {
        std::memcpy(padded[i].text, names[i].data(), names[i].size());
        padded[i].size = names[i].size();
    }
    return padded;
}
inline const auto DayNames = pad<32>(DayName);
inline const auto WeekNames = pad<16>(WeekN);

struct DigitTables {
    char pairs[200];    // "00" to "99"
    char dotted[20][4]; // ".0" to ".19"
    std::uint8_t dottedSize[20];
    DigitTables() {
        for (int i = 0; i < 100; ++i) {
            pairs[2 * i] = static_cast<char>('0' + i / 10);
            pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
        for (int i = 0; i < 20; ++i) {
            dotted[i][0] = '.';
            std::memcpy(dotted[i] + 1, pairs + 2 * i + (i < 10 ? 1 : 0), 2);
            dotted[i][3] = 0;
            dottedSize[i] = static_cast<std::uint8_t>(i < 10 ? 2 : 3);
        }
    }
};
inline const DigitTables Digits;

inline char* putPair(char* o, std::uint32_t v) {
    std::memcpy(o, Digits.pairs + 2 * v, 2);
    return o + 2;
}

// Plain decimal of a value below 10,000,000.
inline char* putUInt(char* o, std::uint32_t v) {
    if (v < 10) {
        *o = static_cast<char>('0' + v);
        return o + 1;
    }
    if (v < 100)
        return putPair(o, v);
    const int length = v < 1000 ? 3 : v < 10000 ? 4 : v < 100000 ? 5 : v < 1000000 ? 6 : 7;
    char* end = o + length;
    char* p = end;
    for (; v >= 100; v /= 100) {
        p -= 2;
        std::memcpy(p, Digits.pairs + 2 * (v % 100), 2);
    }
    if (v >= 10)
        std::memcpy(p - 2, Digits.pairs + 2 * v, 2);
    else
        p[-1] = static_cast<char>('0' + v);
    return end;
}

inline char* putThree(char* o, std::uint32_t v) {
    *o = static_cast<char>('0' + v / 100);
    return putPair(o + 1, v % 100);
}

// With "," between groups of three, for 0 to 1,872,000.
inline char* putGrouped(char* o, std::uint32_t v) {
    if (v < 1000)
        return putUInt(o, v);
    const std::uint32_t high = v / 1000;
    if (high >= 1000) {
        o = putUInt(o, high / 1000);
        *o++ = ',';
        o = putThree(o, high % 1000);
    } else {
        o = putUInt(o, high);
    }
    *o++ = ',';
    return putThree(o, v % 1000);
}

// A share of 0 to 100 percent, rounded to five decimals as the engine does.
inline char* putShare(char* o, float share, char separator) {
    const auto scaled = static_cast<long long>(static_cast<double>(share) * 100000.0 + 0.5);
    o = putUInt(o, static_cast<std::uint32_t>(scaled / 100000));
    *o++ = separator;
    const auto fraction = static_cast<std::uint32_t>(scaled % 100000);
    *o++ = static_cast<char>('0' + fraction / 10000);
    o = putPair(o, fraction / 100 % 100);
    o = putPair(o, fraction % 100);
    *o = '%';
    return o + 1;
}

inline char* putDotted(char* o, std::int32_t v) {
    std::memcpy(o, Digits.dotted[v], 4);
    return o + Digits.dottedSize[v];
}

// ".katun.tun.uinal.kin" of a count below one baktun.
inline char* putBelowBaktun(char* o, std::int32_t r) {
    o = putDotted(o, r / Katun);
    r %= Katun;
    o = putDotted(o, r / Tun);
    r %= Tun;
    o = putDotted(o, r / Uinal);
    return putDotted(o, r % Uinal);
}

inline char* putHarmonic(char* o, std::int32_t k) {
    constexpr std::int32_t smallest = 14625;
    if (k % smallest != 0) {
        std::memcpy(o, "none", 4);
        return o + 4;
    }
    if (k == 0) {
        std::memcpy(o, "Start of Cycle", 14);
        return o + 14;
    }
    for (int i = 7;; --i) { // i = 0 always divides
        const std::int32_t divisor = smallest << i;
        if (k % divisor == 0) {
            *o++ = '(';
            o = putUInt(o, static_cast<std::uint32_t>(k / divisor));
            *o++ = '/';
            o = putUInt(o, static_cast<std::uint32_t>(CycleLength / divisor));
            std::memcpy(o, ") ", 2);
            return putGrouped(o + 2, static_cast<std::uint32_t>(divisor));
        }
    }
}

// Plain decimal of any 32-bit magnitude.
inline char* putLarge(char* o, std::uint32_t v) {
    if (v < 10000000)
        return putUInt(o, v);
    o = putUInt(o, v / 10000000);
    v %= 10000000;
    *o++ = static_cast<char>('0' + v / 1000000);
    o = putPair(o, v / 10000 % 100);
    o = putPair(o, v / 100 % 100);
    return putPair(o, v % 100);
}

inline char* putSigned(char* o, std::int32_t v) {
    if (v < 0) {
        *o++ = '-';
        return putLarge(o, 0u - static_cast<std::uint32_t>(v));
    }
    return putLarge(o, static_cast<std::uint32_t>(v));
}

// "Starting", "Plus n" or "Minus n": which Great Cycle the day count lies in.
inline char* putCycleLabel(char* o, std::int32_t dayCount) {
    const std::int32_t cycles = dayCount / CycleLength;
    if (cycles > 0) {
        std::memcpy(o, "Plus ", 5);
        return putUInt(o + 5, static_cast<std::uint32_t>(cycles));
    }
    if (cycles < 0) {
        std::memcpy(o, "Minus ", 6);
        return putUInt(o + 6, static_cast<std::uint32_t>(1 - (dayCount + 1) / CycleLength));
    }
    if (dayCount >= 0) {
        std::memcpy(o, "Starting", 8);
        return o + 8;
    }
    std::memcpy(o, "Minus 1", 7);
    return o + 7;
}

// The historical Long Count, "p.b.k.t.u.k" from the start day; `below` is the
// cycle day's part below one baktun.
inline char* putHistorical(char* o, std::int32_t dayCount, std::int32_t below) {
    if (dayCount < 0) {
        std::memcpy(o, "< 0.0.0.0.0.0", 13);
        return o + 13;
    }
    const std::int32_t pictun = dayCount / Pictun;
    o = putUInt(o, static_cast<std::uint32_t>(pictun));
    *o++ = '.';
    o = putUInt(o, static_cast<std::uint32_t>((dayCount - pictun * Pictun) / Baktun));
    return putBelowBaktun(o, below);
}

inline std::int32_t nonNegativeRemainder(std::int32_t value, std::int32_t divisor) {
    std::int32_t r = value % divisor;
    return r < 0 ? r + divisor : r;
}

// Reads an optional sign and up to seven digits ended by `end`; false for
// anything else or a value beyond a million either way.
inline bool readField(const char*& p, char end, std::int32_t& value) {
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    unsigned d = static_cast<unsigned char>(*p) - unsigned{'0'};
    if (d > 9)
        return false;
    std::uint32_t v = d;
    const char* const first = p;
    while ((d = static_cast<unsigned char>(*++p) - unsigned{'0'}) <= 9) {
        if (p - first >= 7)
            return false;
        v = v * 10 + d;
    }
    if (*p != end && !(end == '\n' && *p == '\r' && p[1] == '\n'))
        return false;
    value = negative ? -static_cast<std::int32_t>(v) : static_cast<std::int32_t>(v);
    return v <= FieldMax;
}
} // namespace zentolk::cli::plain
