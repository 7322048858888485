#include "picture/Picture.h"

#include "engine/CalendarRound.h"
#include "engine/Epigraphy.h"
#include "engine/LongCount.h"
#include "engine/Names.h"

#include <cmath>
#include <numbers>

namespace zentolk::picture {

namespace {
// The numeral's box within its row of the column.
constexpr double NumeralLeft = 24, NumeralWidth = 104, RowHeight = 86;
constexpr double BarHeight = 14, DotRadius = 7.5, StackGap = 6;
constexpr double ColumnTop = 64, NameLeft = 150, LongCountWidth = 300;

Shape text(std::string_view cls, std::string content, double x, double y, double size,
           Anchor anchor, Ink ink = Ink::Text, bool bold = false) {
    Shape s;
    s.kind = Kind::Text;
    s.cls = cls;
    s.text = std::move(content);
    s.x = x;
    s.y = y;
    s.size = size;
    s.anchor = anchor;
    s.fill = ink;
    s.bold = bold;
    return s;
}

Shape line(std::string_view cls, double x1, double y1, double x2, double y2, Ink ink,
           double width) {
    Shape s;
    s.kind = Kind::Line;
    s.cls = cls;
    s.x = x1;
    s.y = y1;
    s.w = x2;
    s.h = y2;
    s.stroke = ink;
    s.strokeWidth = width;
    return s;
}

Shape circle(std::string_view cls, double cx, double cy, double r, Ink fill, Ink stroke,
             double width = 0) {
    Shape s;
    s.kind = Kind::Ellipse;
    s.cls = cls;
    s.x = cx;
    s.y = cy;
    s.w = r;
    s.h = r;
    s.fill = fill;
    s.stroke = stroke;
    s.strokeWidth = width;
    return s;
}

// One numeral for 0 to 19, centred on (cx, cy): dots in a row above the
// bars, as the numerals are carved in a column.
void addNumeral(int value, double cx, double cy, std::vector<Shape>& shapes) {
    const NumeralParts parts = NumeralOf(value);
    if (parts.zero) {
        Shape shell;
        shell.kind = Kind::Shell;
        shell.cls = "zero";
        shell.x = cx;
        shell.y = cy;
        shell.w = 34;
        shell.h = 17;
        shell.stroke = Ink::Text;
        shell.strokeWidth = 3;
        shapes.push_back(shell);
        return;
    }
    const int items = parts.bars + (parts.dots > 0 ? 1 : 0);
    double y = cy - (parts.bars * BarHeight + (parts.dots > 0 ? 2 * DotRadius : 0) +
                     (items - 1) * StackGap) /
                        2;
    if (parts.dots > 0) {
        const double pitch = 4 * DotRadius;
        double x = cx - (parts.dots - 1) * pitch / 2;
        for (int i = 0; i < parts.dots; ++i, x += pitch)
            shapes.push_back(circle("dot", x, y + DotRadius, DotRadius, Ink::Text, Ink::None));
        y += 2 * DotRadius + StackGap;
    }
    for (int i = 0; i < parts.bars; ++i, y += BarHeight + StackGap) {
        Shape bar;
        bar.cls = "bar";
        bar.x = cx - (NumeralWidth - 8) / 2;
        bar.y = y;
        bar.w = NumeralWidth - 8;
        bar.h = BarHeight;
        bar.corner = 3;
        bar.fill = Ink::Text;
        shapes.push_back(bar);
    }
}

struct Place {
    std::string_view name;
    std::int64_t value;
};

std::vector<Place> placesOf(const LongCountPlaces& p) {
    std::vector<Place> places;
    if (p.pictun != 0)
        places.push_back({LongCountUnits[0].name, p.pictun});
    for (const auto& [name, value] :
         {std::pair{LongCountUnits[1].name, p.baktun}, std::pair{LongCountUnits[2].name, p.katun},
          std::pair{LongCountUnits[3].name, p.tun}, std::pair{LongCountUnits[4].name, p.uinal},
          std::pair{LongCountUnits[5].name, p.kin}})
        places.push_back({name, value});
    return places;
}

// The places as the day's era writes them.
std::vector<Place> inscribedPlaces(const AlmanacDay& day) {
    return placesOf(LongCountOf(InscribedOf(day.dayCount).count));
}

constexpr double Degrees = std::numbers::pi / 180;

// A wheel of labels round (cx, cy), the label of `current` at `meetAngle`
// and the others after it one step apart in `direction`.
struct Wheel {
    double cx, cy, radius;
    int count;
    int current;      // 0-based
    double meetAngle; // degrees, clockwise from the right as drawn
    double direction; // +1 or -1
    double angleOf(double slot) const {
        return meetAngle + direction * (slot - current) * 360.0 / count;
    }
    double x(double angle, double r) const { return cx + r * std::cos(angle * Degrees); }
    double y(double angle, double r) const { return cy + r * std::sin(angle * Degrees); }
};

// Of a text's size, about what one of its characters takes along its line
// (bold or not), what a line takes across, and the blank kept between two
// texts side by side. Front ends' fonts differ; these err on the wide side.
constexpr double CharacterWidth = 0.64, LineHeight = 1.15, Blank = 0.25;

// The largest size of a text of `characters` along the line of `width`.
double lineRoom(double width, std::size_t characters) {
    return width / (CharacterWidth * static_cast<double>(characters));
}

// The largest size of an upright label round a wheel at `radius`, `apart`
// degrees from the next, so that the two keep clear wherever they stand.
double uprightRoom(double radius, double apart, std::size_t characters) {
    return 2 * radius * std::sin(apart / 2 * Degrees) /
           std::max(CharacterWidth * static_cast<double>(characters) + Blank, LineHeight);
}

// The same for a label along a radius from `outer` inwards: its inner end,
// where the labels either side come closest, must keep a line's room.
double radialRoom(double outer, double apart, std::size_t characters) {
    const double spread = 2 * std::sin(apart / 2 * Degrees);
    return outer * spread /
           (LineHeight + CharacterWidth * static_cast<double>(characters) * spread);
}

// A label along a wheel's radius, inside its rim and read from the rim
// inwards, turned so that it never stands on its head; `apart` is the angle
// to the nearest label beside it.
Shape radialLabel(std::string_view cls, std::string content, const Wheel& w, double angle, double r,
                  double size, bool current, double apart) {
    double a = std::remainder(angle, 360.0);
    const bool leftHalf = a > 90 || a < -90;
    const double room = radialRoom(r, apart, content.size());
    Shape s =
        text(cls, std::move(content), w.x(angle, r), w.y(angle, r), size,
             leftHalf ? Anchor::Start : Anchor::End, current ? Ink::Accent : Ink::Text, current);
    s.angle = leftHalf ? a + 180 : a;
    s.room = room;
    return s;
}

Group wheelGroup(std::string_view name, const Wheel& w) {
    Group g;
    g.cls = "wheel";
    g.data = {{"wheel", std::string(name)}, {"slots", std::to_string(w.count)}};
    g.shapes.push_back(circle("rim", w.cx, w.cy, w.radius, Ink::None, Ink::Faint, 2));
    return g;
}

// Spanish gives the Maya periods, which all end in a consonant, "-es".
std::string plural(std::int64_t n, std::string_view unit, Language language) {
    const char* more = language == Language::Spanish ? "es" : "s";
    return std::to_string(n) + " " + std::string(unit) + (n == 1 ? "" : more);
}
} // namespace

std::string LongCountWords(const AlmanacDay& day, Language language) {
    const bool spanish = language == Language::Spanish;
    std::string words = (spanish ? "Cuenta Larga " : "Long Count ") +
                        InscribedDayText(day.dayCount, language) + ": ";
    const std::vector<Place> places = inscribedPlaces(day);
    for (std::size_t i = 0; i < places.size(); ++i)
        words += (i == 0 ? "" : ", ") + plural(places[i].value, places[i].name, language);
    return words + (spanish ? ". Rueda Calendárica " : ". Calendar Round ") +
           CalendarRoundText(day.tzolkin, day.haab) + ".";
}

std::string CalendarRoundWords(const AlmanacDay& day, Language language) {
    const std::string round = CalendarRoundText(day.tzolkin, day.haab),
                      number = std::to_string(day.tzolkin.number),
                      sign(TzolkinSign[day.tzolkin.sign - 1]),
                      haabDay = std::to_string(day.haab.day), month(HaabMonth[day.haab.month - 1]);
    if (language == Language::Spanish)
        return "Rueda Calendárica " + round + ": la rueda de números del tzolkin, en el " + number +
               ", se encuentra con su rueda de nombres de días en " + sign +
               ", y la rueda de meses del haab está en el día " + haabDay + " de " + month + ".";
    return "Calendar Round " + round + ": the Tzolkin's wheel of numbers at " + number +
           " meets its wheel of day names at " + sign +
           ", and the Haab's wheel of months stands at day " + haabDay + " of " + month + ".";
}

Picture LongCountPicture(const AlmanacDay& day, Language language) {
    Picture picture;
    picture.title = LongCountWords(day, language);
    const std::vector<Place> places = inscribedPlaces(day);

    Group heading;
    heading.cls = "heading";
    heading.shapes.push_back(text("long-count", InscribedText(day.dayCount), LongCountWidth / 2, 32,
                                  20, Anchor::Middle, Ink::Faint));
    double top = ColumnTop;
    // The numerals are those the day's own era writes; its name goes under them.
    if (const std::int64_t era = InscribedOf(day.dayCount).era; era != 0) {
        heading.shapes.push_back(text("note", EraName(era, language), LongCountWidth / 2, 56, 15,
                                      Anchor::Middle, Ink::Faint));
        top += 16;
    }
    picture.groups.push_back(std::move(heading));

    Group names;
    names.cls = "names";
    for (const Place& place : places) {
        // Only a pictun count grows beyond one numeral.
        const std::vector<int> numerals = PlaceNumerals(place.value);
        const double height = RowHeight * static_cast<double>(numerals.size());
        Group g;
        g.cls = "place";
        g.data = {{"place", std::string(place.name)}, {"value", std::to_string(place.value)}};
        for (std::size_t i = 0; i < numerals.size(); ++i)
            addNumeral(numerals[i], NumeralLeft + NumeralWidth / 2,
                       top + RowHeight * (static_cast<double>(i) + 0.5), g.shapes);
        picture.groups.push_back(std::move(g));
        names.shapes.push_back(
            text("period", std::string(place.name), NameLeft, top + height / 2, 22, Anchor::Start));
        top += height;
    }
    picture.groups.push_back(std::move(names));

    Group round;
    round.cls = "calendar-round";
    round.shapes.push_back(line("rule", NumeralLeft, top + 12, LongCountWidth - NumeralLeft,
                                top + 12, Ink::Faint, 1.5));
    round.shapes.push_back(text("calendar-round", CalendarRoundText(day.tzolkin, day.haab),
                                LongCountWidth / 2, top + 44, 22, Anchor::Middle, Ink::Text, true));
    picture.groups.push_back(std::move(round));
    picture.width = LongCountWidth;
    picture.height = top + 72;
    return picture;
}

Picture CalendarRoundPicture(const AlmanacDay& day, Language language) {
    Picture picture;
    picture.title = CalendarRoundWords(day, language);
    // The numbers stand far enough apart for a label as large as the window's
    // text at the picture's usual size; the months' names start inside the
    // teeth, which a month of five days has close either side.
    constexpr double NumbersR = 100, NumberInset = 28, NamesR = 150, HaabR = 206, MonthInset = 30,
                     Pad = 18;
    constexpr double Cx = Pad + HaabR, Down = 90, Up = 270;
    // The wheels touch in a column, which sits beside the column of the Long
    // Count: numbers above the names, where the day's number meets its name;
    // the Haab below. Wheels in mesh turn opposite ways, so the next day
    // comes up to each meeting point from the same side on both wheels.
    const Wheel numbers{Cx, Pad + NumbersR, NumbersR, TzolkinNumbers, day.tzolkin.number - 1, Down,
                        1};
    const Wheel names{
        Cx, numbers.cy + NumbersR + NamesR, NamesR, TzolkinSigns, day.tzolkin.sign - 1, Up, -1};
    const Wheel haab{Cx, names.cy + NamesR + HaabR, HaabR, HaabDays, HaabPositionOf(day.haab), Up,
                     1};

    Group numberWheel = wheelGroup("tzolkin-number", numbers);
    numberWheel.data.emplace_back("current", std::to_string(day.tzolkin.number));
    for (int n = 0; n < numbers.count; ++n) {
        const double a = numbers.angleOf(n);
        numberWheel.shapes.push_back(line("tooth", numbers.x(a, NumbersR - 6),
                                          numbers.y(a, NumbersR - 6), numbers.x(a, NumbersR),
                                          numbers.y(a, NumbersR), Ink::Faint, 2));
        const bool current = n == numbers.current;
        const std::string label = std::to_string(n + 1);
        const double r = NumbersR - NumberInset;
        numberWheel.shapes.push_back(
            text(current ? "label current" : "label", label, numbers.x(a, r), numbers.y(a, r),
                 current ? 22 : 18, Anchor::Middle, current ? Ink::Accent : Ink::Text, current));
        numberWheel.shapes.back().room = uprightRoom(r, 360.0 / numbers.count, label.size());
    }
    picture.groups.push_back(std::move(numberWheel));

    Group nameWheel = wheelGroup("tzolkin-name", names);
    nameWheel.data.emplace_back("current", std::string(TzolkinSign[day.tzolkin.sign - 1]));
    for (int s = 0; s < names.count; ++s) {
        const double a = names.angleOf(s);
        nameWheel.shapes.push_back(line("tooth", names.x(a, NamesR - 6), names.y(a, NamesR - 6),
                                        names.x(a, NamesR), names.y(a, NamesR), Ink::Faint, 2));
        const bool current = s == names.current;
        nameWheel.shapes.push_back(radialLabel(current ? "label current" : "label",
                                               std::string(TzolkinSign[s]), names, a, NamesR - 12,
                                               current ? 18 : 16, current, 360.0 / names.count));
    }
    picture.groups.push_back(std::move(nameWheel));

    Group haabWheel = wheelGroup("haab", haab);
    haabWheel.data.emplace_back("current", HaabText(day.haab));
    // Each month's name stands at its middle day.
    const auto middle = [](int month) {
        const int m = (month + HaabMonths) % HaabMonths;
        return HaabPositionOf({0, m + 1}) + (HaabMonthLength(m + 1) - 1) / 2.0;
    };
    for (int m = 0; m < HaabMonths; ++m) {
        const int first = HaabPositionOf({0, m + 1});
        const double a = haab.angleOf(first);
        haabWheel.shapes.push_back(line("tooth", haab.x(a, HaabR - 26), haab.y(a, HaabR - 26),
                                        haab.x(a, HaabR), haab.y(a, HaabR), Ink::Faint, 2));
        const bool current = m + 1 == day.haab.month;
        const double apart = std::min(std::remainder(middle(m) - middle(m - 1), HaabDays),
                                      std::remainder(middle(m + 1) - middle(m), HaabDays)) *
                             360.0 / HaabDays;
        haabWheel.shapes.push_back(radialLabel(
            current ? "label current" : "label", std::string(HaabMonth[m]), haab,
            haab.angleOf(middle(m)), HaabR - MonthInset, current ? 19 : 17, current, apart));
    }
    picture.groups.push_back(std::move(haabWheel));

    // Where the wheels meet, the day, named beside the meeting point.
    Group marks;
    marks.cls = "marks";
    const double meetTzolkin = numbers.cy + NumbersR, meetHaab = haab.cy - HaabR;
    for (const auto& [y, label] : {std::pair{meetTzolkin, TzolkinText(day.tzolkin)},
                                   std::pair{meetHaab, HaabText(day.haab)}}) {
        marks.shapes.push_back(circle("mark", Cx, y, 6, Ink::Accent, Ink::None));
        marks.shapes.push_back(line("pointer", Cx + 10, y, Cx + 92, y, Ink::Accent, 1.5));
        marks.shapes.push_back(
            text("mark-label", label, Cx + 98, y, 16, Anchor::Start, Ink::Accent, true));
        marks.shapes.back().room = lineRoom(2 * Cx - Pad / 2 - (Cx + 98), label.size());
    }
    picture.groups.push_back(std::move(marks));

    picture.width = 2 * Cx;
    Group round;
    round.cls = "calendar-round";
    const std::string roundText = CalendarRoundText(day.tzolkin, day.haab);
    round.shapes.push_back(text("calendar-round", roundText, Cx, haab.cy + HaabR + 40, 24,
                                Anchor::Middle, Ink::Text, true));
    round.shapes.back().room = lineRoom(2 * Cx - 2 * Pad, roundText.size());
    picture.groups.push_back(std::move(round));
    picture.height = haab.cy + HaabR + 64;
    return picture;
}

Picture PictureOf(PictureKind kind, const AlmanacDay& day, Language language) {
    return kind == PictureKind::LongCount ? LongCountPicture(day, language)
                                          : CalendarRoundPicture(day, language);
}

} // namespace zentolk::picture
