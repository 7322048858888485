// The viewer binding and the help hook, with a fake system offering a
// recording viewer library and the kit's log read back line by line.
#include "FakeViewer.h"
#include "help/ControlFiles.h"
#include "help/Environment.h"
#include "help/HelpKit.h"
#include "help/HookHelpSystem.h"
#include "viewer/hhctrl.h"

#include <gtest/gtest.h>

using namespace zentolk::help;
using zentolk::testing::FakeOs;
using zentolk::testing::viewerCalls;
using zentolk::viewer::HH_CLOSE_ALL;
using zentolk::viewer::HH_HELP_CONTEXT;

namespace {

constexpr char ModuleLog[] = "/opt/zentolk/bin/HHDebug.txt";
constexpr char ViewerFile[] = "/opt/zentolk/lib/zentolk/libhhctrl.so";
constexpr char HelpFilePath[] = "/home/user/Zentolk.chm";
constexpr std::size_t HeaderLines = 27;

// The kit started with the debug switch and a viewer library on offer; the
// viewer counts as installed when its file carries a version.
struct KitWithViewer {
    FakeOs system;
    FakeOs& platform = system;
    std::unique_ptr<HelpKit> help;

    explicit KitWithViewer(bool installed = true) {
        zentolk::testing::OfferFakeViewer(system);
        if (installed)
            system.AddVersionedFile(ViewerFile, 5, 2, 3790, 2847);
        system.arguments.push_back("-debug");
        help = std::make_unique<HelpKit>(system);
    }

    // The trace lines so far, without their time stamps.
    std::vector<std::string> Traces() const {
        std::vector<std::string> traces;
        const auto lines = system.Lines(ModuleLog);
        for (std::size_t i = HeaderLines; i < lines.size(); ++i)
            traces.push_back(lines[i].substr(lines[i].find("   ") + 3));
        return traces;
    }
};

TEST(ViewerLibrary, LoadsByBareNameAndResolvesTheEntries) {
    KitWithViewer kit;
    const ViewerLibraryState& viewer = kit.help->ViewerLibrary();
    EXPECT_EQ(kit.system.loadAttempts, std::vector<std::string>{"libhhctrl.so"});
    EXPECT_NE(viewer.handle, nullptr);
    EXPECT_EQ(viewer.HtmlHelpA, &zentolk::testing::FakeHtmlHelp);
    EXPECT_EQ(viewer.HtmlHelp, &zentolk::testing::FakeHtmlHelp);
    EXPECT_EQ(viewer.HtmlHelpW, &zentolk::testing::FakeHtmlHelpW);
}

TEST(ViewerLibrary, FallsBackToTheRegisteredPathThenToNothing) {
    FakeOs system;
    static int handle;
    system.libraries = {{"/elsewhere/viewer.so", &handle}};
    system.registeredViewerLibrary = "/elsewhere/viewer.so";
    system.files["/elsewhere/viewer.so"] = {};
    system.symbols[{&handle, "HtmlHelpA"}] =
        reinterpret_cast<void*>(&zentolk::testing::FakeHtmlHelp);
    HelpKit kit(system); // loads the library at start-up
    EXPECT_EQ(system.loadAttempts,
              (std::vector<std::string>{"libhhctrl.so", "/elsewhere/viewer.so"}));
    EXPECT_EQ(kit.ViewerLibrary().handle, &handle);
    EXPECT_EQ(kit.ViewerLibrary().HtmlHelpW, nullptr); // an entry the library lacks stays empty
    kit.LoadViewerLibrary();                           // loaded already: nothing more
    EXPECT_EQ(system.loadAttempts.size(), 2u);
    kit.UnloadViewerLibrary();
    EXPECT_EQ(system.freed, std::vector<void*>{&handle});
    EXPECT_EQ(kit.ViewerLibrary().handle, nullptr);
    EXPECT_EQ(kit.ViewerLibrary().HtmlHelp, nullptr);

    system.libraries.clear();
    kit.LoadViewerLibrary();
    EXPECT_EQ(kit.ViewerLibrary().handle, nullptr);
    EXPECT_TRUE(system.messages.empty());
    viewerCalls.clear();
    kit.CloseAllHelpWindows(); // without a library: silent
    EXPECT_TRUE(viewerCalls.empty());
}

TEST(HelpHook, CreationInstallsItAndDestructionClosesAndRestores) {
    KitWithViewer kit;
    zentolk::ProgramServices* app = zentolk::CurrentProgram();
    int earlier = 0;
    app->OnHelp = [&](std::uint16_t, std::int32_t, bool&) { return ++earlier > 0; };
    {
        THookHelpSystem hook(*kit.help, HelpFilePath, "");
        app->HelpCommand(2, 0);
        EXPECT_EQ(earlier, 0); // the hook answered, not the earlier handler
    }
    ASSERT_EQ(viewerCalls.size(), 1u);
    EXPECT_EQ(viewerCalls[0].command, HH_CLOSE_ALL);
    app->HelpCommand(2, 0);
    EXPECT_EQ(earlier, 1);
    app->OnHelp = nullptr;
    EXPECT_EQ(kit.Traces(),
              (std::vector<std::string>{
                  "THookHelpSystem.Create(\"/home/user/Zentolk.chm\",\"\", 0)",
                  "THookHelpSystem.HelpHook(2 (HELP_QUIT), 0)", "THookHelpSystem.Destroy"}));
}

TEST(HelpHook, ContextRequestsOpenTheTopicInTheViewer) {
    for (const std::uint16_t command : {1, 8}) {
        KitWithViewer kit;
        THookHelpSystem hook(*kit.help, " /home/user/My%20Help/Zentolk.chm ", "");
        bool callDefault = true;
        EXPECT_TRUE(hook.HelpHook(command, 42, callDefault));
        EXPECT_FALSE(callDefault);
        ASSERT_EQ(viewerCalls.size(), 1u);
        EXPECT_EQ(viewerCalls[0].command, HH_HELP_CONTEXT);
        EXPECT_EQ(viewerCalls[0].data, 42u);
        EXPECT_EQ(viewerCalls[0].file, "/home/user/My Help/Zentolk.chm"); // cleaned
        EXPECT_TRUE(kit.platform.messages.empty());
        const auto traces = kit.Traces();
        ASSERT_EQ(traces.size(), 5u);
        EXPECT_EQ(traces[1], "THookHelpSystem.HelpHook(" + DescribeHelpCommand(command) + ", 42)");
        EXPECT_EQ(traces[2], "HHHelpContext(\" /home/user/My%20Help/Zentolk.chm \", 42, \"\", 0)");
        EXPECT_EQ(traces[3], "ShowContext(\"/home/user/My Help/Zentolk.chm\", 0)");
        EXPECT_EQ(traces[4], "  returned - 0");
    }
}

TEST(HelpHook, APopupPositionIsTakenAndIgnored) {
    KitWithViewer kit;
    THookHelpSystem hook(*kit.help, HelpFilePath, "");
    bool callDefault = true;
    EXPECT_TRUE(hook.HelpHook(13, -1, callDefault));
    EXPECT_FALSE(callDefault);
    EXPECT_TRUE(viewerCalls.empty());
    hook.HelpHook(8, 7, callDefault);
    ASSERT_EQ(viewerCalls.size(), 1u);
    EXPECT_EQ(viewerCalls[0].data, 7u);
}

TEST(HelpHook, OtherCommandsGoToTheDefaultHandlingAndAreStillTraced) {
    KitWithViewer kit;
    THookHelpSystem hook(*kit.help, HelpFilePath, "");
    for (const std::uint16_t command : {0, 2, 3, 11, 257, 999}) {
        bool callDefault = false;
        EXPECT_TRUE(hook.HelpHook(command, -1, callDefault));
        EXPECT_TRUE(callDefault);
    }
    EXPECT_TRUE(viewerCalls.empty());
    EXPECT_EQ(kit.Traces().size(), 7u);
    EXPECT_EQ(kit.Traces()[6], "THookHelpSystem.HelpHook(999 (?\?), -1)");
}

TEST(HelpHook, WithoutAnInstalledViewerTheUserIsTold) {
    KitWithViewer kit(false);
    THookHelpSystem hook(*kit.help, HelpFilePath, "");
    bool callDefault = true;
    hook.HelpHook(1, 0, callDefault);
    EXPECT_TRUE(viewerCalls.empty());
    ASSERT_EQ(kit.platform.messages.size(), 1u);
    EXPECT_EQ(kit.platform.messages[0].text, "MS Html Help is not installed on this PC.");
    EXPECT_EQ(kit.platform.messages[0].caption, "Ruviz Oruvodezar");
    EXPECT_TRUE(kit.platform.messages[0].kind == zentolk::platform::MessageKind::Warning);
    EXPECT_EQ(hook.HelpContextRequest(0), 1);
    EXPECT_EQ(kit.Traces().back(), "HHShowError(1), \"MS Html Help is not installed on this PC.\"");
}

TEST(ComposeHelpLocation, CleansAndJoinsItsParts) {
    struct Case {
        const char* file;
        const char* topic;
        const char* window;
        const char* expected;
    };
    const Case cases[] = {
        {"/a/b.chm", "", "", "/a/b.chm"},
        {"  /a/My%20File.chm  ", "", "", "/a/My File.chm"},
        {"/a/b.chm", "", "main", "/a/b.chm>main"},
        {"/a/b.chm", "", " %20main ", "/a/b.chm>main"},
        {"/a/b.chm", "html\\intro.htm", "", "/a/b.chm::/html/intro.htm"},
        {"/a/b.chm", "/intro.htm", "w", "/a/b.chm::/intro.htm>w"},
        {"", "intro.htm", "", "/intro.htm"},
        {"%20%20", "", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComposeHelpLocation(c.file, c.topic, c.window), c.expected)
            << c.file << " " << c.topic;
}

TEST(DescribeHelpCommand, NamesTheKnownCommands) {
    const std::pair<std::uint16_t, const char*> cases[] = {
        {1, "1 (HELP_CONTEXT)"},
        {3, "3 (HELP_INDEX or HELP_CONTENTS)"},
        {5, "5 (HELP_SETINDEX or HELP_SETCONTENTS)"},
        {13, "13 (HELP_SETPOPUP_POS)"},
        {257, "257 (HELP_KEY)"},
        {515, "515 (HELP_SETWINPOS)"},
        {0, "0 (?\?)"},
        {6, "6 (?\?)"},
        {7, "7 (?\?)"},
        {65535, "65535 (?\?)"},
    };
    for (const auto& [command, text] : cases)
        EXPECT_EQ(DescribeHelpCommand(command), text);
}

} // namespace
