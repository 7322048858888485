#pragma once

#include "help/FileVersion.h"

#include <string>

namespace zentolk::help {

// The help viewer's release name for its control file's version; empty for
// a file without a version.
std::string ViewerReleaseName(const FileVersion& version);

// The browser control's release name for its (adjusted) version; empty for
// a file without a version.
std::string BrowserReleaseName(const FileVersion& version);

} // namespace zentolk::help
