#include "AlmanacDay.h"

#include "AlmanacInput.h"
#include "NumberText.h"
#include "TextParsing.h"
#include "TextWriters.h"

#include <vector>

namespace zentolk {

namespace {
// Everything but the civil dates.
AlmanacDay cyclesOf(std::int64_t jdn, std::int64_t correlation) {
    AlmanacDay a;
    a.jdn = jdn;
    a.correlation = correlation;
    a.dayCount = jdn - correlation;
    a.longCount = LongCountOf(a.dayCount);
    a.tzolkin = TzolkinOf(a.dayCount);
    a.haab = HaabOf(a.dayCount);
    a.lordOfTheNight = LordOfTheNightOf(a.dayCount);
    a.station819 = Station819Of(a.dayCount);
    return a;
}
} // namespace

AlmanacDay ComputeAlmanac(std::int64_t jdn, std::int64_t correlation) {
    AlmanacDay a = cyclesOf(jdn, correlation);
    a.gregorian = JdnToCivil(Calendar::Gregorian, jdn);
    a.julian = JdnToCivil(Calendar::Julian, jdn);
    return a;
}

AlmanacDay ComputeAlmanac(std::int64_t jdn, std::int64_t correlation, Calendar calendar,
                          const CivilDate& date) {
    AlmanacDay a = cyclesOf(jdn, correlation);
    const bool gregorian = calendar == Calendar::Gregorian;
    (gregorian ? a.gregorian : a.julian) = date;
    (gregorian ? a.julian : a.gregorian) =
        JdnToCivil(gregorian ? Calendar::Julian : Calendar::Gregorian, jdn);
    return a;
}

std::string CivilDateText(const CivilDate& date, Language language) {
    return WrittenText([&](char* o) { return PutCivilDate(o, date, language); });
}

std::string IsoDateText(const CivilDate& date) {
    return WrittenText([&](char* o) { return PutIsoDate(o, date); });
}

std::optional<FieldsDay> DayOfFields(std::string_view month, std::string_view day,
                                     std::string_view year, std::int32_t eraIndex) {
    FieldValues values;
    ReadingDay reading;
    if (ReadingDayFromTexts({month, day, year, eraIndex}, values, reading) != ReadingStatus::Ok)
        return std::nullopt;
    const std::int64_t readings = reading.dayNumber;
    if (!DateExists(Calendar::Gregorian, reading.astronomicalYear, values.month, values.day))
        return DayInRange(readings, Calendar::Gregorian)
                   ? std::optional(FieldsDay{readings, readings})
                   : std::nullopt;
    if (!YearInRange(reading.astronomicalYear))
        return std::nullopt;
    return FieldsDay{
        CivilDayNumber(Calendar::Gregorian, reading.astronomicalYear, values.month, values.day),
        readings};
}

CivilDayStatus CivilDayFromTexts(const DateTexts& date, Calendar calendar, CivilDay& day) {
    if (!ParseInteger(date.Month, day.fields.month))
        return CivilDayStatus::BadMonth;
    if (!ParseInteger(date.Day, day.fields.day))
        return CivilDayStatus::BadDay;
    if (!ParseInteger(date.Year, day.fields.year))
        return CivilDayStatus::BadYear;
    const std::int64_t year = day.fields.year;
    day.astronomicalYear = date.ADBC == EraIndexBC ? 1 - year : year;
    // The year is bounded, not the day: the other calendar's dates of the
    // same days run a few decades past it.
    if (!YearInRange(day.astronomicalYear))
        return CivilDayStatus::YearOutOfRange;
    const std::optional<std::int64_t> jdn =
        CivilToJdn(calendar, {day.astronomicalYear, day.fields.month, day.fields.day});
    if (!jdn)
        return CivilDayStatus::NoSuchDay;
    day.jdn = *jdn;
    return CivilDayStatus::Ok;
}

std::string CivilDayMessage(CivilDayStatus status, const DateTexts& date, Language language) {
    switch (status) {
    case CivilDayStatus::BadMonth:
        return InvalidIntegerMessage(date.Month, language);
    case CivilDayStatus::BadDay:
        return InvalidIntegerMessage(date.Day, language);
    case CivilDayStatus::BadYear:
        return InvalidIntegerMessage(date.Year, language);
    case CivilDayStatus::YearOutOfRange:
        return std::string(YearRangeWords.in(language));
    case CivilDayStatus::NoSuchDay:
        return std::string(NoSuchDayWords.in(language));
    case CivilDayStatus::Ok:
        break;
    }
    return {};
}

std::optional<FieldDate> FieldDateOf(std::int64_t jdn) {
    const CivilDate date = JdnToCivil(Calendar::Gregorian, jdn);
    const bool bc = date.year < 1;
    const std::int64_t year = bc ? 1 - date.year : date.year;
    if (year > MaxFieldYear)
        return std::nullopt;
    return FieldDate{date.month, date.day, static_cast<std::int32_t>(year), bc ? EraIndexBC : 0};
}

std::optional<std::int64_t> ParseDateText(std::string_view text, Calendar calendar,
                                          std::string& error, Language language) {
    std::vector<std::string_view> words = Words(text, '/');
    bool bc = false;
    if (words.size() >= 4) {
        // The era is the rest of the words: "a. de C." is three.
        if (const std::optional<std::int32_t> era = EraOfWords(std::span(words).subspan(3))) {
            bc = *era == EraIndexBC;
            words.resize(3);
        } else if (words.size() == 4) {
            error = Worded(
                language,
                {"the era must be A.D. or B.C., not %1", "la era debe ser d. C. o a. C., no %1"},
                {QuotedText(words[3])});
            return std::nullopt;
        }
    }
    if (words.size() != 3) {
        error = Worded(language,
                       {"expected MONTH DAY YEAR [A.D. or B.C.], not %1",
                        "se esperaba MES DÍA AÑO [d. C. o a. C.], no %1"},
                       {QuotedText(Trimmed(text))});
        return std::nullopt;
    }
    std::int64_t parts[3];
    static constexpr Wording NotANumber[3] = {
        {"the month %1 is not a number", "el mes %1 no es un número"},
        {"the day %1 is not a number", "el día %1 no es un número"},
        {"the year %1 is not a number", "el año %1 no es un número"}};
    for (int i = 0; i < 3; ++i) {
        std::string_view word = words[i];
        const bool negative = i == 2 && !word.empty() && word.front() == '-';
        if (negative)
            word.remove_prefix(1);
        if (!ParseDigits(word, parts[i])) {
            error = Worded(language, NotANumber[i], {QuotedText(words[i])});
            return std::nullopt;
        }
        if (negative)
            parts[i] = -parts[i];
    }
    const std::int64_t year = bc ? 1 - parts[2] : parts[2];
    if (year < MinCivilYear || year > MaxCivilYear) {
        error = YearRangeWords.in(language);
        return std::nullopt;
    }
    if (parts[0] < 1 || parts[0] > 12) {
        error = Worded(language,
                       {"the month must be 1 to 12, not %1", "el mes debe ser de 1 a 12, no %1"},
                       {std::to_string(parts[0])});
        return std::nullopt;
    }
    const int length = DaysInMonth(calendar, year, static_cast<int>(parts[0]));
    if (parts[1] < 1 || parts[1] > length) {
        error =
            Worded(language,
                   {"that month has days 1 to %1, not %2", "ese mes tiene los días 1 a %1, no %2"},
                   {std::to_string(length), std::to_string(parts[1])});
        return std::nullopt;
    }
    return CivilToJdn(calendar, {year, static_cast<int>(parts[0]), static_cast<int>(parts[1])});
}

} // namespace zentolk
