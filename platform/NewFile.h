#pragma once

#include <string>

namespace zentolk::platform {

// A new file being written: the data goes to a temporary file in the same
// folder, and reaches the file's name only when it is complete, so that a
// failed write leaves nothing behind and nothing the user already has is
// overwritten.
struct NewFile {
    int fd = -1;
    std::string path;
    std::string temporary;
};

// Starts a file at `path`, which must not exist yet. Its descriptor is
// `fd`; -1 with why in error.
NewFile CreateNewFile(const std::string& path, std::string& error);

// Ends the file: when `complete`, puts it at its path (unless a file has
// come there meanwhile, which is left as it is), else removes it. False with
// why in error when the file is not in place.
bool FinishNewFile(NewFile& file, bool complete, std::string& error);

} // namespace zentolk::platform
