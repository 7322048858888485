#include "help/Environment.h"

#include "FakeOs.h"
#include "help/ControlFiles.h"
#include "help/FileVersion.h"
#include "help/ReleaseNames.h"

#include <gtest/gtest.h>

using namespace zentolk::help;
using zentolk::testing::FakeOs;

namespace {

constexpr char DataDir[] = "/opt/zentolk/share/zentolk";
constexpr char DefaultViewer[] = "/opt/zentolk/lib/zentolk/libhhctrl.so";

TEST(ExpandSystemRootPrefix, OnlyTheOneVariableAtTheVeryStartInAnyCase) {
    FakeOs fake;
    fake.dataDirectory = std::string(DataDir) + "/";
    const std::pair<std::string, std::string> cases[] = {
        {"%SystemRoot%/System32/x.so", std::string(DataDir) + "/System32/x.so"},
        {"%SYSTEMROOT%/x.so", std::string(DataDir) + "/x.so"},
        {"%systemroot%/x.so", std::string(DataDir) + "/x.so"},
        {"%sYsTeMrOoT%/x.so", std::string(DataDir) + "/x.so"},
        {"%SystemRoot%", DataDir},
        {"%WinDir%/x.so", "%WinDir%/x.so"},
        {"%SystemRoot/x.so", "%SystemRoot/x.so"},
        {"%SystemRoot", "%SystemRoot"},
        {"/a/%SystemRoot%/x.so", "/a/%SystemRoot%/x.so"},
        {"", ""},
    };
    for (const auto& [path, expanded] : cases)
        EXPECT_EQ(ExpandSystemRootPrefix(fake, path), expanded) << path;
}

TEST(ResolveViewerControlPath, RegisteredFileElseThePrivateLibraryFolder) {
    const std::string registered = std::string(DataDir) + "/viewer.so";
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, DefaultViewer},
        {"%SystemRoot%/viewer.so", registered},
        {"%systemROOT%/viewer.so", registered},
        {"%WinDir%/viewer.so", DefaultViewer}, // not expanded, so not found
        {"/elsewhere/missing.so", DefaultViewer},
        {"", DefaultViewer},
    };
    for (const auto& [value, resolved] : cases) {
        FakeOs fake;
        fake.files[registered] = {};
        fake.registeredViewerLibrary = value;
        EXPECT_EQ(ResolveViewerControlPath(fake), resolved) << value.value_or("(no key)");
    }
}

TEST(VersionNumber, ComparesPartByPartAsUnsignedNumbers) {
    const std::tuple<VersionNumber, VersionNumber, int> cases[] = {
        {{1, 2, 3, 4}, {1, 2, 3, 4}, 0},
        {{40000, 0, 0, 0}, {1, 0, 0, 0}, 1},
        {{1, 0, 0, 65535}, {1, 0, 0, 32767}, 1},
        {{1, 2, 0, 0}, {1, 10, 0, 0}, -1},
        {{2, 0, 0, 0}, {1, 65535, 65535, 65535}, 1},
        {{5, 2, 3668, 9}, {5, 2, 3669, 0}, -1},
    };
    for (const auto& [a, b, result] : cases) {
        EXPECT_EQ(a <=> b, result <=> 0) << VersionText(a) << " vs " << VersionText(b);
        EXPECT_EQ(b <=> a, 0 <=> result);
    }
}

TEST(ViewerReleaseName, TableBoundaries) {
    const std::pair<VersionNumber, const char*> cases[] = {
        {{5, 2, 3669, 1}, "> 1.4a"}, {{65535, 0, 0, 0}, "> 1.4a"}, {{5, 2, 3669, 0}, "1.4a"},
        {{5, 2, 3668, 9}, "1.4"},    {{5, 2, 3626, 0}, "1.4"},     {{5, 2, 3625, 9}, "1.33"},
        {{4, 74, 8857, 0}, "1.32"},  {{4, 73, 8474, 0}, "1.21a"},  {{4, 73, 8473, 9}, "1.21"},
        {{4, 72, 8164, 0}, "1.1b"},  {{4, 72, 7323, 0}, "1.1"},    {{4, 72, 7290, 0}, "1.0"},
        {{4, 72, 7289, 0}, "< 1.0"}, {{0, 0, 0, 0}, "< 1.0"},
    };
    for (const auto& [number, name] : cases)
        EXPECT_EQ(ViewerReleaseName({number, VersionText(number)}), name) << VersionText(number);
    EXPECT_EQ(ViewerReleaseName({}), "");
}

TEST(BrowserVersion, EarlyBuildNumbersMovedBackAndNamed) {
    struct Case {
        VersionNumber file;
        const char* text;
        const char* name;
    };
    const Case cases[] = {
        {{4, 70, 0, 1158}, "4.70.1158.0", "Internet Explorer 3.0 (OSR2)"},
        {{4, 40, 0, 308}, "4.40.308.0", "Internet Explorer 1.0 (Plus!)"},
        {{4, 40, 0, 307}, "4.40.307.0", "< Internet Explorer 1.0 (Plus!)"},
        {{4, 71, 0, 1712}, "4.71.0.1712", "Internet Explorer 3.02"}, // minor above 70
        {{4, 70, 5, 1158}, "4.70.5.1158", "Internet Explorer 2.0"},  // release not 0
        {{8, 0, 6001, 18702}, "8.0.6001.18702", ">= Internet Explorer 8.0.6001.18702"},
        {{7, 0, 0, 0}, "7.0.0.0", ">= Internet Explorer 7.0.0.0"},
        {{6, 0, 2900, 2180}, "6.0.2900.2180", "Internet Explorer 6 (Windows XP SP2)"},
        {{6, 0, 2900, 2179}, "6.0.2900.2179", "Internet Explorer 6 SP1"},
        {{6, 65535, 0, 0}, "6.65535.0.0", "Internet Explorer 6 (Windows Server 2003)"},
        {{5, 0, 2919, 6400}, "5.0.2919.6400", "Internet Explorer 5.01"},
        {{5, 50, 4134, 599}, "5.50.4134.599", "Internet Explorer 5.5 for Windows Me (4.90.3000)"},
    };
    for (const auto& [file, text, name] : cases) {
        FakeOs fake;
        fake.AddVersionedFile("/opt/zentolk/lib/zentolk/Shdocvw.dll", file.Major, file.Minor,
                              file.Release, file.Build);
        EXPECT_EQ(ReadBrowserVersion(fake).text, text);
        EXPECT_EQ(BrowserFriendlyVersion(fake), name) << text;
    }
    FakeOs none;
    EXPECT_EQ(ReadBrowserVersion(none).text, "");
    EXPECT_EQ(BrowserFriendlyVersion(none), "");
}

TEST(Detection, ModuleValuesAndViewerVersion) {
    FakeOs fake;
    fake.arguments = {"./zentolk", "-debug"};
    fake.AddVersionedFile(DefaultViewer, 5, 2, 3790, 2847);
    fake.files["/opt/zentolk/bin/zentolk"] = {};
    fake.versions["/opt/zentolk/bin/zentolk"] = {0xFFFF0001, 0x8000FFFF};
    EnvironmentValues env;
    DetectModuleValues(fake, env);
    DetectVersionValues(fake, env);
    EXPECT_EQ(env.ModuleDir, "/opt/zentolk/bin");
    EXPECT_EQ(env.ModuleName, "zentolk");
    EXPECT_EQ(env.RunDir, ".");
    EXPECT_TRUE(env.hhInstalled);
    EXPECT_EQ(env.hhVerStr, "5.2.3790.2847");
    EXPECT_EQ(env.hhFriendlyVerStr, "> 1.4a");
    EXPECT_FALSE(env.ieInstalled);
    EXPECT_EQ(env.ieFriendlyVerStr, "");
    EXPECT_EQ(ReadFileVersion(fake, env.ModulePath).text, "65535.1.32768.65535");

    fake.files.erase(DefaultViewer);
    fake.arguments = {"zentolk"};
    DetectModuleValues(fake, env);
    DetectVersionValues(fake, env);
    EXPECT_EQ(env.RunDir, "/opt/zentolk/bin");
    EXPECT_FALSE(env.hhInstalled);
    EXPECT_EQ(env.hhVerStr, "");
    EXPECT_EQ(env.hhFriendlyVerStr, "");
}

TEST(ReadFileVersion, RealFiles) {
    auto& os = zentolk::platform::CurrentOs();
    EXPECT_EQ(ReadFileVersion(os, ZENTOLK_CLI).text, "3.2.0.0");
    EXPECT_EQ(ReadFileVersion(os, "/proc/self/exe").text, ""); // this test program has no note
    EXPECT_EQ(ReadFileVersion(os, "").text, "");
}

} // namespace
