// chmlib opens the help file by name, which the decoder's filter forbids.
// This open() replaces the C library's for it (chmlib links against it by
// name) and hands over the descriptor opened before the filter, once.
// <fcntl.h> is left out: its fortified open() would clash with this one.
#include "viewer/decoder/Sandbox.h"

#include <cerrno>
#include <cstring>

namespace {
const char* handedPath = nullptr;
int handedFd = -1;
} // namespace

void zentolk::viewer::decoder::HandOver(const char* path, int fd) {
    handedPath = path;
    handedFd = fd;
}

extern "C" int open(const char* path, int flags, ...) {
    constexpr int AccessModes = 3; // O_ACCMODE; reading only is 0
    if (handedFd >= 0 && path != nullptr && handedPath != nullptr &&
        std::strcmp(path, handedPath) == 0 && (flags & AccessModes) == 0) {
        const int fd = handedFd;
        handedFd = -1;
        return fd;
    }
    errno = EPERM;
    return -1;
}
