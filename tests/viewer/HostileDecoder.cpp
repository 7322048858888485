// A decoder that answers every question as the protocol allows, but with a
// list of pages made of 64 MiB of line ends: what a compromised decoder may
// send to make the program allocate.
#include "viewer/decoder/Protocol.h"
#include "viewer/decoder/Transfer.h"

#include <string>
#include <unistd.h>

using namespace zentolk::viewer::decoder;

namespace {
bool Move(int fd, char* bytes, std::size_t size, bool out) {
    return TransferAll(
        bytes, size,
        [fd, out](char* at, std::size_t left) {
            return out ? write(fd, at, left) : read(fd, at, left);
        },
        [] { return true; });
}

bool Answer(char kind, const std::string& data) {
    unsigned char header[HeaderSize];
    PutHeader(header, kind, static_cast<std::uint32_t>(data.size()));
    std::string message(reinterpret_cast<const char*>(header), HeaderSize);
    message += data;
    return Move(STDOUT_FILENO, message.data(), message.size(), true);
}
} // namespace

int main() {
    for (;;) {
        unsigned char header[HeaderSize];
        std::string question;
        if (!Move(STDIN_FILENO, reinterpret_cast<char*>(header), HeaderSize, false))
            return 0;
        question.resize(HeaderLength(header));
        if (!Move(STDIN_FILENO, question.data(), question.size(), false))
            return 0;
        const char kind = static_cast<char>(header[0]);
        // An empty system record; a list past every bound.
        const bool answered = kind == OpenQuestion   ? Answer(YesAnswer, {})
                              : kind == ReadQuestion ? Answer(YesAnswer, std::string("\3\0\0\0", 4))
                              : kind == ListQuestion
                                  ? Answer(YesAnswer, std::string(LargestObject, '\n'))
                                  : Answer(NoAnswer, {});
        if (!answered)
            return 0;
    }
}
