#pragma once

#include "viewer/hhctrl.h"

namespace zentolk::help {

// The viewer library as the help kit loaded it: every call goes through the
// generic entry, which is the narrow-text entry resolved a second time.
struct ViewerLibraryState {
    void* handle = nullptr;
    HtmlHelpAFunction HtmlHelpA = nullptr;
    HtmlHelpWFunction HtmlHelpW = nullptr;
    HtmlHelpAFunction HtmlHelp = nullptr;
};

} // namespace zentolk::help
