#include "PlainLine.h"

#include "DayNames.h"
#include "DayNumber.h"
#include "GreatCycle.h"
#include "PlainDigits.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace zentolk::cli {

using namespace plain;

char* ConvertPlainLine(const char* line, char separator, char* out, const char*& next) {
    const char* p = line;
    std::int32_t m, d, yearField, era;
    if (!readField(p, '\t', m) || !readField(++p, '\t', d) || !readField(++p, '\t', yearField) ||
        !readField(++p, '\n', era))
        return nullptr;
    const auto lineSize = static_cast<std::size_t>(p - line); // at most 35
    next = p + (*p == '\r' ? 2 : 1);

    char* o = out;
    std::memcpy(o, line, 48);
    o += lineSize;
    *o++ = '\t';

    // The day number exactly as the engine forms it; the field limits keep
    // every step inside 32 bits.
    const std::int32_t y = era == EraIndexBC ? 1 - yearField : yearField;
    const std::int32_t a = (m - 14) / 12;
    const std::int32_t j = 1461 * (y + 4800 + a) / 4 + 367 * (m - 2 - 12 * a) / 12 -
                           3 * ((y + 4900 + a) / 100) / 4 + d - 32075;
    const std::int32_t dayCount = j - StartDay;

    const std::int32_t cycles = dayCount / CycleLength;
    if (cycles > 0) {
        std::memcpy(o, "Plus ", 5);
        o = putUInt(o + 5, static_cast<std::uint32_t>(cycles));
    } else if (cycles < 0) {
        std::memcpy(o, "Minus ", 6);
        o = putUInt(o + 6, static_cast<std::uint32_t>(1 - (dayCount + 1) / CycleLength));
    } else if (dayCount >= 0) {
        std::memcpy(o, "Starting", 8);
        o += 8;
    } else {
        std::memcpy(o, "Minus 1", 7);
        o += 7;
    }
    *o++ = '\t';

    std::int32_t k = dayCount % CycleLength;
    if (k < 0)
        k += CycleLength;
    if (k == 0 && (dayCount > 0 || y != StartYear))
        k = CycleLength;
    o = putGrouped(o, static_cast<std::uint32_t>(k));
    *o++ = '\t';
    const float elapsed = ElapsedShare(k);
    o = putShare(o, elapsed, separator);
    *o++ = '\t';
    o = putGrouped(o, static_cast<std::uint32_t>(CycleLength - k));
    *o++ = '\t';
    o = putShare(o, RemainingShare(elapsed), separator);
    *o++ = '\t';
    o = putHarmonic(o, k);
    *o++ = '\t';

    o = putUInt(o, static_cast<std::uint32_t>(k / Baktun));
    o = putBelowBaktun(o, k % Baktun);
    *o++ = '\t';
    if (dayCount < 0) {
        std::memcpy(o, "< 0.0.0.0.0.0", 13);
        o += 13;
    } else {
        const std::int32_t pictun = dayCount / Pictun;
        o = putUInt(o, static_cast<std::uint32_t>(pictun));
        *o++ = '.';
        o = putUInt(o, static_cast<std::uint32_t>((dayCount - pictun * Pictun) / Baktun));
        o = putBelowBaktun(o, k % Baktun);
    }
    *o++ = '\t';

    const std::int32_t tzolkin = j - TzolkinBase;
    o = putUInt(o, static_cast<std::uint32_t>(nonNegativeRemainder(tzolkin, 13) + 1));
    std::memcpy(o, "  ", 2);
    o += 2;
    const auto& sign = DayNames[static_cast<std::size_t>(nonNegativeRemainder(tzolkin, 20))];
    std::memcpy(o, sign.text, sizeof sign.text);
    o += sign.size;
    *o++ = '\t';
    const auto& weekDay =
        WeekNames[static_cast<std::size_t>(nonNegativeRemainder(j - WeekBase, 7))];
    std::memcpy(o, weekDay.text, sizeof weekDay.text);
    o += weekDay.size;
    *o++ = '\n';
    return o;
}

} // namespace zentolk::cli
