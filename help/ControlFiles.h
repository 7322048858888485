#pragma once

#include "help/FileVersion.h"

#include <string>

namespace zentolk::help {

// Where the help viewer's control library registers itself, and the file
// name it has in the program's private library folder.
inline constexpr char kViewerControlKey[] =
    "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
inline constexpr char kViewerControlFile[] = "libhhctrl.so";
// The browser control; no such file exists on this platform, so it reads as
// not installed.
inline constexpr char kBrowserControlFile[] = "Shdocvw.dll";

// The program's private library folder and its data folder, without a
// trailing separator.
std::string PrivateLibraryDirectory();
std::string DataDirectory();

// A path that starts with the SystemRoot variable (in any letter case) with
// the data folder put in its place; any other path unchanged.
std::string ExpandSystemRootPrefix(const std::string& path);

// The viewer control library: its registered path when that names an
// existing file, else its place in the private library folder.
std::string ResolveViewerControlPath();

// The browser control's version. Early releases stored their build number in
// the release place; it is moved back so the release names line up.
FileVersion ReadBrowserVersion();

// Release names for the log header; empty when the file has no version.
std::string ViewerFriendlyVersion();
std::string BrowserFriendlyVersion();

} // namespace zentolk::help
