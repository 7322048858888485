#pragma once

#include "platform/Os.h"

#include <compare>
#include <cstdint>
#include <string>

namespace zentolk::help {

struct VersionNumber {
    std::uint16_t Major = 0;
    std::uint16_t Minor = 0;
    std::uint16_t Release = 0;
    std::uint16_t Build = 0;

    // Part by part, from Major to Build, as unsigned numbers.
    friend auto operator<=>(const VersionNumber&, const VersionNumber&) = default;
};

// A file's version: its four numbers, and their text ("5.2.3790.2847"),
// empty when the file has no version.
struct FileVersion {
    VersionNumber number;
    std::string text;
};

// The four numbers joined by ".".
std::string VersionText(const VersionNumber& version);

// The version stamped into a file; all zero and empty text for a missing
// file or one without a version.
FileVersion ReadFileVersion(platform::Os& os, const std::string& file);

} // namespace zentolk::help
