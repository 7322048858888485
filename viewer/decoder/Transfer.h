#pragma once

// Moving a whole message through a descriptor, for both ends of the
// conversation: the viewer waits on a deadline and never blocks, the decoder
// blocks.
#include <cerrno>
#include <cstddef>
#include <sys/types.h>

namespace zentolk::viewer::decoder {

// Moves exactly `size` bytes in as many steps as it takes. `step(bytes, left)`
// moves some and returns how many, or -1 with errno set; an interrupted or
// would-block step is tried again. `ready()` is asked before every step and
// gives up by returning false. False when the other end closed or failed
// before every byte moved.
template <class Byte, class Step, class Ready>
bool TransferAll(Byte* bytes, std::size_t size, Step step, Ready ready) {
    while (size > 0) {
        if (!ready())
            return false;
        const ssize_t moved = step(bytes, size);
        if (moved < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (moved <= 0)
            return false;
        bytes += moved;
        size -= static_cast<std::size_t>(moved);
    }
    return true;
}

} // namespace zentolk::viewer::decoder
