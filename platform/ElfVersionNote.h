#pragma once

#include "System.h"

#include <optional>
#include <string>

namespace zentolk::platform {

// The name and type under which the build stamps a file's version.
inline constexpr char kVersionNoteOwner[] = "Zentolk";
inline constexpr std::uint32_t kVersionNoteType = 1;
inline constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;

// The file version from the version note of an ELF file, found through its
// program headers. Nothing for a file that is not ELF, has no such note, or
// is cut short.
std::optional<FixedFileVersion> ReadElfVersionNote(const std::string& path);

} // namespace zentolk::platform
