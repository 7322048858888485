#pragma once

#include "help/FileVersion.h"
#include "platform/Os.h"

#include <string>

namespace zentolk::help {

// The help viewer's library file in the program's private library folder.
inline constexpr char ViewerControlFile[] = "libhhctrl.so";
// The browser control; no such file exists on this platform, so it reads as
// not installed.
inline constexpr char BrowserControlFile[] = "Shdocvw.dll";

// The program's private library folder and its data folder, without a
// trailing separator.
std::string PrivateLibraryDirectory(platform::Os& os);
std::string DataDirectory(platform::Os& os);

// A path that starts with the SystemRoot variable (in any letter case) with
// the data folder put in its place; any other path unchanged.
std::string ExpandSystemRootPrefix(platform::Os& os, const std::string& path);

// The viewer control library: its registered path when the machine records
// one and it names an existing file, else its place in the private library
// folder.
std::string ResolveViewerControlPath(platform::Os& os);

// The browser control's version. Early releases stored their build number in
// the release place; it is moved back so the release names line up.
FileVersion ReadBrowserVersion(platform::Os& os);

// Release names for the log header; empty when the file has no version.
std::string ViewerFriendlyVersion(platform::Os& os);
std::string BrowserFriendlyVersion(platform::Os& os);

} // namespace zentolk::help
