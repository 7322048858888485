#pragma once

#include "CalendarRound.h"
#include "CivilCalendar.h"
#include "Correlation.h"
#include "DayCycles.h"
#include "LongCount.h"
#include "Names.h"
#include "ReadingDay.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentolk {

// The almanac of one day: its Long Count under a chosen correlation, its
// place in the Tzolkin, the Haab and the Calendar Round, and its Lord of the
// Night. Day counts are days since the start day of the Long Count (the day
// shown as 0.0.0.0.0, 4 Ahau 8 Cumku).
struct AlmanacDay {
    std::int64_t jdn = 0;
    std::int64_t correlation = DefaultCorrelation;
    std::int64_t dayCount = 0;
    CivilDate gregorian;
    CivilDate julian;
    LongCountPlaces longCount;
    TzolkinDay tzolkin;
    HaabDay haab;
    int lordOfTheNight = 9;       // G1 to G9; G9 rules the start day
    std::int64_t station819 = -3; // day count of the 819-day station on or before it
};

// Days since the start day under a correlation. Every day and correlation
// the almanac takes keep it within 32 bits, which divide faster.
constexpr std::int32_t DayCountOf(std::int64_t jdn, std::int64_t correlation) {
    static_assert(MaxJdn - MinCorrelation <= INT32_MAX && MinJdn - MaxCorrelation >= INT32_MIN);
    return static_cast<std::int32_t>(jdn - correlation);
}

// Every value for a day number in MinJdn..MaxJdn.
AlmanacDay ComputeAlmanac(std::int64_t jdn, std::int64_t correlation);
// The same for a day whose date in `calendar` is known (a table's input
// line): only the other calendar's date is worked out.
AlmanacDay ComputeAlmanac(std::int64_t jdn, std::int64_t correlation, Calendar calendar,
                          const CivilDate& date);

// "August 11, 3114 B.C." (years before 1 counted as B.C., 1 B.C. being year 0)
std::string CivilDateText(const CivilDate& date, Language language = Language::English);
// "-3113-08-11": astronomical year, two-digit month and day.
std::string IsoDateText(const CivilDate& date);

// The exact day of field texts read as the calculator reads them, with the era
// index, as a date of the calendar: no running on past a month's end. The
// year must lie within MinCivilYear..MaxCivilYear (YearOutOfRange).
enum class CivilDayStatus { Ok, BadMonth, BadDay, BadYear, YearOutOfRange, NoSuchDay };
struct CivilDay {
    FieldValues fields;                // as parsed
    std::int64_t astronomicalYear = 0; // set once the texts are read
    std::int64_t jdn = 0;              // set when Ok
};
CivilDayStatus CivilDayFromTexts(const DateTexts& date, Calendar calendar, CivilDay& day);
// A table row's message for a status other than Ok: the text that is no
// integer, the years' range, or no such day (NoSuchDayMessage).
std::string CivilDayMessage(CivilDayStatus status, const DateTexts& date,
                            Language language = Language::English);

// The day the calculator's field texts name, for the almanac: the true day
// of their date when it is one of the Gregorian calendar, else (a day past a
// month's end, which the calculator runs on) the day its readings count.
// Beside it the day its readings count, which before 1 March 4801 B.C. may
// lie up to two days off. Empty when the readings cannot be computed or the
// day lies outside the almanac's years.
struct FieldsDay {
    std::int64_t jdn = 0;
    std::int64_t readingsJdn = 0;
};
std::optional<FieldsDay> DayOfFields(std::string_view month, std::string_view day,
                                     std::string_view year, std::int32_t eraIndex);

// The calculator's fields for a day: its Gregorian date with the year as the
// Year field shows it (1 to 99999) and the era index (0 A.D., 1 B.C.). Empty
// when that year does not fit the field.
struct FieldDate {
    int month = 1;
    int day = 1;
    std::int32_t year = 1;
    std::int32_t eraIndex = 0;
};
inline constexpr std::int32_t MaxFieldYear = 99999;
std::optional<FieldDate> FieldDateOf(std::int64_t jdn);

// Reads "MONTH DAY YEAR [ERA]" or "MONTH/DAY/YEAR [ERA]" (ERA any name
// ParseEraName reads, "B.C." or "a. C."; 1 B.C. is year 0) as a date of the
// calendar.
std::optional<std::int64_t> ParseDateText(std::string_view text, Calendar calendar,
                                          std::string& error,
                                          Language language = Language::English);

} // namespace zentolk
