#pragma once

#include "platform/Os.h"

namespace zentolk::platform {

// The operating system as the program meets it on Linux: the desktop through
// Qt (LinuxOsDesktop.cpp), files, folders, libraries, programs, the clock and
// the locale through the C library. There is no registry, so no viewer
// library is ever recorded as installed; versions come from the build's
// version note.
class LinuxOs : public Os {
public:
    void Beep() override;
    void ShowMessage(const std::string& caption, const std::string& text,
                     MessageKind kind) override;
    bool ClearClipboard() override;
    bool PutClipboardText(const std::string& text) override;
    bool PutClipboardPicture(const std::string& png, const std::string& svg) override;
    void OpenAddress(const std::string& address, std::function<void()> failed) override;

    LocalTime Now() override;
    LocaleFacts Locale() override;
    OperatingSystemInfo OperatingSystem() override;

    std::string ModulePath() override;
    std::vector<std::string> Arguments() override;
    std::string PrivateLibraryDirectory() override;
    std::string DataDirectory() override;
    std::string TemporaryDirectory() override;
    std::string CurrentDirectory() override;

    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool IsSymbolicLink(const std::string& path) override;
    CreateResult CreateExclusive(const std::string& path) override;
    bool DeleteFile(const std::string& path) override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    bool MakeOwnerWritable(const std::string& path) override;
    bool AppendLine(const std::string& path, const std::string& text) override;
    void WarnOnConsole(const std::string& text) override;
    std::optional<FixedFileVersion> ReadVersionNote(const std::string& path) override;

    std::optional<std::string> RegisteredViewerLibrary() override;
    void* LoadLibrary(const std::string& nameOrPath) override;
    void* FindSymbol(void* library, const std::string& name) override;
    void FreeLibrary(void* library) override;
};

// The distribution's PRETTY_NAME from the text of an os-release file, quotes
// and escapes removed; empty when it has none.
std::string PrettyNameFromOsRelease(const std::string& text);

// Major, minor and patch number from a kernel release such as "6.1.0-18-amd64".
void ParseKernelRelease(const std::string& release, int& major, int& minor, int& build);

} // namespace zentolk::platform
