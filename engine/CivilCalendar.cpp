#include "CivilCalendar.h"

namespace zentolk {

namespace {
constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days are counted in eras that start on 1 March of a year divisible by the
// era's length (400 years Gregorian, 4 Julian), so the leap day ends the
// counted year. The offsets place Gregorian 1 March of year 0 at JDN 1721120
// and Julian 1 March of year 0 at JDN 1721118.
constexpr std::int64_t GregorianMarch0 = 1721120;
constexpr std::int64_t JulianMarch0 = 1721118;

std::int64_t dayOfYearFromMarch(int month, int day) {
    const int mp = month > 2 ? month - 3 : month + 9;
    return (153 * mp + 2) / 5 + day - 1;
}

std::int64_t toJdn(Calendar calendar, std::int64_t year, int month, int day) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t doy = dayOfYearFromMarch(month, day);
    if (calendar == Calendar::Julian) {
        const std::int64_t era = floorDiv(y, 4);
        const std::int64_t yoe = y - era * 4;
        return JulianMarch0 + era * 1461 + yoe * 365 + doy;
    }
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    return GregorianMarch0 + era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;
}
} // namespace

bool IsLeapYear(Calendar calendar, std::int64_t year) {
    if (calendar == Calendar::Julian)
        return floorDiv(year, 4) * 4 == year;
    return floorDiv(year, 4) * 4 == year &&
           (floorDiv(year, 100) * 100 != year || floorDiv(year, 400) * 400 == year);
}

int DaysInMonth(Calendar calendar, std::int64_t year, int month) {
    static constexpr int Length[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && IsLeapYear(calendar, year))
        return 29;
    return Length[month - 1];
}

std::optional<std::int64_t> CivilToJdn(Calendar calendar, const CivilDate& date) {
    // The limits are checked on the day number, so that every day of the range
    // converts back in both calendars; the margin keeps the arithmetic small.
    constexpr std::int64_t Margin = 100'000;
    if (date.year < MinCivilYear - Margin || date.year > MaxCivilYear + Margin)
        return std::nullopt;
    if (date.day < 1 || date.day > DaysInMonth(calendar, date.year, date.month))
        return std::nullopt;
    const std::int64_t jdn = toJdn(calendar, date.year, date.month, date.day);
    if (jdn < MinJdn || jdn > MaxJdn)
        return std::nullopt;
    return jdn;
}

CivilDate JdnToCivil(Calendar calendar, std::int64_t jdn) {
    std::int64_t era, doe, yoe;
    if (calendar == Calendar::Julian) {
        const std::int64_t days = jdn - JulianMarch0;
        era = floorDiv(days, 1461);
        doe = days - era * 1461;        // 0 to 1460
        yoe = (doe - doe / 1460) / 365; // 0 to 3
        doe -= yoe * 365;
        era *= 4;
    } else {
        const std::int64_t days = jdn - GregorianMarch0;
        era = floorDiv(days, 146097);
        doe = days - era * 146097;                                   // 0 to 146096
        yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // 0 to 399
        doe -= yoe * 365 + yoe / 4 - yoe / 100;
        era *= 400;
    }
    const std::int64_t mp = (5 * doe + 2) / 153; // 0 = March
    const int day = static_cast<int>(doe - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {era + yoe + (month <= 2 ? 1 : 0), month, day};
}

} // namespace zentolk
