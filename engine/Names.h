#pragma once

#include "Language.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zentolk {

// Every name the engine shows, each kept once, index 0 first.

inline constexpr std::array<std::string_view, 12> MonthName = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

inline constexpr std::array<std::string_view, 7> WeekN = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
};

// The day signs in the program's own orthography, from Imix, the first.
inline constexpr std::array<std::string_view, 20> TzolkinSign = {
    "Imix",  "Ik", "Akbal", "Kan", "Chicchan", "Cimi", "Manik", "Lamat",  "Muluc", "Oc",
    "Chuen", "Eb", "Ben",   "Ix",  "Men",      "Cib",  "Caban", "Edznab", "Cauac", "Ahau",
};

// What each sign means, as the calculator's Tzolkin reading glosses it.
inline constexpr std::array<std::string_view, 20> TzolkinGloss = {
    "Alligator", "Wind",       "Night, House", "Seed, Lizard", "Serpent",
    "Death",     "Deer, Hand", "Rabbit, Star", "Water",        "Dog",
    "Monkey",    "The Road",   "Reed",         "Jaguar",       "Eagle",
    "Vulture",   "Earth",      "Flint",        "Rainstorm",    "Light, Lord",
};

// The Spanish names, the Maya ones excepted: those stay Maya in every
// language. Spanish writes months and week days in lower case.
inline constexpr std::array<std::string_view, 12> SpanishMonthName = {
    "enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
    "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};

inline constexpr std::array<std::string_view, 7> SpanishWeekN = {
    "domingo", "lunes", "martes", "miércoles", "jueves", "viernes", "sábado",
};

// One meaning a sign, as the Spanish Wikipedia's Tzolkin article glosses
// each in its column "Interpretación al castellano" (the glosses readers of
// Spanish meet most, from the Nahuatl day names' Spanish tradition). Akbal,
// Kan, Ix, Cib and Caban were compared with copies of that column; the help's
// Tzolkin page says so.
inline constexpr std::array<std::string_view, 20> SpanishTzolkinGloss = {
    "Cocodrilo", "Viento",   "Noche",  "Maíz maduro", "Serpiente", "Muerte", "Venado",
    "Conejo",    "Agua",     "Perro",  "Mono",        "Hierba",    "Caña",   "Jaguar",
    "Águila",    "Zopilote", "Tierra", "Pedernal",    "Tormenta",  "Señor",
};

constexpr const std::array<std::string_view, 12>& MonthNames(Language language) {
    return language == Language::Spanish ? SpanishMonthName : MonthName;
}
constexpr const std::array<std::string_view, 7>& WeekDayNames(Language language) {
    return language == Language::Spanish ? SpanishWeekN : WeekN;
}
constexpr const std::array<std::string_view, 20>& TzolkinGlosses(Language language) {
    return language == Language::Spanish ? SpanishTzolkinGloss : TzolkinGloss;
}

inline constexpr std::array<std::string_view, 19> HaabMonth = {
    "Pop", "Uo",  "Zip", "Zotz",   "Tzec", "Xul", "Yaxkin", "Mol",   "Chen",  "Yax",
    "Zac", "Ceh", "Mac", "Kankin", "Muan", "Pax", "Kayab",  "Cumku", "Uayeb",
};

// The names as epigraphers write them today; the program's own stay the
// default wherever its texts are fixed.
inline constexpr std::array<std::string_view, 20> ModernTzolkinSign = {
    "Imix",   "Ik'", "Ak'bal", "K'an", "Chikchan", "Kimi", "Manik'", "Lamat",   "Muluk", "Ok",
    "Chuwen", "Eb",  "Ben",    "Ix",   "Men",      "Kib",  "Kaban",  "Etz'nab", "Kawak", "Ajaw",
};
inline constexpr std::array<std::string_view, 19> ModernHaabMonth = {
    "Pop",  "Wo",  "Sip", "Sotz'",    "Sek",   "Xul", "Yaxk'in", "Mol",    "Ch'en", "Yax",
    "Sak'", "Keh", "Mak", "K'ank'in", "Muwan", "Pax", "K'ayab",  "Kumk'u", "Wayeb",
};

// The world's quarters from the east, as the day signs take them, and the
// colour of each.
inline constexpr std::array<std::string_view, 4> QuarterName = {"east", "north", "west", "south"};
inline constexpr std::array<std::string_view, 4> QuarterColour = {"red", "white", "black",
                                                                  "yellow"};
inline constexpr std::array<std::string_view, 4> SpanishQuarterName = {"oriente", "norte",
                                                                       "poniente", "sur"};
inline constexpr std::array<std::string_view, 4> SpanishQuarterColour = {"rojo", "blanco", "negro",
                                                                         "amarillo"};

// The patrons the introductory glyph of an Initial Series names for its
// month, where the source names them (J. E. S. Thompson, Maya Hieroglyphic
// Writing, 1950, p. 153: 13 Yax and 8 Chen); empty for the others.
inline constexpr std::array<std::string_view, 19> IntroductoryPatron = {
    "", "", "", "", "", "", "", "", "the moon goddess", "the planet Venus", "",
    "", "", "", "", "", "", "", "",
};
inline constexpr std::array<std::string_view, 19> SpanishIntroductoryPatron = {
    "", "", "", "", "", "", "", "", "la diosa lunar", "el planeta Venus", "",
    "", "", "", "", "", "", "", "",
};

enum class Spelling { Colonial, Modern };

constexpr std::string_view SignName(int sign, Spelling spelling) {
    return (spelling == Spelling::Modern ? ModernTzolkinSign : TzolkinSign)[sign - 1];
}
constexpr std::string_view MonthNameOf(int month, Spelling spelling) {
    return (spelling == Spelling::Modern ? ModernHaabMonth : HaabMonth)[month - 1];
}
constexpr std::string_view IntroductoryPatronOf(int month, Language language = Language::English) {
    return (language == Language::Spanish
                ? SpanishIntroductoryPatron
                : IntroductoryPatron)[static_cast<std::size_t>(month - 1)];
}

namespace detail {
// The calculator's day-sign texts: sign, blanks, the gloss in parentheses.
// In English, from Muluc on the sign is followed by two blanks: the texts are
// the program's own and are kept exactly. Spanish has one blank throughout.
struct DayNameTexts {
    static constexpr std::size_t Width = 24;
    char text[20][Width]{};
    std::uint8_t size[20]{};

    constexpr explicit DayNameTexts(Language language) {
        for (std::size_t i = 0; i < 20; ++i) {
            std::size_t n = 0;
            const auto add = [&](std::string_view part) {
                for (char c : part)
                    text[i][n++] = c;
            };
            add(TzolkinSign[i]);
            add(i < 8 || language == Language::Spanish ? " (" : "  (");
            add(TzolkinGlosses(language)[i]);
            add(")");
            size[i] = static_cast<std::uint8_t>(n);
        }
    }
};
inline constexpr DayNameTexts DayNameStore{Language::English};
inline constexpr DayNameTexts SpanishDayNameStore{Language::Spanish};

constexpr std::array<std::string_view, 20> dayNameViews(const DayNameTexts& store) {
    std::array<std::string_view, 20> views{};
    for (std::size_t i = 0; i < 20; ++i)
        views[i] = {store.text[i], store.size[i]};
    return views;
}
} // namespace detail

// "Imix (Alligator)" to "Ahau  (Light, Lord)": the sign of the calculator's
// Tzolkin reading.
inline constexpr std::array<std::string_view, 20> DayName =
    detail::dayNameViews(detail::DayNameStore);
// "Imix (Cocodrilo)" to "Ahau (Señor)".
inline constexpr std::array<std::string_view, 20> SpanishDayName =
    detail::dayNameViews(detail::SpanishDayNameStore);

constexpr const std::array<std::string_view, 20>& DayNames(Language language) {
    return language == Language::Spanish ? SpanishDayName : DayName;
}

} // namespace zentolk
