#pragma once

namespace zentolk {

class TFrmAlmanac;
class TFrmCalc;

// Gives the calculator its window menu with "Almanac..." (right button,
// Shift+F10, Menu key) and the key Ctrl+L; both open (or raise) the one
// Almanac window.
void InstallAlmanacMenu(TFrmCalc& calc);
// Opens the calculator's Almanac beside it, following its date, or raises
// the one open.
TFrmAlmanac* ShowAlmanac(TFrmCalc& calc);

} // namespace zentolk
