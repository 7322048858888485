#include "platform/NewFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zentolk::platform {

int CreateNewFile(const std::string& path, std::string& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        error = errno == EEXIST ? path + " exists already and is left as it is"
                                : path + ": " + std::strerror(errno);
    return fd;
}

bool CloseFile(int fd) {
    return ::close(fd) == 0;
}

} // namespace zentolk::platform
