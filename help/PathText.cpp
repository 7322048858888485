#include "help/PathText.h"

namespace zentolk::help {

std::string DirectoryPart(const std::string& path) {
    const auto last = path.rfind(PathSeparator);
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string FileNamePart(const std::string& path) {
    const auto last = path.rfind(PathSeparator);
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string WithoutTrailingSeparators(std::string path) {
    while (!path.empty() && path.back() == PathSeparator)
        path.pop_back();
    return path;
}

} // namespace zentolk::help
