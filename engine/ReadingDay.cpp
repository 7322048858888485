#include "ReadingDay.h"

#include "CivilCalendar.h"
#include "Names.h"
#include "NumberText.h"
#include "TextParsing.h"

#include <charconv>
#include <cstring>

namespace zentolk {

namespace {
ReadingStatus parseFields(const DateTexts& date, FieldValues& values) {
    if (!ParseInteger(date.Month, values.month))
        return ReadingStatus::BadMonth;
    if (!ParseInteger(date.Day, values.day))
        return ReadingStatus::BadDay;
    if (!ParseInteger(date.Year, values.year))
        return ReadingStatus::BadYear;
    return ReadingStatus::Ok;
}
} // namespace

ReadingStatus ReadingDayFromTexts(const DateTexts& date, FieldValues& values, ReadingDay& day) {
    if (const ReadingStatus status = parseFields(date, values); status != ReadingStatus::Ok)
        return status;
    const std::optional<ReadingDay> formed =
        ReadingDayOf(values.month, values.day, values.year, date.ADBC);
    if (!formed)
        return ReadingStatus::OutOfRange;
    day = *formed;
    return ReadingStatus::Ok;
}

std::string InvalidIntegerMessage(std::string_view text) {
    std::string message(InvalidIntegerOpen);
    message += text;
    message += InvalidIntegerClose;
    return message;
}

std::string ReadingErrorMessage(ReadingStatus status, const DateTexts& date) {
    switch (status) {
    case ReadingStatus::BadMonth:
        return InvalidIntegerMessage(date.Month);
    case ReadingStatus::BadDay:
        return InvalidIntegerMessage(date.Day);
    case ReadingStatus::BadYear:
        return InvalidIntegerMessage(date.Year);
    case ReadingStatus::OutOfRange: {
        FieldValues values;
        parseFields(date, values);
        return "Month " + std::to_string(values.month) + ", day " + std::to_string(values.day) +
               ", year " + std::to_string(values.year) + " " + std::string(EraText(date.ADBC)) +
               " lies outside the range that can be computed";
    }
    case ReadingStatus::Ok:
        break;
    }
    return {};
}

std::size_t WriteCalendarRangeProblem(const FieldValues& fields, std::int32_t astronomicalYear,
                                      std::int32_t eraIndex, char* out) {
    char* o = out;
    const auto put = [&o](std::string_view text) {
        std::memcpy(o, text.data(), text.size());
        o += text.size();
    };
    const auto number = [&o](std::int32_t value) {
        o = std::to_chars(o, o + 11, value).ptr; // "-2147483648" at most
    };
    if (fields.month < 1 || fields.month > 12) {
        put("month ");
        number(fields.month);
        put(" is not a month of the year (1 to 12)");
        return static_cast<std::size_t>(o - out);
    }
    const int days = DaysInMonth(Calendar::Gregorian, astronomicalYear, fields.month);
    if (fields.day >= 1 && fields.day <= days)
        return 0;
    put("day ");
    number(fields.day);
    put(" is not a day of ");
    put(MonthName[static_cast<std::size_t>(fields.month - 1)]);
    put(" ");
    number(fields.year);
    put(" ");
    put(EraText(eraIndex));
    put(" (1 to ");
    number(days);
    put(")");
    return static_cast<std::size_t>(o - out);
}

std::optional<std::string> CalendarRangeProblem(const FieldValues& fields,
                                                std::int32_t astronomicalYear,
                                                std::int32_t eraIndex) {
    char text[CalendarRangeProblemMax];
    const std::size_t size = WriteCalendarRangeProblem(fields, astronomicalYear, eraIndex, text);
    if (size == 0)
        return std::nullopt;
    return std::string(text, size);
}

std::optional<std::int32_t> ParseEraName(std::string_view text) {
    if (EqualsIgnoringCase(text, "A.D.") || EqualsIgnoringCase(text, "AD"))
        return 0;
    if (EqualsIgnoringCase(text, "B.C.") || EqualsIgnoringCase(text, "BC"))
        return EraIndexBC;
    return std::nullopt;
}

std::optional<std::int32_t> ParseEra(std::string_view text) {
    if (const std::optional<std::int32_t> named = ParseEraName(text))
        return named;
    std::int32_t index;
    if (ParseInteger(text, index))
        return index;
    return std::nullopt;
}

} // namespace zentolk
