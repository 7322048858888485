#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zentolk::platform {

// The file version words of a file's version note, laid out as the classic
// fixed file information: major and minor in the high word, release and
// build in the low word.
struct FixedFileVersion {
    std::uint32_t fileVersionMS = 0;
    std::uint32_t fileVersionLS = 0;
};

// The operating system's name and version, and the distribution's name in
// the place where a service-pack text would be.
struct OperatingSystemInfo {
    std::string name;
    int major = 0;
    int minor = 0;
    int build = 0;
    std::string servicePack;
};

// The current local date and time, each in the user's locale format.
struct LocalClockText {
    std::string shortDate;
    std::string longTime;
};

enum class CreateResult { Created, NameTaken, Failed };

// The operating-system services of the help kit: where the program runs, what
// it was started with, the files it probes and its diagnostics log. Only the
// help kit calls these; tests install a fake through InstallSystem.
class System {
public:
    virtual ~System() = default;

    // The text of the default value of a key under the classes root, read
    // only; nothing when the key does not exist or the value is not text.
    virtual std::optional<std::string> ReadRegistryDefaultValue(const std::string& key) = 0;
    // The version note of a file; nothing when it has none.
    virtual std::optional<FixedFileVersion> ReadFileVersionInfo(const std::string& path) = 0;

    // The running program's file, full path.
    virtual std::string ModulePath() = 0;
    // The arguments as the program received them, the program itself first.
    virtual std::vector<std::string> Arguments() = 0;
    // The command line as one text, the arguments joined by blanks.
    virtual std::string RawCommandLine() = 0;

    // The program's private library folder, where its viewer library lives.
    virtual std::string PrivateLibraryDirectory() = 0;
    // The program's data folder.
    virtual std::string DataDirectory() = 0;
    // The folder for temporary files; the root folder when none exists.
    virtual std::string TemporaryDirectory() = 0;
    virtual std::string CurrentDirectory() = 0;

    // True for anything but a folder, following symbolic links.
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool DirectoryExists(const std::string& path) = 0;
    // True when the path itself is a symbolic link, dangling or not.
    virtual bool IsSymbolicLink(const std::string& path) = 0;
    // Creates an empty file, never opening one that is already there.
    virtual CreateResult CreateExclusive(const std::string& path) = 0;
    // Removes a file; a symbolic link is removed itself, never its target.
    virtual bool DeleteFile(const std::string& path) = 0;
    // Makes a file readable and writable for its owner. Refuses symbolic
    // links, so a link's target is never changed.
    virtual bool ClearAttributes(const std::string& path) = 0;
    // Appends the text and a line end to the file, creating it when missing,
    // then flushes and closes it. Refuses to write through a symbolic link.
    virtual bool AppendLine(const std::string& path, const std::string& text) = 0;
    // Tells the user something on standard error, one line.
    virtual void WarnOnConsole(const std::string& text) = 0;

    // Loads a shared library by bare name (searched like the program's own
    // libraries) or by path; null when it cannot be loaded.
    virtual void* LoadLibrary(const std::string& nameOrPath) = 0;
    // An exported function of a loaded library; null when it has none.
    virtual void* FindSymbol(void* library, const std::string& name) = 0;
    virtual void FreeLibrary(void* library) = 0;
    // Starts a program with blank-separated parameters and does not wait for
    // it. On failure the reason is kept for LastError.
    virtual bool ShellOpen(const std::string& file, const std::string& parameters) = 0;
    // The reason (an errno value) of the last failed ShellOpen.
    virtual int LastError() = 0;

    // The user's locale as a classic locale id; 0 when unknown.
    virtual std::uint32_t LocaleId() = 0;
    virtual LocalClockText Now() = 0;
    virtual OperatingSystemInfo OperatingSystem() = 0;
};

// The system in use: the real one unless a test installed another.
System& CurrentSystem();
// Installs a system (not owned) and returns the previous one; nullptr brings
// back the real system.
System* InstallSystem(System* system);

} // namespace zentolk::platform
