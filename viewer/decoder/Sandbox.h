#pragma once

// What the decoding process does to itself before it reads a byte of the
// help file: it opens that one file, then gives up everything it does not
// need to decode it and answer over its standard input and output.

namespace zentolk::viewer::decoder {

// Opens `path` for reading (or takes descriptor 3, when open, for it) and installs a system-call
// filter (with no_new_privs) under which the process can read its questions and the file, write its
// answers, manage its memory and end, and nothing else: opening any file, sockets, new processes,
// exec, tracing and signals to other processes all fail with EPERM. The file's descriptor, or -1
// when it cannot be opened; the filter is in place either way. False in `confined` when the filter
// could not be installed, and then the process must not go on.
int OpenConfined(const char* path, bool& confined);

// chmlib opens the file by name, which the filter forbids: its one call to
// open() is handed the descriptor opened before the filter.
void HandOver(const char* path, int fd);

} // namespace zentolk::viewer::decoder
