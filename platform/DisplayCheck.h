#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zentolk::platform {

// What the display check needs to know about the machine; tests put fakes here.
struct DisplayProbes {
    // An environment variable's value, or nothing when it is unset.
    std::function<std::optional<std::string>(const char* name)> env;
    // Whether an X server accepts a connection to this display name.
    std::function<bool(const std::string& display)> x11Reachable;
    // Whether a Wayland compositor listens on this socket path.
    std::function<bool(const std::string& socket)> waylandReachable;
    // Whether Qt's platform plugin of this name ("xcb", "wayland") is installed.
    std::function<bool(const std::string& platform)> pluginInstalled;
};

// The probes of the real machine. An X server they reach is kept connected
// until ReleaseDisplayProbe(), to be called once the toolkit has connected.
DisplayProbes SystemDisplayProbes();
void ReleaseDisplayProbe();

// Chooses the window system to start on before Qt is started, since Qt ends
// the program with an abort when it cannot reach one. `requested` is the
// platform given with -platform, if any. Returns the platform list to start
// with (a single name or a ;-separated list Qt tries in turn), or nothing when
// no display can be reached. A requested platform is kept as it is when one of
// its entries can be reached or cannot be probed (offscreen, vnc, ...).
std::optional<std::string> ChooseDisplayPlatform(const DisplayProbes& probes,
                                                 std::string_view requested);

// Why ChooseDisplayPlatform found nothing, in one line for the user: the
// package to install when a display is there but Qt's plugin for it is not.
std::string NoDisplayMessage(const DisplayProbes& probes, std::string_view requested);

} // namespace zentolk::platform
