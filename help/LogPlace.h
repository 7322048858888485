#pragma once

#include "help/Environment.h"
#include "platform/Os.h"

#include <string>

namespace zentolk::help {

inline constexpr char DebugMarkerFile[] = "debug.debug";
inline constexpr char ProbeFile[] = "$_Temp_$.$$$";

// Whether a file can be created in the folder. The probe is a file of its
// own making, created only where no file of that name exists and then
// deleted; a file already there is never opened or removed.
bool IsDirectoryWritable(platform::Os& os, const std::string& directory);

// The folder for temporary files (the root folder when there is none),
// without a trailing separator.
std::string TempDirectory(platform::Os& os);

// "/debug" or "-debug" in any letter case.
bool IsDebugSwitchArgument(const std::string& argument);

// The log's folder: the program's folder when it is writable, else the
// temporary folder.
std::string ChooseLogDirectory(platform::Os& os, const std::string& moduleDir);

// The marker file beside the program, or a debug switch among the arguments
// after the program itself.
bool ReadDebugSwitch(platform::Os& os, const EnvironmentValues& environment);

} // namespace zentolk::help
