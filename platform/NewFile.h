#pragma once

#include <string>

namespace zentolk::platform {

// Opens a file for writing that must not exist yet, so that nothing the user
// already has is overwritten. Returns the descriptor, or -1 with why in error.
int CreateNewFile(const std::string& path, std::string& error);

// Closes a descriptor from CreateNewFile; false when the data may be lost.
bool CloseFile(int fd);

} // namespace zentolk::platform
