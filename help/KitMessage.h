#pragma once

#include "platform/Os.h"

#include <string>

namespace zentolk::help {

// Message box styles and the answer of its one button, as the kit's callers
// know them.
inline constexpr unsigned MbOk = 0x00;
inline constexpr unsigned MbIconHand = 0x10;
inline constexpr unsigned MbIconExclamation = 0x30;
inline constexpr unsigned MbIconAsterisk = 0x40;
inline constexpr int IdOk = 1;

// The kit's modal message box, captioned with the application's title and
// owned by no window. Returns the button pressed.
int ShowKitMessage(platform::Os& os, const std::string& text, unsigned style) noexcept;

} // namespace zentolk::help
