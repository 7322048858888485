#include "ReadingNumbers.h"

#include "CivilCalendar.h"
#include "DayNames.h"
#include "DayNumber.h"
#include "GreatCycle.h"
#include "NumberText.h"

#include <array>
#include <string_view>

namespace zentolk {

namespace {
std::int32_t nonNegativeRemainder(std::int32_t value, std::int32_t divisor) {
    const std::int32_t r = value % divisor;
    return r < 0 ? r + divisor : r;
}

constexpr std::array<std::string_view, 12> MonthName = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
} // namespace

ReadingStatus ComputeReadingNumbers(const DateTexts& date, ReadingNumbers& out) {
    if (!ParseInteger(date.Month, out.month))
        return ReadingStatus::BadMonth;
    if (!ParseInteger(date.Day, out.day))
        return ReadingStatus::BadDay;
    if (!ParseInteger(date.Year, out.year))
        return ReadingStatus::BadYear;
    const std::optional<std::int32_t> year = AstronomicalYear(out.year, date.ADBC);
    if (!year)
        return ReadingStatus::OutOfRange;
    const std::optional<std::int32_t> dayNumber = DayNumber(out.month, out.day, *year);
    if (!dayNumber || __builtin_sub_overflow(*dayNumber, StartDay, &out.dayCount))
        return ReadingStatus::OutOfRange;
    out.astronomicalYear = *year;
    out.dayNumber = *dayNumber;
    out.cycleCount = CycleCount(out.dayCount, *year);
    out.elapsedShare = ElapsedShare(out.cycleCount);
    out.remainingShare = RemainingShare(out.elapsedShare);
    const std::int32_t tzolkin = *dayNumber - TzolkinBase;
    out.tzolkinNumber = nonNegativeRemainder(tzolkin, 13) + 1;
    out.tzolkinSign = nonNegativeRemainder(tzolkin, 20) + 1;
    out.weekDay = nonNegativeRemainder(*dayNumber - WeekBase, 7);
    return ReadingStatus::Ok;
}

std::optional<std::string> CalendarRangeProblem(const ReadingNumbers& date, std::int32_t eraIndex) {
    if (date.month < 1 || date.month > 12)
        return "month " + std::to_string(date.month) + " is not a month of the year (1 to 12)";
    const int days = DaysInMonth(Calendar::Gregorian, date.astronomicalYear, date.month);
    if (date.day < 1 || date.day > days)
        return "day " + std::to_string(date.day) + " is not a day of " +
               std::string(MonthName[std::size_t(date.month - 1)]) + " " +
               std::to_string(date.year) + (eraIndex == EraIndexBC ? " B.C." : " A.D.") +
               " (1 to " + std::to_string(days) + ")";
    return std::nullopt;
}

} // namespace zentolk
