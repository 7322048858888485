#pragma once

// The batch's reader of plain lines: four fields of plain decimal numbers
// (the era also as a name), read straight from the input buffer.
#include "engine/ReadingDay.h"

#include <cstdint>

namespace zentolk::cli {

// A plain line's fields: their values, and where each begins.
struct PlainFields {
    std::int32_t month, day, year, era;
    const char* at[5]; // at[4]: one past the era, where a separator would stand
    const char* next;  // the following line
};

// Reads an optional sign and up to seven digits ended by `end`; false for
// anything else or a value beyond PlainFieldLimit either way, which keeps the
// day's arithmetic inside 32 bits.
[[gnu::always_inline]] inline bool ReadPlainField(const char*& p, char end, std::int32_t& value) {
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
    return v <= static_cast<std::uint32_t>(PlainFieldLimit);
}

// An era index as a plain number, or A.D., AD, B.C., BC in any letter case
// (what ParseEraName reads), ended by LF or CR LF.
[[gnu::always_inline]] inline bool ReadPlainEra(const char*& p, std::int32_t& era) {
    const int first = *p | 0x20;
    if (first != 'a' && first != 'b')
        return ReadPlainField(p, '\n', era);
    const int second = first == 'a' ? 'd' : 'c';
    if ((p[1] | 0x20) == second)
        p += 2;
    else if (p[1] == '.' && (p[2] | 0x20) == second && p[3] == '.')
        p += 4;
    else
        return false;
    era = first == 'a' ? 0 : EraIndexBC;
    return *p == '\n' || (*p == '\r' && p[1] == '\n');
}

// A whole plain line at p, its fields separated by `separator`. The input
// must hold a NUL after its last byte, which ends every field.
[[gnu::always_inline]] inline bool ReadPlainLine(const char* p, char separator, PlainFields& line) {
    line.at[0] = p;
    if (!ReadPlainField(p, separator, line.month))
        return false;
    line.at[1] = ++p;
    if (!ReadPlainField(p, separator, line.day))
        return false;
    line.at[2] = ++p;
    if (!ReadPlainField(p, separator, line.year))
        return false;
    line.at[3] = ++p;
    if (!ReadPlainEra(p, line.era))
        return false;
    line.at[4] = p + 1;
    line.next = p + (*p == '\r' ? 2 : 1);
    return true;
}

} // namespace zentolk::cli
