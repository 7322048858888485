#include "help/ControlFiles.h"

#include "help/PathText.h"
#include "help/ReleaseNames.h"
#include "platform/System.h"

#include <cctype>

namespace zentolk::help {

namespace {

bool EqualsIgnoringCase(const std::string& text, std::size_t at, std::string_view word) {
    if (text.size() < at + word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto a = static_cast<unsigned char>(text[at + i]);
        const auto b = static_cast<unsigned char>(word[i]);
        if (std::tolower(a) != std::tolower(b))
            return false;
    }
    return true;
}

} // namespace

std::string PrivateLibraryDirectory() {
    return WithoutTrailingSeparators(platform::CurrentSystem().PrivateLibraryDirectory());
}

std::string DataDirectory() {
    return WithoutTrailingSeparators(platform::CurrentSystem().DataDirectory());
}

std::string ExpandSystemRootPrefix(const std::string& path) {
    // "%SystemRoot%" is twelve characters; the separator after it is kept.
    if (path.size() < 12 || path[0] != '%' || path[11] != '%' ||
        !EqualsIgnoringCase(path, 1, "SystemRoot"))
        return path;
    return DataDirectory() + path.substr(12);
}

std::string ResolveViewerControlPath() {
    auto& system = platform::CurrentSystem();
    std::string path;
    if (const auto registered = system.ReadRegistryDefaultValue(kViewerControlKey)) {
        path = ExpandSystemRootPrefix(*registered);
        if (!path.empty() && !system.FileExists(path))
            path.clear();
    }
    if (path.empty())
        path = PrivateLibraryDirectory() + kPathSeparator + kViewerControlFile;
    return path;
}

FileVersion ReadBrowserVersion() {
    FileVersion version =
        ReadFileVersion(PrivateLibraryDirectory() + kPathSeparator + kBrowserControlFile);
    auto& number = version.number;
    if (number.Major == 4 && number.Minor <= 70 && number.Release == 0) {
        number.Release = number.Build;
        number.Build = 0;
        version.text = VersionText(number);
    }
    return version;
}

std::string ViewerFriendlyVersion() {
    return ViewerReleaseName(ReadFileVersion(ResolveViewerControlPath()));
}

std::string BrowserFriendlyVersion() {
    return BrowserReleaseName(ReadBrowserVersion());
}

} // namespace zentolk::help
