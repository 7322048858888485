#pragma once

#include "platform/Os.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zentolk::testing {

// An operating system that records what the program asks of it, installed
// for its lifetime: message boxes return at once, the clipboard and the
// desktop's address handler can be made to fail, and files live in an
// in-memory tree. Folders are listed with whether files can be created in
// them; files may be read-only, and a file may be a symbolic link to another
// path. A test that needs another answer overrides the member.
class FakeOs : public platform::Os {
public:
    struct Message {
        std::string caption;
        std::string text;
        platform::MessageKind kind;
    };
    struct File {
        std::string content;
        bool readOnly = false;
        std::optional<std::string> linkTo;
    };

    FakeOs() : previous_(platform::InstallOs(this)) {
        directories = {{"/", true},
                       {"/opt/zentolk/bin", true},
                       {"/opt/zentolk/lib/zentolk", false},
                       {"/tmp", true}};
    }
    ~FakeOs() override { platform::InstallOs(previous_); }
    FakeOs(const FakeOs&) = delete;
    FakeOs& operator=(const FakeOs&) = delete;

    void Beep() override { ++beeps; }
    void ShowMessage(const std::string& caption, const std::string& text,
                     platform::MessageKind kind) override {
        messages.push_back({caption, text, kind});
    }
    bool ClearClipboard() override {
        if (!clipboardAvailable)
            return false;
        clipboard.clear();
        ++clipboardClears;
        return true;
    }
    bool PutClipboardText(const std::string& text) override {
        if (!clipboardAvailable)
            return false;
        clipboard = text;
        return true;
    }
    bool PutClipboardPicture(const std::string& png, const std::string& svg) override {
        if (!clipboardAvailable)
            return false;
        clipboardPng = png;
        clipboardSvg = svg;
        return true;
    }
    void OpenAddress(const std::string& address, std::function<void()> failed) override {
        openedAddresses.push_back(address);
        if (!addressesOpen && failed)
            failed();
    }

    platform::LocalTime Now() override { return now; }
    platform::LocaleFacts Locale() override { return locale; }
    platform::OperatingSystemInfo OperatingSystem() override { return os; }

    std::string ModulePath() override { return modulePath; }
    std::vector<std::string> Arguments() override { return arguments; }
    std::string PrivateLibraryDirectory() override { return privateLibraryDirectory; }
    std::string DataDirectory() override { return dataDirectory; }
    std::string TemporaryDirectory() override { return temporaryDirectory; }
    std::string CurrentDirectory() override { return currentDirectory; }

    bool FileExists(const std::string& path) override { return files.count(Resolve(path)) != 0; }
    bool DirectoryExists(const std::string& path) override {
        return directories.count(Normal(path)) != 0;
    }
    bool IsSymbolicLink(const std::string& path) override {
        const auto found = files.find(path);
        return found != files.end() && found->second.linkTo.has_value();
    }
    platform::CreateResult CreateExclusive(const std::string& path) override {
        if (files.count(path) != 0)
            return platform::CreateResult::NameTaken;
        if (!CanCreateIn(path))
            return platform::CreateResult::Failed;
        files[path] = File{};
        created.push_back(path);
        return platform::CreateResult::Created;
    }
    bool DeleteFile(const std::string& path) override {
        deleted.push_back(path);
        return files.erase(path) != 0;
    }
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override {
        const auto found = files.find(path);
        if (found == files.end() ? !CanCreateIn(path) : found->second.readOnly)
            return false;
        files[path].content = bytes;
        return true;
    }
    bool MakeOwnerWritable(const std::string& path) override {
        const auto found = files.find(path);
        if (found == files.end() || found->second.linkTo)
            return false;
        found->second.readOnly = false;
        return true;
    }
    bool AppendLine(const std::string& path, const std::string& text) override {
        auto found = files.find(path);
        if (found == files.end()) {
            if (!CanCreateIn(path))
                return false;
            found = files.emplace(path, File{}).first;
        }
        if (found->second.linkTo || found->second.readOnly)
            return false;
        found->second.content += text + '\n';
        return true;
    }
    void WarnOnConsole(const std::string& text) override { console.push_back(text); }
    std::optional<platform::FixedFileVersion> ReadVersionNote(const std::string& path) override {
        const auto found = versions.find(Resolve(path));
        if (found == versions.end())
            return std::nullopt;
        return found->second;
    }

    std::optional<std::string> RegisteredViewerLibrary() override {
        return registeredViewerLibrary;
    }
    void* LoadLibrary(const std::string& nameOrPath) override {
        loadAttempts.push_back(nameOrPath);
        const auto found = libraries.find(nameOrPath);
        return found == libraries.end() ? nullptr : found->second;
    }
    void* FindSymbol(void* library, const std::string& name) override {
        const auto found = symbols.find({library, name});
        return found == symbols.end() ? nullptr : found->second;
    }
    void FreeLibrary(void* library) override { freed.push_back(library); }

    // A file carrying a version note of a.b.c.d.
    void AddVersionedFile(const std::string& path, std::uint16_t a, std::uint16_t b,
                          std::uint16_t c, std::uint16_t d) {
        files[path] = File{};
        versions[path] = {static_cast<std::uint32_t>(a) << 16 | b,
                          static_cast<std::uint32_t>(c) << 16 | d};
    }

    // The lines of a file, without their line ends.
    std::vector<std::string> Lines(const std::string& path) const {
        std::vector<std::string> lines;
        const auto found = files.find(path);
        if (found == files.end())
            return lines;
        const std::string& content = found->second.content;
        std::size_t start = 0;
        for (std::size_t end; (end = content.find('\n', start)) != std::string::npos;
             start = end + 1)
            lines.push_back(content.substr(start, end - start));
        return lines;
    }

    // The desktop.
    int beeps = 0;
    std::vector<Message> messages;
    bool clipboardAvailable = true;
    std::string clipboard;
    std::string clipboardPng, clipboardSvg;
    int clipboardClears = 0;
    std::vector<std::string> openedAddresses;
    bool addressesOpen = true; // false: every address fails to open

    // Time, locale and the system.
    platform::LocalTime now{{2024, 6, 15}, "6/15/2024", "2:03:07 PM"};
    platform::LocaleFacts locale{0x0409, '.'};
    platform::OperatingSystemInfo os{"Linux", 6, 1, 76, "Debian GNU/Linux 12 (bookworm)"};

    // The program, files and libraries.
    std::string modulePath = "/opt/zentolk/bin/zentolk";
    std::vector<std::string> arguments{"/opt/zentolk/bin/zentolk"};
    std::string privateLibraryDirectory = "/opt/zentolk/lib/zentolk";
    std::string dataDirectory = "/opt/zentolk/share/zentolk";
    std::string temporaryDirectory = "/tmp";
    std::string currentDirectory = "/home/user";
    std::map<std::string, bool> directories; // folder -> files can be created in it
    std::map<std::string, File> files;
    std::map<std::string, platform::FixedFileVersion> versions;
    std::vector<std::string> created;
    std::vector<std::string> deleted;
    std::vector<std::string> console;
    std::optional<std::string> registeredViewerLibrary;
    std::map<std::string, void*> libraries; // loadable names and paths
    std::map<std::pair<void*, std::string>, void*> symbols;
    std::vector<std::string> loadAttempts;
    std::vector<void*> freed;

private:
    static std::string Normal(std::string path) {
        while (path.size() > 1 && path.back() == '/')
            path.pop_back();
        return path;
    }
    static std::string Folder(const std::string& path) {
        const auto last = path.rfind('/');
        return last == 0 || last == std::string::npos ? "/" : path.substr(0, last);
    }
    bool CanCreateIn(const std::string& path) const {
        const auto found = directories.find(Folder(path));
        return found != directories.end() && found->second;
    }
    // Follows links as opening a file would; "" for a dangling link.
    std::string Resolve(const std::string& path) const {
        const auto found = files.find(path);
        if (found == files.end() || !found->second.linkTo)
            return path;
        return files.count(*found->second.linkTo) != 0 ? *found->second.linkTo : std::string();
    }

    platform::Os* previous_;
};

} // namespace zentolk::testing
