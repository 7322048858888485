#include "platform/ElfVersionNote.h"

#include <bit>
#include <cstddef>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zentolk::platform {

namespace {

// A version note is tiny; a larger note segment is not worth reading.
constexpr std::size_t MaxNoteSegment = 64 * 1024;
constexpr std::size_t MaxProgramHeaders = 4096;

class File {
public:
    // Non-blocking, so a pipe at the name cannot stall the program.
    explicit File(const std::string& path)
        : fd_(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
        struct stat info {};
        if (fd_ >= 0 && (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))) {
            close(fd_);
            fd_ = -1;
        }
    }
    ~File() {
        if (fd_ >= 0)
            close(fd_);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    std::uint64_t Size() const {
        struct stat info {};
        return fd_ >= 0 && fstat(fd_, &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
    }

    // Reads exactly size bytes at offset; false when the file is shorter.
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const {
        auto* bytes = static_cast<char*>(buffer);
        while (size > 0) {
            const ssize_t got = pread(fd_, bytes, size, static_cast<off_t>(offset));
            if (got <= 0)
                return false;
            bytes += got;
            size -= static_cast<std::size_t>(got);
            offset += static_cast<std::uint64_t>(got);
        }
        return true;
    }

private:
    int fd_;
};

std::uint32_t Word(const unsigned char* p) {
    std::uint32_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

std::optional<FixedFileVersion> FindInNotes(const std::vector<unsigned char>& notes,
                                            std::size_t alignment) {
    const auto align = [alignment](std::size_t n) {
        return (n + alignment - 1) / alignment * alignment;
    };
    constexpr std::size_t OwnerSize = sizeof VersionNoteOwner;
    std::size_t at = 0;
    while (notes.size() - at >= 12) {
        const std::size_t nameSize = Word(&notes[at]);
        const std::size_t descSize = Word(&notes[at + 4]);
        const std::uint32_t type = Word(&notes[at + 8]);
        const std::size_t nameAt = at + 12;
        if (nameSize > notes.size() - nameAt)
            return std::nullopt;
        const std::size_t descAt = nameAt + align(nameSize);
        if (descAt > notes.size() || descSize > notes.size() - descAt)
            return std::nullopt;
        if (type == VersionNoteType && nameSize == OwnerSize &&
            std::memcmp(&notes[nameAt], VersionNoteOwner, OwnerSize) == 0 && descSize >= 16 &&
            Word(&notes[descAt]) == FixedFileInfoSignature) {
            return FixedFileVersion{Word(&notes[descAt + 8]), Word(&notes[descAt + 12])};
        }
        at = descAt + align(descSize);
        if (at >= notes.size())
            break;
    }
    return std::nullopt;
}

template <typename Ehdr, typename Phdr>
std::optional<FixedFileVersion> ReadWithClass(const File& file) {
    Ehdr header;
    if (!file.ReadAt(0, &header, sizeof header))
        return std::nullopt;
    if (header.e_phentsize != sizeof(Phdr) || header.e_phnum == 0 ||
        header.e_phnum > MaxProgramHeaders)
        return std::nullopt;
    for (std::size_t i = 0; i < header.e_phnum; ++i) {
        Phdr program;
        if (!file.ReadAt(header.e_phoff + i * sizeof(Phdr), &program, sizeof program))
            return std::nullopt;
        if (program.p_type != PT_NOTE || program.p_filesz == 0 || program.p_filesz > MaxNoteSegment)
            continue;
        std::vector<unsigned char> notes(program.p_filesz);
        if (!file.ReadAt(program.p_offset, notes.data(), notes.size()))
            continue;
        // Notes are padded to four bytes, or to eight in an eight-aligned segment.
        const std::size_t alignment = program.p_align == 8 ? 8 : 4;
        if (auto version = FindInNotes(notes, alignment))
            return version;
    }
    return std::nullopt;
}

// A range of `size` bytes at `offset` inside a file of `fileSize` bytes.
bool Within(std::uint64_t offset, std::uint64_t size, std::uint64_t fileSize) {
    return offset <= fileSize && size <= fileSize - offset;
}

template <typename Ehdr, typename Phdr>
bool IsWholeWithClass(const File& file, Elf64_Half machine) {
    const std::uint64_t size = file.Size();
    Ehdr header;
    if (!file.ReadAt(0, &header, sizeof header) || header.e_machine != machine ||
        (header.e_type != ET_DYN && header.e_type != ET_EXEC) ||
        header.e_phentsize != sizeof(Phdr) || header.e_phnum == 0 ||
        header.e_phnum > MaxProgramHeaders ||
        !Within(header.e_phoff, std::uint64_t(header.e_phnum) * sizeof(Phdr), size))
        return false;
    for (std::size_t i = 0; i < header.e_phnum; ++i) {
        Phdr program;
        if (!file.ReadAt(header.e_phoff + i * sizeof(Phdr), &program, sizeof program))
            return false;
        if (program.p_type == PT_LOAD && !Within(program.p_offset, program.p_filesz, size))
            return false;
    }
    return true;
}

} // namespace

bool IsWholeElfFile(const std::string& path) {
    const File file(path);
    unsigned char ident[EI_NIDENT];
    if (!file.IsOpen() || !file.ReadAt(0, ident, sizeof ident) ||
        std::memcmp(ident, ELFMAG, SELFMAG) != 0)
        return false;
    const unsigned char nativeOrder =
        std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB;
    if (ident[EI_DATA] != nativeOrder)
        return false;
    // Only a library built for this machine can be loaded at all; the own
    // program's header says which that is.
    Elf64_Half machine = 0;
    const File self("/proc/self/exe");
    if (!self.ReadAt(offsetof(Elf64_Ehdr, e_machine), &machine, sizeof machine))
        return false;
    static_assert(offsetof(Elf64_Ehdr, e_machine) == offsetof(Elf32_Ehdr, e_machine));
    if (ident[EI_CLASS] == ELFCLASS64 && sizeof(void*) == 8)
        return IsWholeWithClass<Elf64_Ehdr, Elf64_Phdr>(file, machine);
    if (ident[EI_CLASS] == ELFCLASS32 && sizeof(void*) == 4)
        return IsWholeWithClass<Elf32_Ehdr, Elf32_Phdr>(file, machine);
    return false;
}

std::optional<FixedFileVersion> ReadElfVersionNote(const std::string& path) {
    // A library the loader would refuse is no viewer, whatever its note says.
    if (!IsWholeElfFile(path))
        return std::nullopt;
    const File file(path);
    if (!file.IsOpen())
        return std::nullopt;
    unsigned char ident[EI_NIDENT];
    if (!file.ReadAt(0, ident, sizeof ident) || std::memcmp(ident, ELFMAG, SELFMAG) != 0)
        return std::nullopt;
    // Only files in this machine's byte order can be our own.
    const unsigned char nativeOrder =
        std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB;
    if (ident[EI_DATA] != nativeOrder)
        return std::nullopt;
    if (ident[EI_CLASS] == ELFCLASS64)
        return ReadWithClass<Elf64_Ehdr, Elf64_Phdr>(file);
    if (ident[EI_CLASS] == ELFCLASS32)
        return ReadWithClass<Elf32_Ehdr, Elf32_Phdr>(file);
    return std::nullopt;
}

} // namespace zentolk::platform
