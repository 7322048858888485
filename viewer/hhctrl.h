#pragma once

// The entries of the help viewer library libhhctrl.so, for code that loads it
// with dlopen and looks the entries up by these names.
#include <cstdint>

extern "C" {
// Each returns the help window (a QWidget*) or null. `caller` is not used:
// help windows belong to no other window.
using HtmlHelpAFunction = void* (*)(void* caller, const char* file, std::uint32_t command,
                                    std::uintptr_t data);
using HtmlHelpWFunction = void* (*)(void* caller, const char16_t* file, std::uint32_t command,
                                    std::uintptr_t data);
}

namespace zentolk::viewer {
inline constexpr std::uint32_t HH_DISPLAY_TOPIC = 0;
inline constexpr std::uint32_t HH_HELP_CONTEXT = 15;
inline constexpr std::uint32_t HH_CLOSE_ALL = 18;
} // namespace zentolk::viewer
