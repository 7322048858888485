#include "help/Environment.h"

#include "help/ControlFiles.h"
#include "help/FileVersion.h"
#include "help/PathText.h"
#include "platform/System.h"

namespace zentolk::help {

namespace {
EnvironmentValues values;
} // namespace

const EnvironmentValues& Environment() {
    return values;
}

void DetectModuleValues() {
    auto& system = platform::CurrentSystem();
    values.ModulePath = system.ModulePath();
    values.ModuleDir = WithoutTrailingSeparators(DirectoryPart(values.ModulePath));
    values.ModuleName = FileNamePart(values.ModulePath);
    // Started by name through the search path, the command line holds no
    // folder: the program's own stands in.
    const auto arguments = system.Arguments();
    const std::string started = arguments.empty() ? std::string() : arguments[0];
    values.RunDir = started.find(kPathSeparator) != std::string::npos
                        ? WithoutTrailingSeparators(DirectoryPart(started))
                        : values.ModuleDir;
}

void DetectVersionValues() {
    values.hhVerStr = ReadFileVersion(ResolveViewerControlPath()).text;
    values.hhInstalled = !values.hhVerStr.empty();
    values.hhFriendlyVerStr = ViewerFriendlyVersion();
    values.ieVerStr = ReadBrowserVersion().text;
    values.ieInstalled = !values.ieVerStr.empty();
    values.ieFriendlyVerStr = BrowserFriendlyVersion();
}

void ClearEnvironment() {
    values = EnvironmentValues{};
}

} // namespace zentolk::help
