#include "platform/NewFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zentolk::platform {

namespace {
// Moves `from` to `to` unless `to` exists; a link then an unlink where the
// file system cannot rename without replacing.
int RenameWithoutReplacing(const char* from, const char* to) {
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    if (link(from, to) != 0)
        return -1;
    unlink(from);
    return 0;
}
} // namespace

NewFile CreateNewFile(const std::string& path, NewFileProblem& problem) {
    NewFile file;
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0) {
        problem = {NewFileProblem::Exists};
        return file;
    }
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = folder + "." + name + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        problem = {NewFileProblem::System, errno};
        return file;
    }
    // What opening the file itself would have given it.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    file.fd = fd;
    file.path = path;
    file.temporary = std::move(temporary);
    return file;
}

bool FinishNewFile(NewFile& file, bool complete, NewFileProblem& problem) {
    const bool closed = file.fd < 0 || close(file.fd) == 0;
    file.fd = -1;
    if (file.temporary.empty())
        return false;
    bool placed = false;
    if (!complete || !closed) {
        problem = {NewFileProblem::Incomplete};
    } else if (RenameWithoutReplacing(file.temporary.c_str(), file.path.c_str()) == 0) {
        placed = true;
    } else {
        problem = errno == EEXIST ? NewFileProblem{NewFileProblem::Exists}
                                  : NewFileProblem{NewFileProblem::System, errno};
    }
    if (!placed)
        unlink(file.temporary.c_str());
    file.temporary.clear();
    return placed;
}

} // namespace zentolk::platform
