#pragma once

// Slow, obvious definitions the engine's fast code is checked against, and a
// text form of a writer; the program itself needs none of them.
#include "engine/Epigraphy.h"
#include "engine/LongCount.h"
#include "engine/TextWriters.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentolk::model {

// A share as PutFiveDecimals writes it.
inline std::string FiveDecimals(float share, char decimalSeparator) {
    return WrittenText([&](char* o) { return PutFiveDecimals(o, share, decimalSeparator); });
}

// "LC + DN - DN ..." read into the day count it comes to.
inline std::optional<std::int64_t> EvaluateDistanceChain(std::string_view text,
                                                         std::string& error) {
    const std::size_t start = DistanceChainStart(text);
    const std::optional<std::int64_t> count = ParseLongCount(text.substr(0, start), error);
    if (!count || start == std::string_view::npos)
        return count;
    return ApplyDistances(*count, text.substr(start), error);
}

// Whether one day fits a damaged date, tested place by place: what
// MatchPattern must agree with.
inline bool MatchesPattern(const DatePattern& pattern, std::int64_t dayCount) {
    // A known pictun other than 0 places the day as a known place does.
    bool placed = pattern.pictuns && *pattern.pictuns != 0;
    for (const std::optional<int>& place : pattern.places)
        placed = placed || place.has_value();
    if (pattern.hasLongCount && placed) {
        const auto fits = [&](std::int64_t count) {
            // Five places name a count below one pictun only; more, the pictun they give.
            if (pattern.pictuns && count / PictunDays != *pattern.pictuns)
                return false;
            const LongCountPlaces p = LongCountOf(count);
            const int places[5] = {p.baktun, p.katun, p.tun, p.uinal, p.kin};
            for (int i = 0; i < 5; ++i)
                if (pattern.places[i] && *pattern.places[i] != places[i])
                    return false;
            return true;
        };
        // A day before the start day is counted from its own era's start;
        // an era's first day is also the one before's 13.0.0.0.0.
        const std::int64_t count = dayCount >= 0 ? dayCount : Remainder(dayCount, EraDays);
        const bool eraStart = dayCount <= 0 && Remainder(dayCount, EraDays) == 0;
        if (!fits(count) && !(eraStart && fits(EraDays)))
            return false;
    }
    const TzolkinDay tz = TzolkinOf(dayCount);
    const HaabDay haab = HaabOf(dayCount);
    return (!pattern.tzolkinNumber || *pattern.tzolkinNumber == tz.number) &&
           (!pattern.tzolkinSign || *pattern.tzolkinSign == tz.sign) &&
           (!pattern.haabDay || *pattern.haabDay == haab.day) &&
           (!pattern.haabMonth || *pattern.haabMonth == haab.month);
}

} // namespace zentolk::model
