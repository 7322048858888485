#pragma once

#include <cstdint>

namespace zentolk::help {

// The help viewer's entry: (caller window, file, command, data) -> window.
using HtmlHelpEntry = void* (*)(void* caller, const char* file, std::uint32_t command,
                                std::uintptr_t data);
using HtmlHelpWideEntry = void* (*)(void* caller, const char16_t* file, std::uint32_t command,
                                    std::uintptr_t data);

inline constexpr std::uint32_t HH_DISPLAY_TOPIC = 0;
inline constexpr std::uint32_t HH_HELP_CONTEXT = 15;
inline constexpr std::uint32_t HH_CLOSE_ALL = 18;

// The viewer library as the help kit loaded it: every call goes through the
// generic entry, which is the narrow-text entry resolved a second time.
struct ViewerLibraryState {
    void* handle = nullptr;
    HtmlHelpEntry HtmlHelpA = nullptr;
    HtmlHelpWideEntry HtmlHelpW = nullptr;
    HtmlHelpEntry HtmlHelp = nullptr;
};

} // namespace zentolk::help
