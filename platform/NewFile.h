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

// Why a new file is not at its name; the caller words it in its language.
struct NewFileProblem {
    enum Kind { Ok, Exists, Incomplete, System } kind = Ok;
    int errnum = 0; // the system's error, for System
};

// Starts a file at `path`, which must not exist yet. Its descriptor is
// `fd`; -1 with why in problem.
NewFile CreateNewFile(const std::string& path, NewFileProblem& problem);

// Ends the file: when `complete`, puts it at its path (unless a file has
// come there meanwhile, which is left as it is), else removes it. False with
// why in problem when the file is not in place.
bool FinishNewFile(NewFile& file, bool complete, NewFileProblem& problem);

} // namespace zentolk::platform
