// The log's file handling on a real file system: what it must never touch.
#include "help/LogFile.h"
#include "help/LogPlace.h"
#include "platform/Os.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace zentolk::help;

namespace {

class RealFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zentolk-help-" + std::to_string(getpid()));
        fs::create_directories(dir / "shared");
    }
    void TearDown() override {
        fs::permissions(dir / "shared", fs::perms::owner_all);
        fs::remove_all(dir);
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<fs::path> Entries() const {
        std::vector<fs::path> names;
        for (const auto& entry : fs::directory_iterator(dir / "shared"))
            names.push_back(entry.path().filename());
        return names;
    }

    fs::path dir;
};

TEST_F(RealFilesTest, AnExistingProbeNamedFileSurvivesTheProbe) {
    const fs::path probe = dir / "shared" / "$_Temp_$.$$$";
    std::ofstream(probe) << "someone else's";
    EXPECT_TRUE(
        IsDirectoryWritable(zentolk::platform::CurrentOs(), (dir / "shared").string() + "/"));
    EXPECT_EQ(Read(probe), "someone else's");
    EXPECT_EQ(Entries(), std::vector<fs::path>{"$_Temp_$.$$$"});
}

TEST_F(RealFilesTest, APlantedLinkGoesAndItsTargetStaysAsItWas) {
    const fs::path target = dir / "precious";
    const fs::path log = dir / "shared" / "HHDebug.txt";
    for (const bool keepOld : {false, true}) {
        for (const bool dangling : {false, true}) {
            fs::remove(target);
            if (!dangling) {
                std::ofstream(target) << "precious";
                fs::permissions(target, fs::perms::owner_read);
            }
            fs::create_symlink(target, log);
            {
                TDLogFile file(zentolk::platform::CurrentOs(), log.string(), true, false, false,
                               keepOld);
                file.AppendLogLine("!line");
            }
            EXPECT_FALSE(fs::is_symlink(log));
            EXPECT_EQ(Read(log), "line\n");
            EXPECT_EQ(fs::exists(target), !dangling);
            if (!dangling) {
                EXPECT_EQ(Read(target), "precious");
                EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read);
            }
            fs::remove(log);
        }
    }
}

TEST_F(RealFilesTest, AReadOnlyOldLogIsDeletedWithTheSwitchOff) {
    const fs::path log = dir / "shared" / "HHDebug.txt";
    std::ofstream(log) << "old run";
    fs::permissions(log, fs::perms::owner_read);
    TDLogFile file(zentolk::platform::CurrentOs(), log.string(), false, true, true, false);
    file.LogIfEnabled("not written");
    EXPECT_TRUE(Entries().empty());
}

TEST_F(RealFilesTest, AnUnwritableFolderIsReportedSo) {
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root, permission bits do not stop writes";
    fs::permissions(dir / "shared", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(IsDirectoryWritable(zentolk::platform::CurrentOs(), (dir / "shared").string()));
}

} // namespace
