// The pictures' model: the bar-and-dot numerals, the column of places, the
// wheels' positions and the words that stand for them.
#include "picture/Picture.h"

#include "engine/AlmanacDay.h"
#include "picture/Svg.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace zentolk::picture {
namespace {

std::map<std::string, int> classCounts(const Group& g) {
    std::map<std::string, int> counts;
    for (const Shape& s : g.shapes)
        ++counts[std::string(s.cls)];
    return counts;
}

AlmanacDay dayWithPlaces(std::int64_t pictun, int b, int k, int t, int u, int kin) {
    // The pictures draw the day count's places as its era writes them.
    AlmanacDay day;
    day.dayCount =
        pictun * PictunDays + b * BaktunDays + k * KatunDays + t * TunDays + u * UinalDays + kin;
    day.longCount = LongCountOf(day.dayCount);
    return day;
}

// Every value a place takes, in every place, drawn as its numeral and inside
// the picture.
TEST(LongCountPicture, NumeralForEveryValue) {
    struct Numeral {
        int bars, dots, zeros;
    };
    const Numeral expected[20] = {
        {0, 0, 1}, {0, 1, 0}, {0, 2, 0}, {0, 3, 0}, {0, 4, 0}, {1, 0, 0}, {1, 1, 0},
        {1, 2, 0}, {1, 3, 0}, {1, 4, 0}, {2, 0, 0}, {2, 1, 0}, {2, 2, 0}, {2, 3, 0},
        {2, 4, 0}, {3, 0, 0}, {3, 1, 0}, {3, 2, 0}, {3, 3, 0}, {3, 4, 0},
    };
    for (int v = 0; v < 20; ++v) {
        const Picture p = LongCountPicture(dayWithPlaces(0, v, v, v, v < 18 ? v : 17, v));
        int places = 0;
        for (const Group& g : p.groups) {
            if (g.cls != "place")
                continue;
            ++places;
            const int value = std::stoi(g.data.at(1).second);
            const std::map<std::string, int> n = classCounts(g);
            SCOPED_TRACE(g.data.at(0).second + " " + std::to_string(value));
            EXPECT_EQ(n.size(), static_cast<std::size_t>((value >= 5) + (value % 5 > 0) + !value));
            EXPECT_EQ(n.count("bar") ? n.at("bar") : 0, expected[value].bars);
            EXPECT_EQ(n.count("dot") ? n.at("dot") : 0, expected[value].dots);
            EXPECT_EQ(n.count("zero") ? n.at("zero") : 0, expected[value].zeros);
            for (const Shape& s : g.shapes) {
                const double left = s.kind == Kind::Rect ? s.x : s.x - s.w;
                const double top = s.kind == Kind::Rect ? s.y : s.y - s.h;
                const double right = s.kind == Kind::Rect ? s.x + s.w : s.x + s.w;
                const double bottom = s.kind == Kind::Rect ? s.y + s.h : s.y + s.h;
                EXPECT_GE(left, 0);
                EXPECT_GE(top, 0);
                EXPECT_LE(right, p.width);
                EXPECT_LE(bottom, p.height);
            }
        }
        EXPECT_EQ(places, 5);
    }
}

// Each numeral stands in its row beside its place's name: dots in an even
// row centred over the bars, bars stacked below them, the whole centred on the
// name's line; a zero is one shell there.
TEST(LongCountPicture, NumeralsStandInTheirRows) {
    for (int v = 0; v < 20; ++v) {
        const Picture p = LongCountPicture(dayWithPlaces(0, v, 0, v, v % 18, v));
        std::vector<double> nameYs;
        for (const Group& g : p.groups)
            if (g.cls == "names")
                for (const Shape& s : g.shapes)
                    nameYs.push_back(s.y);
        // The katun is 0 in every picture: its shell marks the column's middle.
        double centre = -1;
        for (const Group& g : p.groups)
            for (const Shape& s : g.shapes)
                if (s.cls == "zero")
                    centre = s.x;
        std::size_t row = 0;
        for (const Group& g : p.groups) {
            if (g.cls != "place")
                continue;
            const int value = std::stoi(g.data.at(1).second);
            SCOPED_TRACE(g.data.at(0).second + " " + std::to_string(value));
            ASSERT_LT(row, nameYs.size());
            const double cy = nameYs[row++];
            double top = 1e9, bottom = -1e9, lastDotX = 0, barsTop = 1e9;
            std::vector<double> dotXs, barYs;
            for (const Shape& s : g.shapes) {
                const bool rect = s.kind == Kind::Rect;
                top = std::min(top, rect ? s.y : s.y - s.h);
                bottom = std::max(bottom, s.y + s.h);
                if (s.cls == "dot") {
                    dotXs.push_back(s.x);
                    lastDotX = s.x;
                    EXPECT_LT(s.y, barsTop);
                } else if (s.cls == "bar") {
                    barYs.push_back(s.y);
                    barsTop = std::min(barsTop, s.y);
                    EXPECT_DOUBLE_EQ(s.x + s.w / 2, centre);
                } else {
                    EXPECT_EQ(s.cls, "zero");
                    EXPECT_EQ(value, 0);
                    EXPECT_DOUBLE_EQ(s.y, cy);
                    EXPECT_DOUBLE_EQ(s.x, centre);
                }
            }
            EXPECT_EQ(static_cast<int>(dotXs.size()), value % 5);
            EXPECT_EQ(static_cast<int>(barYs.size()), value / 5);
            EXPECT_NEAR((top + bottom) / 2, cy, 1e-9);
            // Dots one pitch apart, centred where the bars are.
            for (std::size_t i = 1; i < dotXs.size(); ++i)
                EXPECT_DOUBLE_EQ(dotXs[i] - dotXs[i - 1], dotXs[1] - dotXs[0]);
            if (!dotXs.empty()) {
                EXPECT_NEAR((dotXs.front() + lastDotX) / 2, centre, 1e-9);
            }
            for (std::size_t i = 1; i < barYs.size(); ++i)
                EXPECT_GT(barYs[i], barYs[i - 1]);
        }
        EXPECT_EQ(row, nameYs.size());
    }
}

// The Haab's wheel stands so that the meeting point falls in the day's month
// and at its day: the teeth that begin the month and the next lie either side
// of it, the day's count of slots away.
TEST(CalendarRoundPicture, TheHaabMeetsAtTheDayOfItsMonth) {
    for (int position = 0; position < HaabDays; ++position) {
        AlmanacDay day;
        day.haab = HaabAt(position);
        SCOPED_TRACE(HaabText(day.haab));
        const Picture p = CalendarRoundPicture(day);
        const Group* haab = nullptr;
        for (const Group& g : p.groups)
            if (!g.data.empty() && g.data.at(0).second == "haab")
                haab = &g;
        ASSERT_NE(haab, nullptr);
        const Shape& rim = haab->shapes.at(0);
        // Degrees from the meeting point, at the top.
        const auto angle = [&rim](double x, double y) {
            return std::remainder(std::atan2(y - rim.y, x - rim.x) * 180 / std::numbers::pi - 270,
                                  360);
        };
        std::vector<double> teeth, labels;
        for (const Shape& s : haab->shapes) {
            if (s.cls == "tooth")
                teeth.push_back(angle(s.w, s.h));
            else if (s.kind == Kind::Text)
                labels.push_back(angle(s.x, s.y));
        }
        ASSERT_EQ(teeth.size(), static_cast<std::size_t>(HaabMonths));
        const double slot = 360.0 / HaabDays;
        const int month = day.haab.month - 1;
        EXPECT_NEAR(teeth[month], -day.haab.day * slot, 1e-6);
        const double next = teeth[(month + 1) % HaabMonths];
        EXPECT_NEAR(next, (HaabMonthLength(day.haab.month) - day.haab.day) * slot, 1e-6);
        // Each month's name stands at the middle one of its own days.
        ASSERT_EQ(labels.size(), teeth.size());
        for (int m = 0; m < HaabMonths; ++m) {
            const double middle = (HaabMonthLength(m + 1) - 1) / 2.0 * slot;
            EXPECT_NEAR(std::remainder(labels[m] - teeth[m] - middle, 360), 0, 1e-6) << m;
        }
    }
}

TEST(LongCountPicture, PlacesLargestFirstWithPictunOnlyWhenThere) {
    const auto placeNames = [](const Picture& p) {
        std::string names;
        for (const Group& g : p.groups)
            if (g.cls == "place")
                names += g.data.at(0).second + "=" + g.data.at(1).second + " ";
        return names;
    };
    EXPECT_EQ(placeNames(LongCountPicture(dayWithPlaces(0, 9, 12, 11, 5, 18))),
              "baktun=9 katun=12 tun=11 uinal=5 kin=18 ");
    EXPECT_EQ(placeNames(LongCountPicture(dayWithPlaces(1, 0, 0, 0, 0, 0))),
              "pictun=1 baktun=0 katun=0 tun=0 uinal=0 kin=0 ");
    // A pictun count beyond 19 is written in base 20 like any count: 41 is
    // 2 and 1, a column of two numerals.
    const Picture big = LongCountPicture(dayWithPlaces(41, 0, 0, 0, 0, 0));
    const std::map<std::string, int> n = classCounts(big.groups.at(1));
    EXPECT_EQ(big.groups.at(1).data.at(1).second, "41");
    EXPECT_EQ(n.at("dot"), 3);
    EXPECT_EQ(n.count("bar"), 0u);
}

TEST(PictureWords, SayWhatThePicturesShow) {
    const AlmanacDay day = ComputeAlmanac(1970761, DefaultCorrelation); // 9.12.11.5.18
    EXPECT_EQ(LongCountWords(day), "Long Count 9.12.11.5.18: 9 baktuns, 12 katuns, 11 tuns, 5 "
                                   "uinals, 18 kins. Calendar Round 6 Edznab 11 Yax.");
    EXPECT_EQ(CalendarRoundWords(day),
              "Calendar Round 6 Edznab 11 Yax: the Tzolkin's wheel of numbers at 6 meets its "
              "wheel of day names at Edznab, and the Haab's wheel of months stands at day 11 of "
              "Yax.");
    const AlmanacDay before = ComputeAlmanac(DefaultCorrelation - 21, DefaultCorrelation);
    EXPECT_EQ(LongCountWords(before), "Long Count 12.19.19.16.19 (era before): 12 baktuns, 19 "
                                      "katuns, 19 tuns, 16 uinals, 19 kins. Calendar Round 9 "
                                      "Cauac 7 Kayab.");
    EXPECT_EQ(LongCountPicture(day).title, LongCountWords(day));
    // In Spanish the Maya names stay, the periods take Spanish plurals.
    EXPECT_EQ(LongCountWords(day, Language::Spanish),
              "Cuenta larga 9.12.11.5.18: 9 baktunes, 12 katunes, 11 tunes, 5 uinales, 18 kines. "
              "Rueda calendárica 6 Edznab 11 Yax.");
    EXPECT_EQ(CalendarRoundPicture(day, Language::Spanish).title,
              "Rueda calendárica 6 Edznab 11 Yax: la rueda de números del tzolkin, en el 6, se "
              "encuentra con su rueda de nombres de días en Edznab, y la rueda de meses del haab "
              "está en el día 11 de Yax.");
}

// The wheels are turned so that the day's number, name and Haab day stand
// where they meet: the marked labels are the day's, on every day of a
// Calendar Round.
TEST(CalendarRoundPicture, MarksTheDayWhereTheWheelsMeet) {
    for (std::int64_t jdn = 2456283; jdn < 2456283 + 18980; jdn += 7) {
        const AlmanacDay day = ComputeAlmanac(jdn, DefaultCorrelation);
        const Picture p = CalendarRoundPicture(day);
        std::map<std::string, std::string> current;
        for (const Group& g : p.groups)
            for (const Shape& s : g.shapes)
                if (s.cls == "label current")
                    current[g.data.at(0).second] = s.text;
        ASSERT_EQ(current.size(), 3u);
        EXPECT_EQ(current["tzolkin-number"], std::to_string(day.tzolkin.number));
        EXPECT_EQ(current["tzolkin-name"], TzolkinSign[day.tzolkin.sign - 1]);
        EXPECT_EQ(current["haab"], HaabMonth[day.haab.month - 1]);
        // The day's number and name are the labels nearest the meeting point.
        const Group& numbers = p.groups.at(0);
        const Group& names = p.groups.at(1);
        const Shape& meet = p.groups.at(3).shapes.at(0);
        const auto nearest = [&meet](const Group& g) {
            const Shape* best = nullptr;
            const auto distance = [&meet](const Shape& s) {
                return std::hypot(s.x - meet.x, s.y - meet.y);
            };
            for (const Shape& s : g.shapes)
                if (s.kind == Kind::Text && (!best || distance(s) < distance(*best)))
                    best = &s;
            return best->text;
        };
        EXPECT_EQ(nearest(numbers), std::to_string(day.tzolkin.number));
        EXPECT_EQ(nearest(names), TzolkinSign[day.tzolkin.sign - 1]);
    }
}

TEST(Svg, EscapesTextAndKeepsCoordinatesShort) {
    Picture p;
    p.width = 10;
    p.height = 5.5;
    p.title = "a < b & \"c\"\x01";
    Shape s;
    s.kind = Kind::Text;
    s.cls = "t";
    s.x = 1.0 / 3;
    s.y = -0.001;
    s.text = "<x>";
    p.groups.push_back({"g", {{"value", "1&2"}}, {s}});
    const std::string svg = SvgOf(p);
    EXPECT_NE(svg.find("viewBox=\"0 0 10 5.5\""), std::string::npos);
    EXPECT_NE(svg.find("<title>a &lt; b &amp; &quot;c&quot;</title>"), std::string::npos);
    EXPECT_NE(svg.find("data-value=\"1&amp;2\""), std::string::npos);
    EXPECT_NE(svg.find("x=\"0.33\" y=\"0\""), std::string::npos);
    EXPECT_NE(svg.find(">&lt;x&gt;</text>"), std::string::npos);
    EXPECT_EQ(svg.find('\n'), svg.size() - 1); // one document, one line
}

} // namespace
} // namespace zentolk::picture
