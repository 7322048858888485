#pragma once

#include "platform/System.h"

namespace zentolk::platform {

// The help kit's services on Linux. There is no registry, so no key is ever
// found; versions come from the build's version note.
class PosixSystem : public System {
public:
    std::optional<std::string> ReadRegistryDefaultValue(const std::string& key) override;
    std::optional<FixedFileVersion> ReadFileVersionInfo(const std::string& path) override;

    std::string ModulePath() override;
    std::vector<std::string> Arguments() override;
    std::string RawCommandLine() override;

    std::string PrivateLibraryDirectory() override;
    std::string DataDirectory() override;
    std::string TemporaryDirectory() override;
    std::string CurrentDirectory() override;

    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool IsSymbolicLink(const std::string& path) override;
    CreateResult CreateExclusive(const std::string& path) override;
    bool DeleteFile(const std::string& path) override;
    bool ClearAttributes(const std::string& path) override;
    bool AppendLine(const std::string& path, const std::string& text) override;

    void* LoadLibrary(const std::string& nameOrPath) override;
    void* FindSymbol(void* library, const std::string& name) override;
    void FreeLibrary(void* library) override;
    bool ShellOpen(const std::string& file, const std::string& parameters) override;
    int LastError() override { return lastError_; }

    std::uint32_t LocaleId() override;
    LocalClockText Now() override;
    void WarnOnConsole(const std::string& text) override;
    OperatingSystemInfo OperatingSystem() override;

private:
    int lastError_ = 0;
};

// The distribution's PRETTY_NAME from the text of an os-release file, quotes
// and escapes removed; empty when it has none.
std::string PrettyNameFromOsRelease(const std::string& text);

// Major, minor and patch number from a kernel release such as "6.1.0-18-amd64".
void ParseKernelRelease(const std::string& release, int& major, int& minor, int& build);

} // namespace zentolk::platform
