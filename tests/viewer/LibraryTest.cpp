// The built libhhctrl.so as the program meets it: loaded with dlopen, its
// two entries looked up by name, and run inside the program's application.
#include "viewer/hhctrl.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>

namespace {
const char* const Library = ZENTOLK_HHCTRL;
const char* const Fixture = ZENTOLK_FIXTURE_CHM;

using zentolk::viewer::HH_CLOSE_ALL;
using zentolk::viewer::HH_DISPLAY_TOPIC;
using zentolk::viewer::HH_HELP_CONTEXT;

struct Entries {
    void* handle = dlopen(Library, RTLD_NOW | RTLD_LOCAL);
    HtmlHelpAFunction a =
        handle ? reinterpret_cast<HtmlHelpAFunction>(dlsym(handle, "HtmlHelpA")) : nullptr;
    HtmlHelpWFunction w =
        handle ? reinterpret_cast<HtmlHelpWFunction>(dlsym(handle, "HtmlHelpW")) : nullptr;
    ~Entries() {
        if (handle != nullptr)
            dlclose(handle);
    }
};

std::u16string Utf16(const char* text) {
    return QString::fromUtf8(text).toStdU16String();
}
} // namespace

TEST(HelpViewerLibrary, ExportsExactlyTheTwoEntries) {
    const std::string command = std::string(ZENTOLK_NM) + " -D --defined-only " + Library;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::istringstream fields(line);
        std::string address, kind, name;
        fields >> address >> kind >> name;
        names.insert(name);
    }
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(names, (std::set<std::string>{"HtmlHelpA", "HtmlHelpW"}));
}

TEST(HelpViewerLibrary, LoadsAndResolvesBothEntries) {
    Entries entries;
    ASSERT_NE(entries.handle, nullptr) << dlerror();
    EXPECT_NE(entries.a, nullptr);
    EXPECT_NE(entries.w, nullptr);
}

TEST(HelpViewerLibrary, NeedsTheProgramsApplication) {
    Entries entries;
    ASSERT_NE(entries.a, nullptr);
    EXPECT_EQ(entries.a(nullptr, Fixture, HH_DISPLAY_TOPIC, 0), nullptr);
    EXPECT_EQ(entries.w(nullptr, Utf16(Fixture).c_str(), HH_HELP_CONTEXT, 20), nullptr);
    EXPECT_EQ(entries.a(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);
}

TEST(HelpViewerLibrary, ShowsHelpInsideTheProgram) {
    Entries entries;
    ASSERT_NE(entries.a, nullptr);
    int argc = 1;
    char name[] = "viewer_library_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);

    auto* window = static_cast<QWidget*>(entries.a(nullptr, Fixture, HH_DISPLAY_TOPIC, 0));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "Fixture Help");
    EXPECT_EQ(entries.w(nullptr, Utf16(Fixture).c_str(), HH_HELP_CONTEXT, 20), window);
    EXPECT_EQ(entries.a(nullptr, Fixture, 2, 0), nullptr);
    EXPECT_EQ(entries.a(nullptr, nullptr, HH_DISPLAY_TOPIC, 0), nullptr);

    // A file that is not where the caller says is looked for beside the
    // library, where the build puts the program's help file.
    auto* help = static_cast<QWidget*>(
        entries.a(nullptr, "/nonexistent/folder/Zentolk.chm", HH_DISPLAY_TOPIC, 0));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle().toStdString(), "Zentolk Help");

    EXPECT_EQ(entries.a(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}
