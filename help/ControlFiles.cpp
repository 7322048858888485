#include "help/ControlFiles.h"

#include "help/PathText.h"
#include "help/ReleaseNames.h"

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

std::string PrivateLibraryDirectory(platform::Os& os) {
    return WithoutTrailingSeparators(os.PrivateLibraryDirectory());
}

std::string DataDirectory(platform::Os& os) {
    return WithoutTrailingSeparators(os.DataDirectory());
}

std::string ExpandSystemRootPrefix(platform::Os& os, const std::string& path) {
    // "%SystemRoot%" is twelve characters; the separator after it is kept.
    if (path.size() < 12 || path[0] != '%' || path[11] != '%' ||
        !EqualsIgnoringCase(path, 1, "SystemRoot"))
        return path;
    return DataDirectory(os) + path.substr(12);
}

std::string ResolveViewerControlPath(platform::Os& os) {
    std::string path;
    if (const auto registered = os.RegisteredViewerLibrary()) {
        path = ExpandSystemRootPrefix(os, *registered);
        if (!path.empty() && !os.FileExists(path))
            path.clear();
    }
    if (path.empty())
        path = PrivateLibraryDirectory(os) + PathSeparator + ViewerControlFile;
    return path;
}

FileVersion ReadBrowserVersion(platform::Os& os) {
    FileVersion version =
        ReadFileVersion(os, PrivateLibraryDirectory(os) + PathSeparator + BrowserControlFile);
    auto& number = version.number;
    if (number.Major == 4 && number.Minor <= 70 && number.Release == 0) {
        number.Release = number.Build;
        number.Build = 0;
        version.text = VersionText(number);
    }
    return version;
}

std::string ViewerFriendlyVersion(platform::Os& os) {
    return ViewerReleaseName(ReadFileVersion(os, ResolveViewerControlPath(os)));
}

std::string BrowserFriendlyVersion(platform::Os& os) {
    return BrowserReleaseName(ReadBrowserVersion(os));
}

} // namespace zentolk::help
