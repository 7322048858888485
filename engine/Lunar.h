#pragma once

#include "CivilCalendar.h"
#include "Language.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zentolk {

// The moon: new moons from a published lunar algorithm, and the Lunar Series
// (glyphs E/D, C, X, A) as the day should carry it under each convention.
//
// New moons follow J. Meeus, Astronomical Algorithms, 2nd ed. (Willmann-Bell,
// 1998), chapter 49: the mean lunation with its 25 periodic and 14 planetary
// terms, in Dynamical Time, brought to Universal Time with the delta T
// expressions of F. Espenak and J. Meeus, Five Millennium Canon of Solar
// Eclipses (NASA/TP-2006-214141, 2006), section 2.6.

// The lunation number k of Meeus's series: 0 is the new moon of 6 January
// 2000. The instant of its conjunction as a Julian Date in Dynamical Time.
double NewMoonJde(std::int64_t k);
// Terrestrial minus Universal Time, in seconds, in a (decimal) year.
double DeltaTSeconds(double year);
// The conjunction's instant as a Julian Date in Universal Time.
double NewMoonJd(std::int64_t k);

// The years (astronomical) whose moon the algorithm is taken to give to the
// day: delta T is a fit to records from -1999 on and a parabola before,
// uncertain by hours by -4000.
inline constexpr std::int64_t MoonFirstYear = -3999, MoonLastYear = 4000;
inline constexpr std::int64_t MoonFirstJdn =
    CivilDayNumber(Calendar::Gregorian, MoonFirstYear, 1, 1);
inline constexpr std::int64_t MoonLastJdn =
    CivilDayNumber(Calendar::Gregorian, MoonLastYear, 12, 31);
bool HasAstronomicalMoon(std::int64_t jdn);

// The day a moment falls on where the inscriptions stand: the Maya area's
// mean time, six hours behind Universal Time (longitude 90 degrees west).
std::int64_t MayaDayOf(double jdUt);

// The moon of a day by the algorithm: the day of the last conjunction on or
// before it, and of the next one after it, both as Julian Day Numbers of
// Maya days.
struct AstronomicalMoon {
    std::int64_t newMoonDay = 0;
    std::int64_t nextNewMoonDay = 0;
    double newMoonJd = 0; // the conjunction, Universal Time
};
AstronomicalMoon AstronomicalMoonOf(std::int64_t jdn);

// How a convention reckons the series.
enum class LunarConvention { Astronomical, Palenque, Coba };
inline constexpr LunarConvention LunarConventions[] = {
    LunarConvention::Astronomical, LunarConvention::Palenque, LunarConvention::Coba};

struct LunarConventionInfo {
    std::string_view key;    // "palenque", as the JSON and --recorded name it
    std::string_view title;  // "Palenque formula"
    std::string_view source; // author, year, where
    std::string_view valid;  // its period of validity
};
// Its key is the same in every language; JSON takes the English texts.
const LunarConventionInfo& InfoOf(LunarConvention convention,
                                  Language language = Language::English);

// The Lunar Series a day should carry. The moon's age is the day's count
// since the first day of its lunation (glyph D below 20, E with 20 above);
// glyph C numbers the lunation in its group of six; glyph A the lunation's
// length. The astronomical reading gives no glyph C.
struct LunarSeries {
    LunarConvention convention = LunarConvention::Astronomical;
    int age = 0;                    // 0..29
    int glyphC = 0;                 // 1..6, 0 when the convention gives none
    int semester = -1;              // 0..2: its group of six in the 18-lunation cycle; -1 none
    int glyphA = 29;                // 29 or 30
    std::int64_t lunationStart = 0; // day count of the lunation's first day
};
// Empty for the astronomical reading of a day outside MoonFirstJdn..MoonLastJdn.
std::optional<LunarSeries> LunarSeriesOf(LunarConvention convention, std::int64_t dayCount,
                                         std::int64_t correlation);

// The semester's patron in the 18-lunation cycle of the Palenque count: the
// skull, as the Temple of the Sun writes it, and the two after it.
std::string_view SemesterText(const LunarSeries& series, Language language = Language::English);
// "age 26 (E 6), C 4 in the skull's semester, A 30": the age as its glyph
// writes it, D below 20 days, E with the days past 20.
std::string LunarSeriesText(const LunarSeries& series, Language language = Language::English);
// The same for a day, or why the convention gives none.
std::string LunarReadingText(LunarConvention convention, std::int64_t dayCount,
                             std::int64_t correlation, Language language = Language::English);
// "none: the algorithm is taken to hold for the years -3999 to 4000 only".
std::string NoAstronomicalMoonText(Language language = Language::English);

// A Lunar Series as an inscription records it: "D 5", "E 6" (26 days),
// "age 26" (or "edad 26"), "C 4", "A 29" (or "A 9", the glyph's own coefficient); any of
// them, in any order, separated by blanks, commas or semicolons.
struct RecordedSeries {
    std::optional<int> age, glyphC, glyphA;
};
std::optional<RecordedSeries> ParseRecordedSeries(std::string_view text, std::string& error,
                                                  Language language = Language::English);

// How far a recorded part is from the day's: days for the age (the nearest
// way round the lunation), lunations for glyph C (-3..3), days for glyph A.
struct SeriesCheck {
    std::optional<int> ageOff, glyphCOff, glyphAOff; // set where recorded (and given)
    bool fits() const;
};
SeriesCheck CheckSeries(const RecordedSeries& recorded, const LunarSeries& day);

} // namespace zentolk
