// New moons against published times, and the Lunar Series of every
// convention walked day by day against its own rules.
#include "engine/Lunar.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace zentolk;

constexpr std::int64_t Gmt = 584283;

TEST(Lunar, NewMoonsFallWhenPublishedTablesPutThem) {
    // Meeus, Astronomical Algorithms (1998), example 49.a: the new moon of
    // February 1977, lunation -283, in Dynamical Time.
    EXPECT_NEAR(NewMoonJde(-283), 2443192.65118, 0.00001);
    // Universal Time of new moons in the published phase tables (to the
    // minute), and the days of solar eclipses, which are new moons, from the
    // Five Millennium Canon of Solar Eclipses (Espenak and Meeus 2006): the
    // Assyrian eclipse of -762 June 15, the eclipse of -584 May 28, those of
    // 29 November 24 and 1133 August 2 (Julian dates).
    struct Published {
        Calendar calendar;
        std::int64_t year;
        int month, day;
        double hoursUt; // negative: only the day is checked
    };
    const Published moons[] = {
        {Calendar::Gregorian, 2000, 1, 6, 18 + 14 / 60.0},
        {Calendar::Gregorian, 1999, 8, 11, 11 + 8 / 60.0},
        {Calendar::Gregorian, 2017, 8, 21, 18 + 30 / 60.0},
        {Calendar::Gregorian, 2024, 4, 8, 18 + 21 / 60.0},
        {Calendar::Julian, -762, 6, 15, -1},
        {Calendar::Julian, -584, 5, 28, -1},
        {Calendar::Julian, 29, 11, 24, -1},
        {Calendar::Julian, 1133, 8, 2, -1},
    };
    for (const Published& p : moons) {
        const std::int64_t jdn = CivilDayNumber(p.calendar, p.year, p.month, p.day);
        const auto k = static_cast<std::int64_t>(
            std::lround((static_cast<double>(jdn) - 2451550.1) / 29.530588861));
        const double jd = NewMoonJd(k);
        EXPECT_EQ(static_cast<std::int64_t>(std::floor(jd + 0.5)), jdn) << p.year;
        if (p.hoursUt >= 0) {
            EXPECT_NEAR((jd - (static_cast<double>(jdn) - 0.5)) * 24, p.hoursUt, 0.1) << p.year;
        }
    }
}

TEST(Lunar, PublishedLunarSeriesOfMonumentsAreReproduced) {
    struct Monument {
        const char* name;
        std::int64_t dayCount;
        LunarConvention convention;
        int age, glyphC, glyphA;
    };
    // Coba Stela 1 for 13.0.0.0.0 (Fuls 2007, figure 1): 23 days, the first
    // lunation, 30 days. Palenque, Temple of the Sun, for 1.18.5.3.6 13 Cimi
    // 19 Ceh: 26 days, the 4th lunation (skull), 30 days.
    const Monument monuments[] = {
        {"Coba Stela 1", 0, LunarConvention::Coba, 23, 1, 30},
        {"Temple of the Sun", ((1 * 20 + 18) * 20 + 5) * 360 + 3 * 20 + 6,
         LunarConvention::Palenque, 26, 4, 30},
    };
    for (const Monument& m : monuments) {
        const std::optional<LunarSeries> s = LunarSeriesOf(m.convention, m.dayCount, Gmt);
        ASSERT_TRUE(s) << m.name;
        EXPECT_EQ(s->age, m.age) << m.name;
        EXPECT_EQ(s->glyphC, m.glyphC) << m.name;
        EXPECT_EQ(s->glyphA, m.glyphA) << m.name;
        const RecordedSeries recorded{m.age, m.glyphC, m.glyphA};
        EXPECT_TRUE(CheckSeries(recorded, *s).fits()) << m.name;
    }
    EXPECT_EQ(LunarSeriesOf(LunarConvention::Palenque, monuments[1].dayCount, Gmt)->semester, 0);
}

// Every convention, day by day over stretches of this era, the eras before
// and after and the astronomical range's ends: the age goes up by one a day
// and falls to 0 on the first day of the next lunation, which is the day the
// last one's A said; glyph C steps by one through 1..6 at each turn, and the
// semesters follow C 6.
TEST(Lunar, AgesAdvanceDailyAndWrapAtEachLunation) {
    const std::int64_t starts[] = {
        -3 * 1872000,       -1872000 - 40000,        -2440, 0, 1411000, 1872000 + 9000, 3 * 1872000,
        MoonFirstJdn - Gmt, MoonLastJdn - Gmt - 4000};
    for (const LunarConvention c : LunarConventions)
        for (const std::int64_t start : starts) {
            std::optional<LunarSeries> previous;
            int turns = 0;
            for (std::int64_t d = start; d < start + 4000; ++d) {
                const std::optional<LunarSeries> s = LunarSeriesOf(c, d, Gmt);
                const bool astronomical = c == LunarConvention::Astronomical;
                if (astronomical && !HasAstronomicalMoon(d + Gmt)) {
                    EXPECT_FALSE(s);
                    previous.reset();
                    continue;
                }
                ASSERT_TRUE(s) << d;
                ASSERT_TRUE(s->glyphA == 29 || s->glyphA == 30) << d;
                ASSERT_EQ(s->lunationStart, d - s->age) << d;
                ASSERT_EQ(s->glyphC == 0, astronomical);
                if (previous && s->age == 0) {
                    ++turns;
                    ASSERT_EQ(previous->age + 1, previous->glyphA) << d;
                    ASSERT_EQ(s->glyphC, astronomical ? 0 : previous->glyphC % 6 + 1) << d;
                    if (previous->semester >= 0) {
                        ASSERT_EQ(s->semester, (previous->semester + (s->glyphC == 1)) % 3) << d;
                    }
                } else if (previous) {
                    ASSERT_EQ(s->age, previous->age + 1) << d;
                    ASSERT_EQ(s->glyphC, previous->glyphC) << d;
                    ASSERT_EQ(s->glyphA, previous->glyphA) << d;
                }
                previous = s;
            }
            EXPECT_TRUE(turns >= 130 || c == LunarConvention::Astronomical) << start;
        }
}

TEST(Lunar, RecordedSeriesAreReadAsInscriptionsWriteThem) {
    std::string error;
    const struct {
        const char* text;
        std::optional<int> age, glyphC, glyphA;
    } good[] = {
        {"D 5 C 2 A 29", 5, 2, 29},
        {"G9 F E6 C4 X B A10", 26, 4, 30},
        {"age 12; a 9", 12, std::nullopt, 29},
        {"E", 20, std::nullopt, std::nullopt},
        {"G 9, C 6", std::nullopt, 6, std::nullopt},
    };
    for (const auto& g : good) {
        const std::optional<RecordedSeries> r = ParseRecordedSeries(g.text, error);
        ASSERT_TRUE(r) << g.text << ": " << error;
        EXPECT_EQ(r->age, g.age) << g.text;
        EXPECT_EQ(r->glyphC, g.glyphC) << g.text;
        EXPECT_EQ(r->glyphA, g.glyphA) << g.text;
    }
    for (const char* bad : {"", "D 20", "E 10", "C 7", "C 0", "A 31", "D 5 D 6", "Z 3", "C x"})
        EXPECT_FALSE(ParseRecordedSeries(bad, error)) << bad;

    // How far off: the age the nearest way round the lunation, C within -2..3.
    LunarSeries day;
    day.age = 1;
    day.glyphC = 6;
    day.glyphA = 30;
    const SeriesCheck check = CheckSeries({28, 1, 29}, day);
    EXPECT_EQ(check.ageOff, -3);
    EXPECT_EQ(check.glyphCOff, 1);
    EXPECT_EQ(check.glyphAOff, -1);
    EXPECT_FALSE(check.fits());
}

} // namespace
