// The real operating system: all but the desktop, which is in
// LinuxOsDesktop.cpp.
#include "platform/LinuxOs.h"

#include "platform/ElfVersionNote.h"
#include "platform/LocaleId.h"
#include "platform/LocaleNumbers.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <langinfo.h>
#include <locale.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>
#include <utility>

namespace zentolk::platform {

namespace {

std::string ReadWholeFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ModuleDirectory(const std::string& modulePath) {
    return std::filesystem::path(modulePath).parent_path().string();
}

bool IsDirectory(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

LinuxOs& RealOs() {
    static LinuxOs real;
    return real;
}

// The real operating system unless a test installed another.
Os*& Installed() {
    static Os* current = &RealOs();
    return current;
}

// The locale of the date and time formats. The same names decide the locale
// id, so the log header's date and id agree.
std::string TimeLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return "C";
}

// The date and the time of day, each in the format of the time locale.
std::pair<std::string, std::string> FormatDateAndTime(const std::tm& when) {
    locale_t locale = newlocale(LC_TIME_MASK, TimeLocaleName().c_str(), locale_t{});
    if (locale == locale_t{})
        locale = newlocale(LC_TIME_MASK, "C", locale_t{});
    if (locale == locale_t{})
        return {};
    const auto format = [&](nl_item item) {
        char buffer[128];
        const std::size_t length =
            strftime_l(buffer, sizeof buffer, nl_langinfo_l(item, locale), &when, locale);
        return std::string(buffer, length);
    };
    std::pair<std::string, std::string> texts{format(D_FMT), format(T_FMT)};
    freelocale(locale);
    return texts;
}

} // namespace

Os& CurrentOs() {
    return *Installed();
}

Os* InstallOs(Os* os) {
    Os* previous = Installed();
    Installed() = os != nullptr ? os : &RealOs();
    return previous;
}

std::optional<std::string> LinuxOs::RegisteredViewerLibrary() {
    return std::nullopt;
}

std::optional<FixedFileVersion> LinuxOs::ReadVersionNote(const std::string& path) {
    return ReadElfVersionNote(path);
}

std::string LinuxOs::ModulePath() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

std::vector<std::string> LinuxOs::Arguments() {
    const std::string raw = ReadWholeFile("/proc/self/cmdline");
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start < raw.size()) {
        std::size_t end = raw.find('\0', start);
        if (end == std::string::npos)
            end = raw.size();
        arguments.push_back(raw.substr(start, end - start));
        start = end + 1;
    }
    return arguments;
}

std::string LinuxOs::PrivateLibraryDirectory() {
    // Installed, the private libraries sit in <prefix>/lib/zentolk; in the
    // build tree, beside the program.
    const std::string moduleDir = ModuleDirectory(ModulePath());
    const std::string installed =
        (std::filesystem::path(moduleDir).parent_path() / "lib" / "zentolk").string();
    return IsDirectory(installed) ? installed : moduleDir;
}

std::string LinuxOs::DataDirectory() {
    const std::string moduleDir = ModuleDirectory(ModulePath());
    return (std::filesystem::path(moduleDir).parent_path() / "share" / "zentolk").string();
}

// The user's own runtime folder first: a shared temporary folder lets other
// users take the names the program would use.
std::string LinuxOs::TemporaryDirectory() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime != nullptr && *runtime != '\0') {
        struct stat info {};
        if (stat(runtime, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid())
            return runtime;
    }
    const char* variable = std::getenv("TMPDIR");
    const std::string candidate =
        variable != nullptr && *variable != '\0' ? std::string(variable) : "/tmp";
    return IsDirectory(candidate) ? candidate : "/";
}

std::string LinuxOs::CurrentDirectory() {
    std::error_code error;
    const auto path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

bool LinuxOs::FileExists(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool LinuxOs::DirectoryExists(const std::string& path) {
    return IsDirectory(path);
}

bool LinuxOs::IsSymbolicLink(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_symlink(std::filesystem::symlink_status(path, error));
}

CreateResult LinuxOs::CreateExclusive(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno == EEXIST ? CreateResult::NameTaken : CreateResult::Failed;
    close(fd);
    return CreateResult::Created;
}

bool LinuxOs::DeleteFile(const std::string& path) {
    return unlink(path.c_str()) == 0;
}

bool LinuxOs::MakeOwnerWritable(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const mode_t mode = (info.st_mode & 07777) | S_IRUSR | S_IWUSR;
    return fchmodat(AT_FDCWD, path.c_str(), mode, AT_SYMLINK_NOFOLLOW) == 0;
}

bool LinuxOs::AppendLine(const std::string& path, const std::string& text) {
    // No links, and no waiting on a pipe someone left at the log's name.
    // Only its owner may read it: it may lie in a shared temporary folder.
    const int fd = open(path.c_str(),
                        O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    // Never add to a file someone else owns, even one they let us write.
    struct stat info {};
    bool written = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid();
    if (written && (info.st_mode & 077) != 0)
        written = fchmod(fd, 0600) == 0;
    const std::string line = text + '\n';
    std::size_t done = 0;
    while (written && done < line.size()) {
        const ssize_t n = write(fd, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            written = false;
        else
            done += static_cast<std::size_t>(n);
    }
    return close(fd) == 0 && written;
}

// A bare name is looked for where the loader would look first, the program's
// run path (its own folder, then its private library folder), so that the
// file found there can be checked before the loader maps it; found nowhere
// there, the system's own library folders are searched. The check and the
// load are two steps: whoever can swap the file between them can write the
// program's own folders anyway.
void* LinuxOs::LoadLibrary(const std::string& nameOrPath) {
    std::string path = nameOrPath;
    if (path.find('/') == std::string::npos) {
        const std::filesystem::path moduleDir = ModuleDirectory(ModulePath());
        std::string found;
        for (const auto& folder : {moduleDir, moduleDir.parent_path() / "lib" / "zentolk"}) {
            const std::string candidate = (folder / nameOrPath).string();
            struct stat info {};
            if (!moduleDir.empty() && lstat(candidate.c_str(), &info) == 0) {
                found = candidate;
                break;
            }
        }
        if (found.empty())
            return dlopen(nameOrPath.c_str(), RTLD_NOW | RTLD_LOCAL);
        path = found;
    }
    if (!IsWholeElfFile(path))
        return nullptr;
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* LinuxOs::FindSymbol(void* library, const std::string& name) {
    return library != nullptr ? dlsym(library, name.c_str()) : nullptr;
}

void LinuxOs::FreeLibrary(void* library) {
    if (library != nullptr)
        dlclose(library);
}

void LinuxOs::WarnOnConsole(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

// The id follows the date and time formats, the separator the numbers'
// locale the C library was set to.
LocaleFacts LinuxOs::Locale() {
    return {LocaleIdFromName(TimeLocaleName()), LocaleDecimalSeparator()};
}

LocalTime LinuxOs::Now() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    if (localtime_r(&now, &parts) == nullptr)
        return {{1970, 1, 1}, {}, {}};
    auto [date, time] = FormatDateAndTime(parts);
    return {DateOf(parts), std::move(date), std::move(time)};
}

OperatingSystemInfo LinuxOs::OperatingSystem() {
    OperatingSystemInfo info;
    struct utsname names {};
    if (uname(&names) == 0) {
        info.name = names.sysname;
        ParseKernelRelease(names.release, info.major, info.minor, info.build);
    }
    std::string release = ReadWholeFile("/etc/os-release");
    if (release.empty())
        release = ReadWholeFile("/usr/lib/os-release");
    info.distribution = PrettyNameFromOsRelease(release);
    return info;
}

std::string PrettyNameFromOsRelease(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    std::string name;
    while (std::getline(lines, line)) {
        constexpr std::string_view PrettyNameKey = "PRETTY_NAME=";
        if (line.compare(0, PrettyNameKey.size(), PrettyNameKey) != 0)
            continue;
        const std::string value = line.substr(PrettyNameKey.size());
        name.clear();
        if (!value.empty() && (value.front() == '"' || value.front() == '\'')) {
            const char quote = value.front();
            for (std::size_t i = 1; i < value.size() && value[i] != quote; ++i) {
                if (quote == '"' && value[i] == '\\' && i + 1 < value.size())
                    ++i;
                name += value[i];
            }
        } else {
            name = value;
        }
    }
    return name;
}

void ParseKernelRelease(const std::string& release, int& major, int& minor, int& build) {
    int* parts[] = {&major, &minor, &build};
    for (int* part : parts)
        *part = 0;
    std::size_t at = 0;
    for (int* part : parts) {
        if (at >= release.size() || release[at] < '0' || release[at] > '9')
            break;
        while (at < release.size() && release[at] >= '0' && release[at] <= '9' &&
               *part < 100000000) {
            *part = *part * 10 + (release[at] - '0');
            ++at;
        }
        if (at >= release.size() || release[at] != '.')
            break;
        ++at;
    }
}

} // namespace zentolk::platform
