#pragma once

// The interface of the help viewer library libhhctrl.so: its two entries, as
// the library defines them and as code that loads it with dlopen looks them
// up by name, and the commands they answer. Nothing here depends on how the
// viewer is made, so the help kit includes it without linking the viewer.
#include <cstdint>

extern "C" {
// Each returns the help window (a QWidget*) or null. `caller` is not used:
// help windows belong to no other window. The narrow file name is in the
// system's 8-bit encoding, as file names are.
void* HtmlHelpA(void* caller, const char* file, std::uint32_t command, std::uintptr_t data);
void* HtmlHelpW(void* caller, const char16_t* file, std::uint32_t command, std::uintptr_t data);

using HtmlHelpAFunction = decltype(&HtmlHelpA);
using HtmlHelpWFunction = decltype(&HtmlHelpW);
}

namespace zentolk::viewer {
inline constexpr std::uint32_t HH_DISPLAY_TOPIC = 0;
inline constexpr std::uint32_t HH_HELP_CONTEXT = 15;
inline constexpr std::uint32_t HH_CLOSE_ALL = 18;
} // namespace zentolk::viewer
