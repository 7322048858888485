#include "ReadingNumbers.h"

#include "CivilCalendar.h"
#include "DayNames.h"
#include "DayNumber.h"
#include "GreatCycle.h"
#include "NumberText.h"

#include <array>
#include <charconv>
#include <cstring>
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

std::size_t WriteCalendarRangeProblem(const ReadingNumbers& date, std::int32_t eraIndex,
                                      char* out) {
    char* o = out;
    const auto put = [&o](std::string_view text) {
        std::memcpy(o, text.data(), text.size());
        o += text.size();
    };
    const auto number = [&o](std::int32_t value) {
        o = std::to_chars(o, o + 11, value).ptr; // "-2147483648" at most
    };
    if (date.month < 1 || date.month > 12) {
        put("month ");
        number(date.month);
        put(" is not a month of the year (1 to 12)");
        return static_cast<std::size_t>(o - out);
    }
    const int days = DaysInMonth(Calendar::Gregorian, date.astronomicalYear, date.month);
    if (date.day >= 1 && date.day <= days)
        return 0;
    put("day ");
    number(date.day);
    put(" is not a day of ");
    put(MonthName[std::size_t(date.month - 1)]);
    put(" ");
    number(date.year);
    put(eraIndex == EraIndexBC ? " B.C. (1 to " : " A.D. (1 to ");
    number(days);
    put(")");
    return static_cast<std::size_t>(o - out);
}

std::optional<std::string> CalendarRangeProblem(const ReadingNumbers& date, std::int32_t eraIndex) {
    char text[CalendarRangeProblemMax];
    const std::size_t size = WriteCalendarRangeProblem(date, eraIndex, text);
    if (size == 0)
        return std::nullopt;
    return std::string(text, size);
}

} // namespace zentolk
