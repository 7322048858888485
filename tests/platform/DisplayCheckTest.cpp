#include "platform/DisplayCheck.h"

#include <gtest/gtest.h>
#include <map>

using zentolk::platform::ChooseDisplayPlatform;
using zentolk::platform::DisplayProbes;

namespace {
// A machine where an X server answers on ":0", a compositor listens on
// /run/user/1000/wayland-0 and both platform plugins are installed.
DisplayProbes machine(std::map<std::string, std::string> env, bool waylandPlugin = true) {
    DisplayProbes probes;
    probes.env = [env](const char* name) -> std::optional<std::string> {
        const auto found = env.find(name);
        if (found == env.end())
            return std::nullopt;
        return found->second;
    };
    probes.x11Reachable = [](const std::string& display) { return display == ":0"; };
    probes.waylandReachable = [](const std::string& socket) {
        return socket == "/run/user/1000/wayland-0";
    };
    probes.pluginInstalled = [waylandPlugin](const std::string& platform) {
        return platform == "xcb" || waylandPlugin;
    };
    return probes;
}

const std::string RuntimeDir = "/run/user/1000";
} // namespace

TEST(DisplayCheck, ChoosesWhatCanBeReachedInQtsOrder) {
    struct Case {
        std::map<std::string, std::string> env;
        std::string requested;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        // Nothing to show on.
        {{}, "", std::nullopt},
        {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, "", std::nullopt},
        {{{"DISPLAY", ":7"}}, "", std::nullopt},
        {{{"WAYLAND_DISPLAY", "wayland-9"}, {"XDG_RUNTIME_DIR", RuntimeDir}}, "", std::nullopt},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, "", std::nullopt}, // no runtime folder
        // X11 alone, Wayland alone (no XWayland), absolute socket path.
        {{{"DISPLAY", ":0"}}, "", "xcb"},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_RUNTIME_DIR", RuntimeDir}}, "", "wayland"},
        {{{"WAYLAND_DISPLAY", RuntimeDir + "/wayland-0"}}, "", "wayland"},
        {{{"WAYLAND_SOCKET", "5"}}, "", "wayland"},
        // Both: Wayland first only in a Wayland session not on GNOME.
        {{{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_RUNTIME_DIR", RuntimeDir}},
         "",
         "xcb;wayland"},
        {{{"DISPLAY", ":0"},
          {"WAYLAND_DISPLAY", "wayland-0"},
          {"XDG_RUNTIME_DIR", RuntimeDir},
          {"XDG_SESSION_TYPE", "wayland"}},
         "",
         "wayland;xcb"},
        {{{"DISPLAY", ":0"},
          {"WAYLAND_DISPLAY", "wayland-0"},
          {"XDG_RUNTIME_DIR", RuntimeDir},
          {"XDG_SESSION_TYPE", "wayland"},
          {"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}},
         "",
         "xcb;wayland"},
        // A platform asked for is kept when it can be reached or not probed.
        {{{"QT_QPA_PLATFORM", "offscreen"}}, "", "offscreen"},
        {{{"QT_QPA_PLATFORM", "xcb"}}, "", std::nullopt},
        {{{"QT_QPA_PLATFORM", "xcb;offscreen"}}, "", "xcb;offscreen"},
        {{{"QT_QPA_PLATFORM", "wayland"}, {"XDG_RUNTIME_DIR", RuntimeDir}}, "", "wayland"},
        {{{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":0"}}, "minimal", "minimal"},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, "xcb:foo", std::nullopt},
    };
    for (const Case& c : cases) {
        std::string label = "requested '" + c.requested + "'";
        for (const auto& [name, value] : c.env)
            label += " " + name + "=" + value;
        EXPECT_EQ(ChooseDisplayPlatform(machine(c.env), c.requested), c.expected) << label;
    }
}

TEST(DisplayCheck, SkipsAPlatformWhosePluginIsMissing) {
    const auto both = machine(
        {{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_RUNTIME_DIR", RuntimeDir}},
        false);
    EXPECT_EQ(ChooseDisplayPlatform(both, ""), "xcb");
    const auto waylandOnly =
        machine({{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_RUNTIME_DIR", RuntimeDir}}, false);
    EXPECT_EQ(ChooseDisplayPlatform(waylandOnly, ""), std::nullopt);
}

// A platform whose plugin is missing is never handed to Qt, which would abort;
// the user is told in one line what to install.
TEST(DisplayCheck, SaysWhichPluginIsMissing) {
    using zentolk::platform::NoDisplayMessage;
    const std::map<std::string, std::string> wayland = {{"WAYLAND_DISPLAY", "wayland-0"},
                                                        {"XDG_RUNTIME_DIR", RuntimeDir}};
    auto asked = wayland;
    asked["QT_QPA_PLATFORM"] = "wayland";
    auto askedWithX = asked;
    askedWithX["DISPLAY"] = ":0";
    askedWithX["QT_QPA_PLATFORM"] = "wayland;xcb";
    struct Case {
        std::map<std::string, std::string> env;
        std::optional<std::string> chosen;
        std::string says;
    };
    const Case cases[] = {
        {wayland, std::nullopt, "install the package qt6-wayland"},
        {asked, std::nullopt, "install the package qt6-wayland"},
        {askedWithX, "wayland;xcb", ""}, // Qt goes on to the next entry itself
        {{{"QT_QPA_PLATFORM", "xcb"}}, std::nullopt, "'xcb' that was asked for reaches no display"},
        {{}, std::nullopt, "no display to show the window on"},
    };
    for (const Case& c : cases) {
        const DisplayProbes probes = machine(c.env, false);
        EXPECT_EQ(ChooseDisplayPlatform(probes, ""), c.chosen);
        if (c.chosen)
            continue;
        const std::string message = NoDisplayMessage(probes, "");
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos);
    }
}
