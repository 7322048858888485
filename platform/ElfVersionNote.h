#pragma once

#include "platform/Os.h"

#include <optional>
#include <string>

namespace zentolk::platform {

// The name and type under which the build stamps a file's version.
inline constexpr char VersionNoteOwner[] = "Zentolk";
inline constexpr std::uint32_t VersionNoteType = 1;
inline constexpr std::uint32_t FixedFileInfoSignature = 0xFEEF04BD;

// The file version from the version note of an ELF file, found through its
// program headers. Nothing for a file that is not ELF, has no such note, or
// is cut short anywhere the loader would map (see IsWholeElfFile).
std::optional<FixedFileVersion> ReadElfVersionNote(const std::string& path);

// Whether the loader can map the file without reading past its end: a
// regular file (links followed) holding an ELF header of this machine's
// kind whose program headers, and every segment they load, lie within it.
// A truncated library would otherwise fault inside the loader, and a pipe
// at the name would block it.
bool IsWholeElfFile(const std::string& path);

} // namespace zentolk::platform
