#include "help/LogPlace.h"

#include "help/Environment.h"
#include "help/PathText.h"
#include "platform/System.h"

#include <cctype>

namespace zentolk::help {

namespace {

std::string logDirectory;
bool debugSwitch = false;

// Enough other names to get past stray leftovers; a folder that has them
// all is treated as not writable.
constexpr int kAlternativeProbes = 99;

} // namespace

bool IsDirectoryWritable(const std::string& directory) {
    auto& system = platform::CurrentSystem();
    const std::string folder = WithoutTrailingSeparators(directory) + kPathSeparator;
    std::string probe = folder + kProbeFile;
    auto result = system.CreateExclusive(probe);
    for (int n = 1; result == platform::CreateResult::NameTaken && n <= kAlternativeProbes; ++n) {
        probe = folder + "$_Temp_$" + std::to_string(n) + ".$$$";
        result = system.CreateExclusive(probe);
    }
    if (result != platform::CreateResult::Created)
        return false;
    system.DeleteFile(probe);
    return true;
}

std::string TempDirectory() {
    return WithoutTrailingSeparators(platform::CurrentSystem().TemporaryDirectory());
}

bool IsDebugSwitchArgument(const std::string& argument) {
    constexpr std::string_view kWord = "debug";
    if (argument.size() != kWord.size() + 1 || (argument[0] != '/' && argument[0] != '-'))
        return false;
    for (std::size_t i = 0; i < kWord.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(argument[i + 1])) != kWord[i])
            return false;
    }
    return true;
}

void ChooseLogDirectory() {
    const std::string& moduleDir = Environment().ModuleDir;
    logDirectory = IsDirectoryWritable(moduleDir) ? moduleDir : TempDirectory();
}

const std::string& LogDirectory() {
    return logDirectory;
}

void ReadDebugSwitch() {
    auto& system = platform::CurrentSystem();
    debugSwitch = system.FileExists(Environment().ModuleDir + kPathSeparator + kDebugMarkerFile);
    if (debugSwitch)
        return;
    const auto arguments = system.Arguments();
    for (std::size_t i = 1; i < arguments.size() && !debugSwitch; ++i)
        debugSwitch = IsDebugSwitchArgument(arguments[i]);
}

bool DebugSwitch() {
    return debugSwitch;
}

void ClearLogPlace() {
    logDirectory.clear();
    debugSwitch = false;
}

} // namespace zentolk::help
