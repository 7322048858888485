#include "FakeOs.h"
#include "help/HelpKit.h"
#include "help/LogFile.h"
#include "help/LogPlace.h"

#include <gtest/gtest.h>

using namespace zentolk::help;
using zentolk::testing::FakeOs;

namespace {

constexpr char ModuleLog[] = "/opt/zentolk/bin/HHDebug.txt";
constexpr char TempLog[] = "/tmp/HHDebug.txt";
const std::string Stamp = "2:03:07 PM   ";

// Runs the kit's start-up with the given arguments after the program's own.
struct KitRun {
    explicit KitRun(FakeOs& fake, std::vector<std::string> extra = {})
        : kit((fake.arguments.insert(fake.arguments.end(), extra.begin(), extra.end()), fake)) {}
    HelpKit kit;
};

TEST(DebugSwitch, SpellingsOnTheCommandLine) {
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"-debug"}, true},   {{"-DEBUG"}, true},   {{"/Debug"}, true}, {{"x", "/dEbUg"}, true},
        {{}, false},          {{"--debug"}, false}, {{"debug"}, false}, {{"/debug:1"}, false},
        {{"-debug "}, false}, {{"\\debug"}, false},
    };
    for (const auto& [arguments, on] : cases) {
        FakeOs fake;
        KitRun run(fake, arguments);
        EXPECT_EQ(run.kit.DebugSwitch(), on) << (arguments.empty() ? "(none)" : arguments.back());
    }
    FakeOs fake;
    fake.arguments = {"-debug"}; // the program itself does not count
    KitRun run(fake);
    EXPECT_FALSE(run.kit.DebugSwitch());
}

TEST(DebugSwitch, MarkerFileBesideTheProgram) {
    FakeOs fake;
    fake.files["/opt/zentolk/bin/debug.debug"] = {};
    KitRun run(fake, {"--debug"});
    EXPECT_TRUE(run.kit.DebugSwitch());
}

TEST(LogPlace, ProbeLeavesNothingBehindAndNeverTouchesAnExistingFile) {
    FakeOs fake;
    EXPECT_TRUE(IsDirectoryWritable(fake, "/opt/zentolk/bin//"));
    EXPECT_EQ(fake.created, std::vector<std::string>{"/opt/zentolk/bin/$_Temp_$.$$$"});
    EXPECT_EQ(fake.deleted, fake.created);

    fake.created.clear();
    fake.deleted.clear();
    fake.files["/tmp/$_Temp_$.$$$"] = {"someone else's", true, {}};
    fake.files["/tmp/$_Temp_$1.$$$"] = {};
    EXPECT_TRUE(IsDirectoryWritable(fake, "/tmp"));
    EXPECT_EQ(fake.files["/tmp/$_Temp_$.$$$"].content, "someone else's");
    EXPECT_EQ(fake.created, std::vector<std::string>{"/tmp/$_Temp_$2.$$$"});
    EXPECT_EQ(fake.deleted, fake.created);

    EXPECT_FALSE(IsDirectoryWritable(fake, "/opt/zentolk/lib/zentolk"));
    EXPECT_FALSE(IsDirectoryWritable(fake, "/missing"));
}

TEST(LogPlace, UnwritableProgramFolderMovesTheLogToTheTemporaryFolder) {
    FakeOs fake;
    fake.directories["/opt/zentolk/bin"] = false;
    fake.temporaryDirectory = "/tmp/";
    KitRun run(fake, {"-debug"});
    EXPECT_EQ(run.kit.LogDirectory(), "/tmp");
    EXPECT_EQ(run.kit.Log()->LogPath(), TempLog);
    EXPECT_EQ(fake.Lines(TempLog).size(), 27u);
    EXPECT_EQ(fake.files.count(ModuleLog), 0u);
}

TEST(LogFile, MissingOrUnwritableFolderMovesAGivenPath) {
    FakeOs fake;
    EXPECT_EQ(TDLogFile(fake, "/nowhere/x.log", false, true, true, false).LogPath(), "/tmp/x.log");
    EXPECT_EQ(TDLogFile(fake, "/opt/zentolk/lib/zentolk/x.log", false, true, true, false).LogPath(),
              "/tmp/x.log");
    EXPECT_EQ(TDLogFile(fake, "/opt/zentolk/bin/x.log", false, true, true, false).LogPath(),
              "/opt/zentolk/bin/x.log");
}

TEST(LogFile, HeaderLineByLine) {
    FakeOs fake;
    fake.locale.decimalSeparator = ',';
    fake.AddVersionedFile("/opt/zentolk/bin/zentolk", 3, 2, 0, 0);
    fake.AddVersionedFile("/opt/zentolk/lib/zentolk/libhhctrl.so", 5, 2, 3669, 0);
    fake.locale.id = 0x0C07;
    KitRun run(fake, {"-debug", "two words"});
    const std::string equals(79, '='), dashes(79, '-');
    const std::vector<std::string> expected = {
        equals,
        "Log File:             \t/opt/zentolk/bin/HHDebug.txt",
        "Date:                 \t6/15/2024 2:03:07 PM",
        "Operating System:      \tLinux 6.1 (Build 76) Debian GNU/Linux 12 (bookworm)",
        "SysLocale.DefaultLCID: \t0x0C07 (3079)",
        "SysLocale.PriLangID:   \t0x0007 (7)",
        "SysLocale.SubLangID:   \t0x0003 (3)",
        "DecimalSeparator:      \t,",
        dashes,
        "EXE Path =          \t/opt/zentolk/bin/zentolk",
        "EXE Version =       \t3.2.0.0",
        "Cmdline Param(s) =  \t-debug | two words",
        "Actual CmdLine =  \t/opt/zentolk/bin/zentolk -debug two words",
        "_RunDir =           \t/opt/zentolk/bin",
        "_ModuleName =       \tzentolk",
        "_ModuleDir =        \t/opt/zentolk/bin",
        "_ModulePath =        \t/opt/zentolk/bin/zentolk",
        "Module Version =       \t3.2.0.0",
        dashes,
        "_hhInstalled =      \tYES",
        "_hhVerStr =         \t5.2.3669.0",
        "_hhFriendlyVerStr = \t1.4a",
        dashes,
        "_ieInstalled =      \tNO",
        "_ieVerStr =         \t",
        "_ieFriendlyVerStr = \t",
        equals,
    };
    EXPECT_EQ(fake.Lines(ModuleLog), expected);
}

TEST(LogFile, HeaderEdgeValues) {
    FakeOs fake;
    fake.arguments = {std::string(300, 'x')};
    fake.os.distribution.clear();
    fake.locale.id = 0;
    KitRun run(fake, {"/DEBUG"});
    const auto lines = fake.Lines(ModuleLog);
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[3], "Operating System:      \tLinux 6.1 (Build 76) No Service Pack");
    EXPECT_EQ(lines[4], "SysLocale.DefaultLCID: \t0x0000 (0)");
    EXPECT_EQ(lines[11], "Cmdline Param(s) =  \t/DEBUG");
    EXPECT_EQ(lines[12], "Actual CmdLine =  \t" + std::string(254, 'x'));
}

TEST(LogFile, StampAndMarkerRule) {
    struct Case {
        std::string format;
        std::optional<FormatArgs> args;
        std::string line;
    };
    const Case cases[] = {
        {"--x", {}, "-x"},
        {"!x", {}, "x"},
        {"=x", {}, "x"},
        {"-", {}, std::string(79, '-')},
        {"=", {}, std::string(79, '=')},
        {"%s", FormatArgs{"-"}, std::string(79, '-')},
        {"%s", FormatArgs{"!y"}, "y"},
        {"  returned - %d", FormatArgs{-3}, Stamp + "  returned - -3"},
        {"x", {}, Stamp + "x"},
        {"", {}, Stamp},
        {"50%", {}, Stamp + "50%"},
        {"a %d%%", {}, Stamp + "a %d%%"},
        {"a %d%%", FormatArgs{5}, Stamp + "a 5%"},
        {"ShowContext(\"%s\", %d)", FormatArgs{"f.chm", 0}, Stamp + "ShowContext(\"f.chm\", 0)"},
        {"x %d %s", FormatArgs{1}, Stamp + "x 1 %s"},
    };
    FakeOs fake;
    TDLogFile log(fake, "/tmp/t.log", true, true, false, false);
    for (const auto& [format, args, line] : cases) {
        if (args)
            log.AppendLogLine(format, *args);
        else
            log.AppendLogLine(format);
        EXPECT_EQ(fake.Lines("/tmp/t.log").back(), line) << format;
    }
    TDLogFile plain(fake, "/tmp/p.log", true, false, false, false);
    plain.AppendLogLine("x");
    EXPECT_EQ(fake.Lines("/tmp/p.log"), std::vector<std::string>{"x"});
}

TEST(LogFile, OldLogGoesAtEveryStartEvenReadOnly) {
    for (const bool readOnly : {false, true}) {
        FakeOs fake;
        fake.files[ModuleLog] = {"old run\n", readOnly, {}};
        {
            KitRun run(fake);
            run.kit.TraceLine("dropped");
            EXPECT_EQ(fake.files.count(ModuleLog), 0u);
        }
        fake.files[ModuleLog] = {"old run\n", readOnly, {}};
        KitRun run(fake, {"-debug"});
        const auto lines = fake.Lines(ModuleLog);
        ASSERT_EQ(lines.size(), 27u);
        EXPECT_EQ(lines[0], std::string(79, '='));
        for (const auto& [path, file] : fake.files)
            EXPECT_EQ(path.find("$_Temp_$"), std::string::npos) << path;
    }
}

TEST(LogFile, KeptReadOnlyLogIsMadeWritableAndAppendedTo) {
    FakeOs fake;
    fake.files[ModuleLog] = {"old run\n", true, {}};
    TDLogFile log(fake, ModuleLog, true, false, false, true);
    log.AppendLogLine("new run");
    EXPECT_EQ(fake.Lines(ModuleLog), (std::vector<std::string>{"old run", "new run"}));
}

TEST(LogFile, PlantedLinkIsRemovedAndItsTargetLeftAlone) {
    FakeOs fake;
    fake.files["/tmp/precious"] = {"precious\n", true, {}};
    fake.files[ModuleLog] = {"", false, std::string("/tmp/precious")};
    KitRun run(fake, {"-debug"});
    EXPECT_FALSE(fake.IsSymbolicLink(ModuleLog));
    EXPECT_EQ(fake.Lines(ModuleLog).size(), 27u);
    EXPECT_EQ(fake.files["/tmp/precious"].content, "precious\n");
    EXPECT_TRUE(fake.files["/tmp/precious"].readOnly);
}

TEST(LogFile, UnwritableLinesAreDroppedAndLaterLinesTryAgain) {
    FakeOs fake;
    TDLogFile log(fake, "/tmp/t.log", true, false, false, false);
    log.AppendLogLine("one");
    fake.files["/tmp/t.log"].readOnly = true;
    log.AppendLogLine("two");
    fake.files["/tmp/t.log"].readOnly = false;
    log.AppendLogLine("three");
    EXPECT_EQ(fake.Lines("/tmp/t.log"), (std::vector<std::string>{"one", "three"}));
    // The user hears of it once, on the console.
    fake.files["/tmp/t.log"].readOnly = true;
    log.AppendLogLine("four");
    log.AppendLogLine("five");
    EXPECT_EQ(fake.console,
              std::vector<std::string>{"The diagnostics log /tmp/t.log cannot be written."});
}

// Started by name through the search path, the command line holds no folder.
TEST(LogFile, HeaderNamesTheProgramByItsFullPath) {
    FakeOs fake;
    fake.AddVersionedFile("/opt/zentolk/bin/zentolk", 3, 2, 0, 0);
    fake.arguments = {"zentolk"};
    KitRun run(fake, {"-debug"});
    const auto lines = fake.Lines(ModuleLog);
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[9], "EXE Path =          \t/opt/zentolk/bin/zentolk");
    EXPECT_EQ(lines[10], "EXE Version =       \t3.2.0.0");
    EXPECT_EQ(lines[13], "_RunDir =           \t/opt/zentolk/bin");
    EXPECT_TRUE(fake.console.empty());
}

TEST(Trace, LinesOnlyWithTheSwitchAndBoxesAlways) {
    for (const bool on : {false, true}) {
        FakeOs fake;
        FakeOs& platform = fake;
        {
            KitRun run(fake, on ? std::vector<std::string>{"-debug"} : std::vector<std::string>{});
            run.kit.TraceLine("  returned - %d", {2});
            run.kit.TraceAndShow("Function ShellExecute(%s)\rReturned: %s",
                                 {"a, b", "[Error:2] x"});
        }
        const std::string shown = "Function ShellExecute(a, b)\rReturned: [Error:2] x";
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].caption, "Ruviz Oruvodezar");
        EXPECT_EQ(platform.messages[0].text, shown);
        EXPECT_TRUE(platform.messages[0].kind == zentolk::platform::MessageKind::Warning);
        const auto lines = fake.Lines(ModuleLog);
        if (on) {
            ASSERT_EQ(lines.size(), 29u);
            EXPECT_EQ(lines[27], Stamp + "  returned - 2");
            EXPECT_EQ(lines[28], Stamp + shown);
        } else {
            EXPECT_TRUE(lines.empty());
        }
    }
}

} // namespace
