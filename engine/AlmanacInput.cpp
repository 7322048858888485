#include "AlmanacInput.h"

#include "AlmanacDay.h"
#include "Epigraphy.h"
#include "TextParsing.h"

namespace zentolk {

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits only, at least `least` of them; more than 18 read as beyond any range.
bool readDigits(std::string_view& t, std::size_t least, std::int64_t& value, bool& huge) {
    std::size_t n = 0;
    while (n < t.size() && isDigit(t[n]))
        ++n;
    if (n < least)
        return false;
    huge = n > 18;
    value = 0;
    for (std::size_t i = huge ? n : 0; i < n; ++i)
        value = value * 10 + (t[i] - '0');
    t.remove_prefix(n);
    return true;
}

std::optional<std::int64_t> inRange(std::int64_t jdn, Calendar calendar, std::string& error,
                                    Language language) {
    if (DayInRange(jdn, calendar))
        return jdn;
    error = DayRangeWords.in(language);
    return std::nullopt;
}
} // namespace

std::optional<std::int64_t> ParseIsoDay(std::string_view text, Calendar calendar,
                                        std::string& error, Language language) {
    std::string_view t = Trimmed(text);
    const bool negative = !t.empty() && t.front() == '-';
    if (!t.empty() && (t.front() == '-' || t.front() == '+'))
        t.remove_prefix(1);
    std::int64_t year;
    bool huge = false;
    const bool ok = readDigits(t, 4, year, huge) && t.size() == 6 && t[0] == '-' && t[3] == '-' &&
                    isDigit(t[1]) && isDigit(t[2]) && isDigit(t[4]) && isDigit(t[5]);
    if (!ok) {
        error =
            Worded(language,
                   {"%1 is not a date written YYYY-MM-DD", "%1 no es una fecha escrita AAAA-MM-DD"},
                   {QuotedText(text)});
        return std::nullopt;
    }
    const int month = (t[1] - '0') * 10 + (t[2] - '0');
    const int day = (t[4] - '0') * 10 + (t[5] - '0');
    if (huge || !YearInRange(negative ? -year : year)) {
        error = YearRangeWords.in(language);
        return std::nullopt;
    }
    if (!DateExists(calendar, negative ? -year : year, month, day)) {
        error = NoSuchDayWords.in(language);
        return std::nullopt;
    }
    return CivilDayNumber(calendar, negative ? -year : year, month, day);
}

std::optional<std::int64_t> ParseDayNumber(std::string_view text, Calendar calendar,
                                           std::string& error, Language language) {
    std::string_view t = Trimmed(text);
    const bool negative = !t.empty() && t.front() == '-';
    if (!t.empty() && (t.front() == '-' || t.front() == '+'))
        t.remove_prefix(1);
    std::int64_t value;
    bool huge = false;
    if (!readDigits(t, 1, value, huge) || !t.empty()) {
        error = Worded(language, {"%1 is not a day number", "%1 no es un número de día"},
                       {QuotedText(text)});
        return std::nullopt;
    }
    if (huge) {
        error = DayRangeWords.in(language);
        return std::nullopt;
    }
    return inRange(negative ? -value : value, calendar, error, language);
}

std::optional<std::int64_t> ParseLongCountDay(std::string_view text, std::int64_t correlation,
                                              Calendar calendar, std::string& error,
                                              Spelling spelling, Language language) {
    if (std::int64_t plain; ReadPlainLongCount(text, plain))
        return inRange(plain + correlation, calendar, error, language);
    // A full date fitting only the era before is read there, as everywhere.
    const std::optional<WideLongCountDate> date =
        ReadWideLongCountDate(text, error, spelling, language);
    if (!date)
        return std::nullopt;
    const std::optional<std::int64_t> day = NarrowDayCount(date->dayCount);
    if (day && DayInRange(*day + correlation, calendar))
        return *day + correlation;
    error = DayRangeWords.in(language);
    // A deep count's row names what it has without a civil date.
    if (IsWideLongCountText(text))
        error = Worded(language,
                       {"%1, with no Gregorian or Julian date; its Calendar Round is %2",
                        "%1, sin fecha gregoriana ni juliana; su Rueda Calendárica es %2"},
                       {error, CalendarRoundText(CycleDayOf(date->dayCount), spelling)});
    return std::nullopt;
}

} // namespace zentolk
