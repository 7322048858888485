#pragma once

#include "engine/AlmanacDay.h"
#include "engine/Language.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zentolk::picture {

// A bar-and-dot numeral for 0 to 19: a bar is five, a dot one, and zero is
// drawn as a shell.
struct NumeralParts {
    int bars = 0;
    int dots = 0;
    bool zero = false;
};
constexpr NumeralParts NumeralOf(int value) {
    return {value / 5, value % 5, value == 0};
}

// Roles rather than colours, so that each front end paints with its own
// palette and a page can restyle the SVG.
enum class Ink : std::uint8_t { None, Text, Accent, Faint, Paper };

enum class Kind : std::uint8_t {
    Rect,    // corner (x, y), size (w, h), rounded by `corner`
    Ellipse, // centre (x, y), radii (w, h)
    Shell,   // zero: an outline of radii (w, h) round (x, y) with its ridges
    Line,    // from (x, y) to (w, h)
    Text,    // anchored at (x, y), turned by `angle` degrees about it
};
enum class Anchor : std::uint8_t { Start, Middle, End };

struct Shape {
    Kind kind = Kind::Rect;
    std::string_view cls;
    double x = 0, y = 0, w = 0, h = 0;
    double corner = 0;
    Ink fill = Ink::None, stroke = Ink::None;
    double strokeWidth = 0;
    // Text only: its size is the font's pixel size; the text is centred
    // vertically on y (a shift of TextMiddleShift sizes down its baseline).
    std::string text;
    double size = 0;
    double angle = 0;
    Anchor anchor = Anchor::Start;
    bool bold = false;
    // The largest size at which the text still keeps clear of its neighbours
    // and inside the picture, for a front end that draws texts larger than
    // `size`; 0 when nothing bounds it.
    double room = 0;
};
inline constexpr double TextMiddleShift = 0.35;

// Shapes drawn together; `data` becomes data-NAME attributes in the SVG.
struct Group {
    std::string_view cls;
    std::vector<std::pair<std::string_view, std::string>> data;
    std::vector<Shape> shapes;
};

// A picture in a box of width by height units, with what it shows as words
// for those who cannot see it.
struct Picture {
    double width = 0, height = 0;
    std::string title;
    std::vector<Group> groups;
};

enum class PictureKind { LongCount, CalendarRound };

// The day's Long Count as a column of numerals, largest place on top (a
// pictun place when the count has one), each named beside it, with the
// Calendar Round below as text.
Picture LongCountPicture(const AlmanacDay& day, Language language = Language::English);

// The Tzolkin as a wheel of 13 numbers meshing with a wheel of the 20 day
// names, which meshes with the Haab's larger wheel of its 19 months; the
// day's positions are marked where the wheels meet.
Picture CalendarRoundPicture(const AlmanacDay& day, Language language = Language::English);

Picture PictureOf(PictureKind kind, const AlmanacDay& day, Language language = Language::English);

// The text alternatives, also the pictures' titles; the names on the
// pictures are Maya in every language.
std::string LongCountWords(const AlmanacDay& day, Language language = Language::English);
std::string CalendarRoundWords(const AlmanacDay& day, Language language = Language::English);

} // namespace zentolk::picture
