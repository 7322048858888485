#include "platform/LinuxOs.h"

#include "platform/ElfVersionNote.h"
#include "platform/LocaleId.h"
#include "platform/NewFile.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace zentolk::platform;

namespace {

class LinuxOsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zentolk-system-" + std::to_string(getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Write(const std::string& name, const std::string& content, fs::perms mode) {
        const auto path = dir / name;
        std::ofstream(path) << content;
        fs::permissions(path, mode);
        return path.string();
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir;
    LinuxOs system;
};

TEST_F(LinuxOsTest, VersionNoteOfTheBuiltCalculatorReads3200) {
    const auto version = ReadElfVersionNote(ZENTOLK_CLI);
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->fileVersionMS, 0x00030002u);
    EXPECT_EQ(version->fileVersionLS, 0x00000000u);
}

TEST_F(LinuxOsTest, FilesWithoutANoteOrCutShortHaveNoVersion) {
    EXPECT_FALSE(ReadElfVersionNote(system.ModulePath())); // this test program has none
    EXPECT_FALSE(ReadElfVersionNote(Write("text", "not a program", fs::perms::owner_all)));
    EXPECT_FALSE(ReadElfVersionNote((dir / "missing").string()));
    EXPECT_FALSE(ReadElfVersionNote(dir.string()));
    const std::string whole = Read(ZENTOLK_CLI);
    for (std::size_t size : {0, 4, 63, 64, 200, 0x360, 0x380}) {
        std::ofstream(dir / "cut") << whole.substr(0, size);
        EXPECT_FALSE(ReadElfVersionNote((dir / "cut").string())) << size << " bytes";
    }
}

TEST_F(LinuxOsTest, ExclusiveCreationLeavesExistingFilesAndLinkTargetsAlone) {
    const auto target = Write("target", "precious", fs::perms::owner_read);
    fs::create_symlink(target, dir / "link");
    const auto existing = Write("existing", "kept", fs::perms::owner_all);
    EXPECT_EQ(system.CreateExclusive(existing), CreateResult::NameTaken);
    EXPECT_EQ(system.CreateExclusive((dir / "link").string()), CreateResult::NameTaken);
    EXPECT_EQ(system.CreateExclusive((dir / "new").string()), CreateResult::Created);
    EXPECT_EQ(system.CreateExclusive((dir / "nofolder/new").string()), CreateResult::Failed);
    EXPECT_EQ(Read(existing), "kept");
    EXPECT_EQ(Read(target), "precious");
}

// A new file reaches its name whole or not at all, and never over a file
// that is there, from before or come meanwhile; no temporary file stays.
TEST_F(LinuxOsTest, NewFilesArriveWholeOrNotAtAll) {
    struct Case {
        bool existsBefore, comesMeanwhile, complete;
        const char* left; // what is then at the name: "new", "old" or nothing
        NewFileProblem::Kind why;
    };
    using enum NewFileProblem::Kind;
    for (const Case c :
         {Case{false, false, true, "new", Ok}, Case{false, false, false, nullptr, Incomplete},
          Case{true, false, true, "old", Exists}, Case{false, true, true, "old", Exists},
          Case{false, true, false, "old", Incomplete}}) {
        const std::string path = (dir / "picture.svg").string();
        fs::remove(path);
        if (c.existsBefore)
            Write("picture.svg", "old", fs::perms::owner_all);
        NewFileProblem problem;
        NewFile file = CreateNewFile(path, problem);
        EXPECT_EQ(file.fd < 0, c.existsBefore);
        if (file.fd >= 0) {
            ASSERT_EQ(write(file.fd, "new", 3), 3);
            if (c.comesMeanwhile)
                Write("picture.svg", "old", fs::perms::owner_all);
            EXPECT_EQ(FinishNewFile(file, c.complete, problem),
                      std::string(c.left ? c.left : "") == "new");
        }
        EXPECT_EQ(problem.kind, c.why);
        EXPECT_EQ(fs::exists(path) ? Read(path) : std::string(), c.left ? c.left : "");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()),
                  c.left ? 1 : 0);
    }
}

TEST_F(LinuxOsTest, LinksAreNeitherWrittenThroughNorChangedButCanBeRemoved) {
    const auto target = Write("target", "precious", fs::perms::owner_read);
    const auto link = (dir / "link").string();
    fs::create_symlink(target, link);
    EXPECT_TRUE(system.IsSymbolicLink(link));
    EXPECT_FALSE(system.AppendLine(link, "line"));
    EXPECT_FALSE(system.MakeOwnerWritable(link));
    EXPECT_TRUE(system.DeleteFile(link));
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    EXPECT_EQ(Read(target), "precious");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read);
}

TEST_F(LinuxOsTest, AppendingCreatesAddsLinesAndRefusesPipes) {
    const auto log = (dir / "log").string();
    EXPECT_TRUE(system.AppendLine(log, "one"));
    EXPECT_TRUE(system.AppendLine(log, "two"));
    EXPECT_EQ(Read(log), "one\ntwo\n");
    // Readable by its owner only, also when an earlier run left it open to all.
    const auto owner = fs::perms::owner_read | fs::perms::owner_write;
    EXPECT_EQ(fs::status(log).permissions(), owner);
    const auto shared = Write("shared", "", fs::perms::owner_all | fs::perms::others_read);
    EXPECT_TRUE(system.AppendLine(shared, "three"));
    EXPECT_EQ(fs::status(shared).permissions(), owner);
    // A pipe at the log's name must not stall the program.
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(system.AppendLine((dir / "pipe").string(), "line"));
    EXPECT_FALSE(ReadElfVersionNote((dir / "pipe").string()));
    // Nor is a line added to another user's file, writable or not.
    const auto theirs = Write("theirs", "", fs::perms::all);
    if (chown(theirs.c_str(), geteuid() + 1, getegid()) == 0) {
        EXPECT_FALSE(system.AppendLine(theirs, "line"));
    }
    EXPECT_EQ(Read(theirs), "");
    EXPECT_EQ(fs::status(theirs).permissions(), fs::perms::all);
}

TEST_F(LinuxOsTest, ClearingAttributesMakesAReadOnlyFileWritable) {
    const auto file = Write("old", "x", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_TRUE(system.MakeOwnerWritable(file));
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(LinuxOsTest, TemporaryFolderFallsBackToTheRoot) {
    const char* saved = std::getenv("TMPDIR");
    const std::string keep = saved != nullptr ? saved : "";
    const char* savedRuntime = std::getenv("XDG_RUNTIME_DIR");
    const std::string keepRuntime = savedRuntime != nullptr ? savedRuntime : "";
    // The user's runtime folder comes first, when it is a folder of theirs.
    fs::create_directory(dir / "run");
    setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
    EXPECT_EQ(system.TemporaryDirectory(), (dir / "run").string());
    setenv("XDG_RUNTIME_DIR", "/", 1);
    setenv("TMPDIR", dir.c_str(), 1);
    EXPECT_EQ(system.TemporaryDirectory(), getuid() == 0 ? "/" : dir.string());
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(system.TemporaryDirectory(), dir.string());
    setenv("TMPDIR", (dir / "gone").c_str(), 1);
    EXPECT_EQ(system.TemporaryDirectory(), "/");
    unsetenv("TMPDIR");
    EXPECT_EQ(system.TemporaryDirectory(), fs::is_directory("/tmp") ? "/tmp" : "/");
    if (saved != nullptr)
        setenv("TMPDIR", keep.c_str(), 1);
    if (savedRuntime != nullptr)
        setenv("XDG_RUNTIME_DIR", keepRuntime.c_str(), 1);
}

// A library file the loader would fault on or wait for is refused before
// it is loaded; a whole one, also through a link, is loaded.
TEST_F(LinuxOsTest, OnlyWholeLibrariesAreLoaded) {
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&dladdr), &info), 0);
    const std::string library = info.dli_fname;
    const auto size = fs::file_size(library);
    const auto whole = (dir / "whole.so").string();
    fs::copy_file(library, whole);
    fs::create_symlink(whole, dir / "link.so");
    EXPECT_TRUE(IsWholeElfFile(whole));
    EXPECT_TRUE(IsWholeElfFile((dir / "link.so").string()));
    for (const std::uintmax_t cut : {std::uintmax_t(0), std::uintmax_t(16), std::uintmax_t(100),
                                     std::uintmax_t(1000), size / 2}) {
        const auto cutShort = (dir / ("cut" + std::to_string(cut) + ".so")).string();
        fs::copy_file(library, cutShort);
        fs::resize_file(cutShort, cut);
        EXPECT_FALSE(IsWholeElfFile(cutShort)) << cut;
        EXPECT_EQ(system.LoadLibrary(cutShort), nullptr) << cut;
    }
    ASSERT_EQ(mkfifo((dir / "pipe.so").c_str(), 0600), 0);
    for (const std::string& path : {(dir / "pipe.so").string(), dir.string(),
                                    std::string("/dev/zero"), (dir / "missing.so").string()}) {
        EXPECT_FALSE(IsWholeElfFile(path)) << path;
        EXPECT_EQ(system.LoadLibrary(path), nullptr) << path;
    }
}

TEST_F(LinuxOsTest, ProgramAndCommandLine) {
    EXPECT_EQ(fs::path(system.ModulePath()).filename(), "os_tests");
    const auto arguments = system.Arguments();
    ASSERT_FALSE(arguments.empty());
    EXPECT_EQ(system.PrivateLibraryDirectory(),
              fs::path(system.ModulePath()).parent_path().string());
}

// One reading of the clock gives the date and its texts; the locale id follows
// the time locale's name.
TEST_F(LinuxOsTest, ClockAndLocale) {
    const LocalDate before = TodayLocal();
    const LocalTime now = system.Now();
    const LocalDate after = TodayLocal();
    EXPECT_TRUE((now.date.year == before.year && now.date.month == before.month &&
                 now.date.day == before.day) ||
                (now.date.year == after.year && now.date.month == after.month &&
                 now.date.day == after.day));
    EXPECT_FALSE(now.shortDate.empty());
    EXPECT_FALSE(now.longTime.empty());

    const char* saved = std::getenv("LC_ALL");
    const std::string savedValue = saved != nullptr ? saved : "";
    setenv("LC_ALL", "de_AT.UTF-8", 1);
    const LocaleFacts facts = system.Locale();
    EXPECT_EQ(facts.id, 0x0C07u);
    EXPECT_EQ(facts.decimalSeparator, '.'); // the C library's numbers were never set here
    if (saved != nullptr)
        setenv("LC_ALL", savedValue.c_str(), 1);
    else
        unsetenv("LC_ALL");
}

TEST(LocaleIdTest, LanguageAndTerritoryDecide) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"en_US.UTF-8", 0x0409},
        {"de_AT@euro", 0x0C07},
        {"zh_TW.Big5", 0x0404},
        {"sr_RS", 0x241A},
        {"en", 0},
        {"C.UTF-8", 0},
        {"POSIX", 0},
        {"", 0},
        {"xx_YY", 0},
    };
    for (const auto& [name, id] : cases)
        EXPECT_EQ(LocaleIdFromName(name), id) << name;
}

TEST(OperatingSystemTest, KernelReleaseAndDistributionName) {
    const std::tuple<const char*, int, int, int> releases[] = {{"6.1.0-18-amd64", 6, 1, 0},
                                                               {"6.18.44-fc-v1374", 6, 18, 44},
                                                               {"5.10", 5, 10, 0},
                                                               {"", 0, 0, 0}};
    for (const auto& [release, major, minor, build] : releases) {
        int a = -1, b = -1, c = -1;
        ParseKernelRelease(release, a, b, c);
        EXPECT_EQ(std::tie(a, b, c), std::tie(major, minor, build)) << release;
    }
    EXPECT_EQ(PrettyNameFromOsRelease("NAME=x\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"),
              "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(PrettyNameFromOsRelease("PRETTY_NAME='Say \"hi\"'"), "Say \"hi\"");
    EXPECT_EQ(PrettyNameFromOsRelease("PRETTY_NAME=\"a \\\"b\\\"\""), "a \"b\"");
    EXPECT_EQ(PrettyNameFromOsRelease("PRETTY_NAME=Plain"), "Plain");
    EXPECT_EQ(PrettyNameFromOsRelease("NAME=x"), "");
}

} // namespace
