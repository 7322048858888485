#include "help/LogPlace.h"

#include "help/PathText.h"

#include <cctype>

namespace zentolk::help {

namespace {
// Enough other names to get past stray leftovers; a folder that has them
// all is treated as not writable.
constexpr int AlternativeProbes = 99;
} // namespace

bool IsDirectoryWritable(platform::Os& os, const std::string& directory) {
    const std::string folder = WithoutTrailingSeparators(directory) + PathSeparator;
    std::string probe = folder + ProbeFile;
    auto result = os.CreateExclusive(probe);
    for (int n = 1; result == platform::CreateResult::NameTaken && n <= AlternativeProbes; ++n) {
        probe = folder + "$_Temp_$" + std::to_string(n) + ".$$$";
        result = os.CreateExclusive(probe);
    }
    if (result != platform::CreateResult::Created)
        return false;
    os.DeleteFile(probe);
    return true;
}

std::string TempDirectory(platform::Os& os) {
    return WithoutTrailingSeparators(os.TemporaryDirectory());
}

bool IsDebugSwitchArgument(const std::string& argument) {
    constexpr std::string_view SwitchName = "debug";
    if (argument.size() != SwitchName.size() + 1 || (argument[0] != '/' && argument[0] != '-'))
        return false;
    for (std::size_t i = 0; i < SwitchName.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(argument[i + 1])) != SwitchName[i])
            return false;
    }
    return true;
}

std::string ChooseLogDirectory(platform::Os& os, const std::string& moduleDir) {
    return IsDirectoryWritable(os, moduleDir) ? moduleDir : TempDirectory(os);
}

bool ReadDebugSwitch(platform::Os& os, const EnvironmentValues& environment) {
    if (os.FileExists(environment.ModuleDir + PathSeparator + DebugMarkerFile))
        return true;
    const auto& arguments = environment.Arguments;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (IsDebugSwitchArgument(arguments[i]))
            return true;
    }
    return false;
}

} // namespace zentolk::help
