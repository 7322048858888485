// The almanac table's readers: each agrees with the engine's own conversions
// over a family of days, and the range ends where the years end.
#include "engine/AlmanacInput.h"

#include "engine/AlmanacDay.h"
#include "engine/LongCount.h"

#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>

namespace {
using namespace zentolk;

// Every day written as an ISO date and as a Long Count reads back as itself,
// in both calendars and across the whole range, its ends included.
TEST(AlmanacInput, DaysReadBackAsThemselves) {
    std::mt19937_64 random(24);
    for (const Calendar calendar : {Calendar::Gregorian, Calendar::Julian}) {
        const std::int64_t first = FirstDayInRange(calendar), last = LastDayInRange(calendar);
        for (int i = 0; i < 20000; ++i) {
            const std::int64_t jdn = i < 2   ? (i == 0 ? first : last)
                                     : i < 4 ? (i == 2 ? first - 1 : last + 1)
                                             : first + std::int64_t(random() % (last - first + 1));
            const bool inside = jdn >= first && jdn <= last;
            std::string error;
            const CivilDate date = JdnToCivil(calendar, jdn);
            // As the almanac writes it.
            const std::string iso = IsoDateText(date);
            const std::optional<std::int64_t> fromIso = ParseIsoDay(iso, calendar, error);
            EXPECT_EQ(fromIso, inside ? std::optional(jdn) : std::nullopt) << iso;
            EXPECT_EQ(ParseDayNumber(" " + std::to_string(jdn), calendar, error),
                      inside ? std::optional(jdn) : std::nullopt);
            const std::int64_t correlation = std::int64_t(random() % 2000000) - 1000000;
            const std::string longCount = LongCountText(LongCountOf(jdn - correlation));
            std::int64_t plain = 0;
            std::string why;
            EXPECT_EQ(ParseLongCount(longCount, why), jdn - correlation) << longCount;
            EXPECT_TRUE(ReadPlainLongCount(longCount, plain) && plain == jdn - correlation)
                << longCount;
            EXPECT_EQ(ParseLongCountDay(longCount, correlation, calendar, error),
                      inside ? std::optional(jdn) : std::nullopt);
            if (!inside) {
                EXPECT_EQ(error, DayRangeMessage);
            }
        }
    }
}

// The plain reader takes a subset of what the general one takes, to the same
// count: on mangled texts it never disagrees.
TEST(AlmanacInput, PlainLongCountsAreASubsetOfLongCounts) {
    std::mt19937 random(7);
    const std::string alphabet = "0123456789..- 1x";
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        for (std::size_t n = random() % 16; n > 0; --n)
            text += alphabet[random() % alphabet.size()];
        std::int64_t plain = 0;
        std::string error;
        const std::optional<std::int64_t> general = ParseLongCount(text, error);
        if (ReadPlainLongCount(text, plain)) {
            EXPECT_EQ(general, plain) << "'" << text << "'";
        }
    }
}

// The Almanac sets the calculator's fields to a day and follows them back:
// the same day for every day the fields can hold, even where the
// calculator's own readings run a day or two off.
TEST(AlmanacInput, EveryDayComesBackFromTheCalculatorsFields) {
    const std::int64_t first = CivilDayNumber(Calendar::Gregorian, 1 - MaxFieldYear, 1, 1);
    const std::int64_t last = CivilDayNumber(Calendar::Gregorian, MaxFieldYear, 12, 31);
    std::int64_t shifted = 0;
    for (std::int64_t jdn = first - 1; jdn <= last + 1; jdn += jdn < 0 ? 2 : 5) {
        const std::optional<FieldDate> fields = FieldDateOf(jdn);
        ASSERT_EQ(fields.has_value(), jdn >= first && jdn <= last) << jdn;
        if (!fields)
            continue;
        const std::string month = std::to_string(fields->month), day = std::to_string(fields->day),
                          year = std::to_string(fields->year);
        const std::optional<FieldsDay> back = DayOfFields(month, day, year, fields->eraIndex);
        ASSERT_TRUE(back && back->jdn == jdn) << jdn;
        shifted += back->readingsJdn != jdn;
    }
    EXPECT_GT(shifted, 0); // the case the Almanac must say
}

TEST(AlmanacInput, RefusedTextsSayWhy) {
    using Reader = std::optional<std::int64_t> (*)(std::string_view, std::string&);
    const Reader iso = [](std::string_view t, std::string& e) {
        return ParseIsoDay(t, Calendar::Gregorian, e);
    };
    const Reader full = [](std::string_view t, std::string& e) {
        return ParseLongCountDay(t, 584283, Calendar::Gregorian, e);
    };
    const Reader jdn = [](std::string_view t, std::string& e) {
        return ParseDayNumber(t, Calendar::Gregorian, e);
    };
    const std::tuple<Reader, const char*, const char*> cases[] = {
        {iso, "2024-1-05", "'2024-1-05' is not a date written YYYY-MM-DD"},
        {iso, "24-01-05", "'24-01-05' is not a date written YYYY-MM-DD"},
        {iso, "2023-02-29", "no such day in the calendar"},
        {iso, "-1000001-01-01", "the year lies outside -1,000,000 to 1,000,000"},
        {full, "9.12.11.5.18 6 Edznab 16 Yax",
         "the Haab number 16 (the Long Count gives 11) does not fit 9.12.11.5.18, whose Calendar "
         "Round is 6 Edznab 11 Yax"},
        {jdn, "1.5", "'1.5' is not a day number"},
    };
    for (const auto& [read, text, why] : cases) {
        std::string error;
        EXPECT_FALSE(read(text, error));
        EXPECT_EQ(error, why);
    }
    std::string error;
    EXPECT_EQ(full(" 9.12.11.5.18  6 edznab ", error), 1970761);
}

} // namespace
