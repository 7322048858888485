#include "help/FileVersion.h"

namespace zentolk::help {

std::string VersionText(const VersionNumber& version) {
    return std::to_string(version.Major) + '.' + std::to_string(version.Minor) + '.' +
           std::to_string(version.Release) + '.' + std::to_string(version.Build);
}

FileVersion ReadFileVersion(platform::Os& os, const std::string& file) {
    FileVersion version;
    if (file.empty() || !os.FileExists(file))
        return version;
    const auto info = os.ReadVersionNote(file);
    if (!info)
        return version;
    version.number.Major = static_cast<std::uint16_t>(info->fileVersionMS >> 16);
    version.number.Minor = static_cast<std::uint16_t>(info->fileVersionMS & 0xFFFF);
    version.number.Release = static_cast<std::uint16_t>(info->fileVersionLS >> 16);
    version.number.Build = static_cast<std::uint16_t>(info->fileVersionLS & 0xFFFF);
    version.text = VersionText(version.number);
    return version;
}

} // namespace zentolk::help
