#pragma once

#include "FixedText.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zentolk {

// The 20 day signs, index 0 on the Tzolkin base day. Signs 8 to 19 carry two
// blanks before "(": the texts are the program's own and are kept exactly.
inline constexpr std::array<std::string_view, 20> DayName = {
    "Imix (Alligator)",   "Ik (Wind)",       "Akbal (Night, House)", "Kan (Seed, Lizard)",
    "Chicchan (Serpent)", "Cimi (Death)",    "Manik (Deer, Hand)",   "Lamat (Rabbit, Star)",
    "Muluc  (Water)",     "Oc  (Dog)",       "Chuen  (Monkey)",      "Eb  (The Road)",
    "Ben  (Reed)",        "Ix  (Jaguar)",    "Men  (Eagle)",         "Cib  (Vulture)",
    "Caban  (Earth)",     "Edznab  (Flint)", "Cauac  (Rainstorm)",   "Ahau  (Light, Lord)",
};

inline constexpr std::array<std::string_view, 7> WeekN = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
};

inline constexpr std::int32_t TzolkinBase = 583864; // 1 Imix
inline constexpr std::int32_t WeekBase = 583862;    // a Sunday

// Tzolkin number (1 to 13), two blanks, day sign. The day number must be at
// least INT32_MIN + TzolkinBase, which every day with a day count satisfies.
void AppendTzolkin(FixedText& out, std::int32_t dayNumber);
void AppendWeekDay(FixedText& out, std::int32_t dayNumber);

} // namespace zentolk
