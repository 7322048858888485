#pragma once

#include <string>

namespace zentolk::help {

inline constexpr char kDebugMarkerFile[] = "debug.debug";
inline constexpr char kProbeFile[] = "$_Temp_$.$$$";

// Whether a file can be created in the folder. The probe is a file of its
// own making, created only where no file of that name exists and then
// deleted; a file already there is never opened or removed.
bool IsDirectoryWritable(const std::string& directory);

// The folder for temporary files (the root folder when there is none),
// without a trailing separator.
std::string TempDirectory();

// "/debug" or "-debug" in any letter case.
bool IsDebugSwitchArgument(const std::string& argument);

// Chosen at kit start-up: the program's folder when it is writable, else the
// temporary folder.
void ChooseLogDirectory();
const std::string& LogDirectory();

// Read at kit start-up: the marker file beside the program, or a debug
// switch among the arguments after the program itself.
void ReadDebugSwitch();
bool DebugSwitch();

void ClearLogPlace();

} // namespace zentolk::help
