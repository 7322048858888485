#pragma once

#include <QPalette>
#include <optional>
#include <string_view>

namespace zentolk {

// The colours the windows are drawn in: the desktop's own, or a light or
// dark set of the program's, so that either can be chosen without a theme.
enum class PaletteChoice { System, Light, Dark };

// "system", "light" or "dark"; anything else is none.
std::optional<PaletteChoice> ReadPaletteChoice(std::string_view word);

// The program's light or dark palette: every text, selection and disabled
// text in it reads at the readable contrast on the background it is drawn on.
QPalette ProgramPalette(PaletteChoice choice);

// Makes the choice the application's palette; System leaves the desktop's.
void ApplyPalette(PaletteChoice choice);

} // namespace zentolk
