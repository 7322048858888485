#pragma once

#include "Reading.h"
#include "ReadingDay.h"
#include "TextWriters.h"

namespace zentolk {

// Writes the ten readings of a day in field order: at(field) gives the
// cursor to write the field at, done(field, end) takes the end of its text.
// Inline, so that a table can write them straight into its output.
template <typename At, typename Done>
[[gnu::always_inline]] inline void WriteReadings(const ReadingDay& day, char decimalSeparator,
                                                 At at, Done done,
                                                 Language language = Language::English) {
    using enum ReadingField;
    const std::int32_t k = day.cycleCount;
    const float elapsed = ElapsedShare(k);
    done(GreatCycle, PutCycleLabel(at(GreatCycle), CycleNumber(day.dayCount), language));
    done(KinDays, PutGrouped(at(KinDays), static_cast<std::uint32_t>(k)));
    done(KinLbl1, PutPercent(at(KinLbl1), elapsed, decimalSeparator));
    done(KinLeft, PutGrouped(at(KinLeft), static_cast<std::uint32_t>(CycleLength - k)));
    done(KinLbl2, PutPercent(at(KinLbl2), RemainingShare(elapsed), decimalSeparator));
    done(Harmonic, PutHarmonic(at(Harmonic), k, language));
    const LongCountPlaces places = CycleLongCountOf(k);
    char* const cycleText = at(jMayan);
    char* const cycleEnd = PutPlaces(cycleText, places);
    done(jMayan, cycleEnd);
    done(LongC, PutHistoricalLongCountAfter(at(LongC), day.dayCount, places, cycleText, cycleEnd));
    done(Tzolkin, PutTzolkinReading(at(Tzolkin), TzolkinPosition(day.dayCount), language));
    done(WeekD, PutWeekDay(at(WeekD), WeekDayOf(day.dayCount), language));
}

} // namespace zentolk
