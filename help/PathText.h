#pragma once

#include <string>

namespace zentolk::help {

// The separator wherever the kit forms a path.
inline constexpr char PathSeparator = '/';

// Everything up to and including the last separator; empty without one.
std::string DirectoryPart(const std::string& path);
// Everything after the last separator.
std::string FileNamePart(const std::string& path);
// The path without its trailing separators (so the root folder becomes "").
std::string WithoutTrailingSeparators(std::string path);

} // namespace zentolk::help
