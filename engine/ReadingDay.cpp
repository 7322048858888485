#include "ReadingDay.h"

#include "CivilCalendar.h"
#include "Names.h"
#include "NumberText.h"
#include "TextParsing.h"

#include <algorithm>
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

std::string InvalidIntegerMessage(std::string_view text, Language language) {
    if (language == Language::Spanish)
        return "«" + std::string(text) + "» no es un número entero válido";
    std::string message(InvalidIntegerOpen);
    message += text;
    message += InvalidIntegerClose;
    return message;
}

std::string ReadingErrorMessage(ReadingStatus status, const DateTexts& date, Language language) {
    switch (status) {
    case ReadingStatus::BadMonth:
        return InvalidIntegerMessage(date.Month, language);
    case ReadingStatus::BadDay:
        return InvalidIntegerMessage(date.Day, language);
    case ReadingStatus::BadYear:
        return InvalidIntegerMessage(date.Year, language);
    case ReadingStatus::OutOfRange: {
        FieldValues values;
        parseFields(date, values);
        const std::string era(EraText(date.ADBC, language));
        if (language == Language::Spanish)
            return "El mes " + std::to_string(values.month) + ", día " +
                   std::to_string(values.day) + ", año " + std::to_string(values.year) + " " + era +
                   " queda fuera del intervalo que se puede calcular";
        return "Month " + std::to_string(values.month) + ", day " + std::to_string(values.day) +
               ", year " + std::to_string(values.year) + " " + era +
               " lies outside the range that can be computed";
    }
    case ReadingStatus::Ok:
        break;
    }
    return {};
}

namespace {
template <Language L>
std::size_t writeCalendarRangeProblem(const FieldValues& fields, std::int32_t astronomicalYear,
                                      std::int32_t eraIndex, char* out) {
    constexpr bool spanish = L == Language::Spanish;
    char* o = out;
    const auto put = [&o](std::string_view text) {
        std::memcpy(o, text.data(), text.size());
        o += text.size();
    };
    const auto number = [&o](std::int32_t value) {
        o = std::to_chars(o, o + 11, value).ptr; // "-2147483648" at most
    };
    if (fields.month < 1 || fields.month > 12) {
        put(spanish ? "el mes " : "month ");
        number(fields.month);
        put(spanish ? " no es un mes del año (1 a 12)" : " is not a month of the year (1 to 12)");
        return static_cast<std::size_t>(o - out);
    }
    const int days = DaysInMonth(Calendar::Gregorian, astronomicalYear, fields.month);
    if (fields.day >= 1 && fields.day <= days)
        return 0;
    put(spanish ? "el día " : "day ");
    number(fields.day);
    put(spanish ? " no es un día de " : " is not a day of ");
    put(MonthNames(L)[static_cast<std::size_t>(fields.month - 1)]);
    put(spanish ? " de " : " ");
    number(fields.year);
    put(" ");
    put(EraText(eraIndex, L));
    put(spanish ? " (1 a " : " (1 to ");
    number(days);
    put(")");
    return static_cast<std::size_t>(o - out);
}
} // namespace

// One body a language, chosen once, as the readings' writers.
std::size_t WriteCalendarRangeProblem(const FieldValues& fields, std::int32_t astronomicalYear,
                                      std::int32_t eraIndex, char* out) {
    return writeCalendarRangeProblem<Language::English>(fields, astronomicalYear, eraIndex, out);
}
std::size_t WriteCalendarRangeProblem(const FieldValues& fields, std::int32_t astronomicalYear,
                                      std::int32_t eraIndex, char* out, Language language) {
    if (language == Language::Spanish)
        return writeCalendarRangeProblem<Language::Spanish>(fields, astronomicalYear, eraIndex,
                                                            out);
    return writeCalendarRangeProblem<Language::English>(fields, astronomicalYear, eraIndex, out);
}

std::optional<std::string> CalendarRangeProblem(const FieldValues& fields,
                                                std::int32_t astronomicalYear,
                                                std::int32_t eraIndex, Language language) {
    char text[CalendarRangeProblemMax];
    const std::size_t size =
        WriteCalendarRangeProblem(fields, astronomicalYear, eraIndex, text, language);
    if (size == 0)
        return std::nullopt;
    return std::string(text, size);
}

namespace {
// Spanish readers type the era with blanks after its dots or without them
// ("a. C.", "a.C."); the blanks inside are dropped, those around it are not
// taken, as for the English names.
std::optional<std::int32_t> spanishEraName(std::string_view text) {
    const char first = text.empty() ? '\0' : LowerAscii(text.front());
    if ((first != 'a' && first != 'd') || IsBlank(text.back()))
        return std::nullopt;
    char compact[12];
    std::size_t size = 0;
    for (const char c : text) {
        if (IsBlank(c))
            continue;
        if (size == sizeof compact)
            return std::nullopt;
        compact[size++] = LowerAscii(c);
    }
    const std::string_view rest = std::string_view(compact, size).substr(1);
    if (rest != ".c." && rest != ".dec.")
        return std::nullopt;
    return first == 'a' ? EraIndexBC : 0;
}
} // namespace

std::optional<std::int32_t> ParseEraName(std::string_view text) {
    if (EqualsIgnoringCase(text, "A.D.") || EqualsIgnoringCase(text, "AD"))
        return 0;
    if (EqualsIgnoringCase(text, "B.C.") || EqualsIgnoringCase(text, "BC"))
        return EraIndexBC;
    return spanishEraName(text);
}

std::optional<EraWords> ParseEraWords(std::span<const std::string_view> words) {
    // No name is the start of a longer one, so the first fit is the one.
    std::string joined;
    for (std::size_t count = 1; count <= std::min<std::size_t>(words.size(), 3); ++count) {
        if (count > 1)
            joined += ' ';
        joined += words[count - 1];
        if (const std::optional<std::int32_t> era = ParseEraName(joined))
            return EraWords{*era, count};
    }
    return std::nullopt;
}

std::optional<std::int32_t> EraOfWords(std::span<const std::string_view> words) {
    const std::optional<EraWords> era = ParseEraWords(words);
    return era && era->count == words.size() ? std::optional(era->era) : std::nullopt;
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
