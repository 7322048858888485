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

// The viewer library as loaded at kit start-up: every call goes through the
// generic entry, which is the narrow-text entry resolved a second time.
struct ViewerLibraryState {
    void* handle = nullptr;
    HtmlHelpEntry HtmlHelpA = nullptr;
    HtmlHelpWideEntry HtmlHelpW = nullptr;
    HtmlHelpEntry HtmlHelp = nullptr;
};

const ViewerLibraryState& ViewerLibrary();

// Loads the viewer library by its bare name, else from its registered path;
// does nothing when it is loaded already. A failure shows and traces nothing.
void LoadViewerLibrary();
// Releases the library and clears its entries.
void UnloadViewerLibrary();
// Closes every help window the program opened, while the library is loaded.
void CloseAllHelpWindows();

} // namespace zentolk::help
