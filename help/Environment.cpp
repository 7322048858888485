#include "help/Environment.h"

#include "help/ControlFiles.h"
#include "help/FileVersion.h"
#include "help/PathText.h"

namespace zentolk::help {

void DetectModuleValues(platform::Os& os, EnvironmentValues& values) {
    values.ModulePath = os.ModulePath();
    values.ModuleDir = WithoutTrailingSeparators(DirectoryPart(values.ModulePath));
    values.ModuleName = FileNamePart(values.ModulePath);
    // Started by name through the search path, the command line holds no
    // folder: the program's own stands in.
    values.Arguments = os.Arguments();
    const auto& arguments = values.Arguments;
    const std::string started = arguments.empty() ? std::string() : arguments[0];
    values.RunDir = started.find(PathSeparator) != std::string::npos
                        ? WithoutTrailingSeparators(DirectoryPart(started))
                        : values.ModuleDir;
}

void DetectVersionValues(platform::Os& os, EnvironmentValues& values) {
    values.hhVerStr = ReadFileVersion(os, ResolveViewerControlPath(os)).text;
    values.hhInstalled = !values.hhVerStr.empty();
    values.hhFriendlyVerStr = ViewerFriendlyVersion(os);
    values.ieVerStr = ReadBrowserVersion(os).text;
    values.ieInstalled = !values.ieVerStr.empty();
    values.ieFriendlyVerStr = BrowserFriendlyVersion(os);
}

} // namespace zentolk::help
