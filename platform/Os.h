#pragma once

#include "platform/LocalDate.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zentolk::platform {

enum class MessageKind { Error, Warning, Information };

// The file version words of a file's version note, laid out as the classic
// fixed file information: major and minor in the high word, release and
// build in the low word.
struct FixedFileVersion {
    std::uint32_t fileVersionMS = 0;
    std::uint32_t fileVersionLS = 0;
};

// The kernel's name and version, and the distribution's name.
struct OperatingSystemInfo {
    std::string name;
    int major = 0;
    int minor = 0;
    int build = 0;
    std::string distribution;
};

// The local date and time of one reading of the clock: the date as numbers
// and date and time each in the user's locale format.
struct LocalTime {
    LocalDate date;
    std::string shortDate;
    std::string longTime;
};

// What the program needs of the user's locale.
struct LocaleFacts {
    std::uint32_t id = 0; // the classic locale id; 0 when unknown
    char decimalSeparator = '.';
};

enum class CreateResult { Created, NameTaken, Failed };

// The program's one road to the operating system, so that every failure path
// can be tested: the real implementation talks to the desktop and the
// system; a test installs a fake (a busy clipboard, a beep counter, an
// in-memory file tree) through InstallOs.
class Os {
public:
    virtual ~Os() = default;

    // The desktop.

    // The default beep.
    virtual void Beep() = 0;
    // A modal message box with one OK button, centred, blocking the program's
    // other windows until it is closed.
    virtual void ShowMessage(const std::string& caption, const std::string& text,
                             MessageKind kind) = 0;
    // Removes everything from the clipboard; false when it cannot be opened.
    virtual bool ClearClipboard() = 0;
    // Puts plain text on the clipboard, every byte as given (CR LF kept);
    // false when it cannot be opened.
    virtual bool PutClipboardText(const std::string& text) = 0;
    // Puts a picture on the clipboard as PNG and as SVG, for whichever the
    // pasting program takes; false when it cannot be opened.
    virtual bool PutClipboardPicture(const std::string& png, const std::string& svg) = 0;
    // Hands an address to the desktop's default handler and returns at once,
    // without waiting for a browser. `failed` runs later, on the user-interface
    // thread, when the handler cannot be started or reports a failure.
    virtual void OpenAddress(const std::string& address, std::function<void()> failed) = 0;

    // Time and locale.

    // The clock, read once.
    virtual LocalTime Now() = 0;
    virtual LocaleFacts Locale() = 0;
    virtual OperatingSystemInfo OperatingSystem() = 0;

    // The running program.

    // The running program's file, full path.
    virtual std::string ModulePath() = 0;
    // The arguments as the program received them, the program itself first.
    virtual std::vector<std::string> Arguments() = 0;
    // The program's private library folder, where its viewer library lives.
    virtual std::string PrivateLibraryDirectory() = 0;
    // The program's data folder.
    virtual std::string DataDirectory() = 0;
    // The folder for temporary files; the root folder when none exists.
    virtual std::string TemporaryDirectory() = 0;
    virtual std::string CurrentDirectory() = 0;

    // Files.

    // True for anything but a folder, following symbolic links.
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool DirectoryExists(const std::string& path) = 0;
    // True when the path itself is a symbolic link, dangling or not.
    virtual bool IsSymbolicLink(const std::string& path) = 0;
    // Creates an empty file, never opening one that is already there.
    virtual CreateResult CreateExclusive(const std::string& path) = 0;
    // Removes a file; a symbolic link is removed itself, never its target.
    virtual bool DeleteFile(const std::string& path) = 0;
    // Writes a whole file the user chose, replacing it only once the new
    // bytes are safely written; false when it cannot be.
    virtual bool WriteWholeFile(const std::string& path, const std::string& bytes) = 0;
    // Makes a file readable and writable for its owner. Refuses symbolic
    // links, so a link's target is never changed.
    virtual bool MakeOwnerWritable(const std::string& path) = 0;
    // Appends the text and a line end to the file, creating it when missing,
    // then flushes and closes it; the file is readable by its owner only.
    // Refuses to write through a symbolic link or to another user's file.
    virtual bool AppendLine(const std::string& path, const std::string& text) = 0;
    // Tells the user something on standard error, one line.
    virtual void WarnOnConsole(const std::string& text) = 0;
    // The version note of a file; nothing when it has none.
    virtual std::optional<FixedFileVersion> ReadVersionNote(const std::string& path) = 0;

    // Libraries and programs.

    // Where the machine records the help viewer library as installed, when
    // it does. Linux keeps no such record: the real system answers nothing
    // and the library is looked for in the private library folder.
    virtual std::optional<std::string> RegisteredViewerLibrary() = 0;
    // Loads a shared library by bare name (searched like the program's own
    // libraries) or by path; null when it cannot be loaded.
    virtual void* LoadLibrary(const std::string& nameOrPath) = 0;
    // An exported function of a loaded library; null when it has none.
    virtual void* FindSymbol(void* library, const std::string& name) = 0;
    virtual void FreeLibrary(void* library) = 0;
};

// The operating system in use: the real one unless a test installed another.
Os& CurrentOs();
// Installs an operating system (not owned) and returns the previous one;
// nullptr brings back the real one.
Os* InstallOs(Os* os);

} // namespace zentolk::platform
