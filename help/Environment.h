#pragma once

#include "platform/Os.h"

#include <string>
#include <vector>

namespace zentolk::help {

// Where the program runs and which help viewer and browser control the
// machine has, recorded once at kit start-up.
// The log header names each value with a leading "_" ("_ModuleDir").
struct EnvironmentValues {
    std::string ModulePath; // the running program's file
    std::string ModuleDir;  // its folder, no trailing separator
    std::string ModuleName; // its file name
    std::string RunDir;     // the folder of the program path it was started with
    std::string hhVerStr;   // the viewer control's version, or empty
    bool hhInstalled = false;
    std::string hhFriendlyVerStr;
    std::string ieVerStr; // the browser control's version, or empty
    bool ieInstalled = false;
    std::string ieFriendlyVerStr;
    // The arguments as the program received them, itself first; read once
    // for the run folder, the debug switch and the log header.
    std::vector<std::string> Arguments;
};

// The module values: path, folder and name of the program, its run folder
// and its arguments.
void DetectModuleValues(platform::Os& os, EnvironmentValues& values);
// The viewer and browser versions with their release names; _hhInstalled.
void DetectVersionValues(platform::Os& os, EnvironmentValues& values);

} // namespace zentolk::help
