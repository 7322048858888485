#include "platform/DisplayCheck.h"

#include <QDir>
#include <QLibraryInfo>
#include <QString>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace zentolk::platform {

namespace {
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The compositor's socket as the Wayland client library finds it; "wayland-0"
// stands in for an unset name only when Wayland was asked for by name.
bool waylandReachable(const DisplayProbes& probes, bool assumeDefault) {
    if (probes.env("WAYLAND_SOCKET").value_or("") != "")
        return true; // a connection handed over by the compositor
    std::string name = probes.env("WAYLAND_DISPLAY").value_or("");
    if (name.empty() && !assumeDefault)
        return false;
    if (name.empty())
        name = "wayland-0";
    if (name.front() != '/') {
        const std::string runtime = probes.env("XDG_RUNTIME_DIR").value_or("");
        if (runtime.empty())
            return false;
        name = runtime + "/" + name;
    }
    return probes.waylandReachable(name);
}

bool x11Reachable(const DisplayProbes& probes) {
    const std::string display = probes.env("DISPLAY").value_or("");
    return !display.empty() && probes.x11Reachable(display);
}
} // namespace

std::optional<std::string> ChooseDisplayPlatform(const DisplayProbes& probes,
                                                 std::string_view requested) {
    std::string chosen(requested);
    if (chosen.empty())
        chosen = probes.env("QT_QPA_PLATFORM").value_or("");
    if (!chosen.empty()) {
        for (const std::string_view entry : split(chosen, ';')) {
            const std::string_view name = entry.substr(0, entry.find(':'));
            // Qt aborts on a plugin it cannot load as on a display it cannot reach.
            if (name == "xcb" ? x11Reachable(probes) && probes.pluginInstalled("xcb")
                : name.starts_with("wayland")
                    ? waylandReachable(probes, true) && probes.pluginInstalled("wayland")
                    : !name.empty())
                return chosen;
        }
        return std::nullopt;
    }

    // Qt's own order: Wayland first in a Wayland session, except on a desktop
    // whose Wayland support Qt passes over; then the other as a fallback.
    const std::string desktops = lower(probes.env("XDG_CURRENT_DESKTOP").value_or("") + ":" +
                                       probes.env("XDG_SESSION_DESKTOP").value_or(""));
    const bool waylandFirst = probes.env("XDG_SESSION_TYPE").value_or("") == "wayland" &&
                              desktops.find("gnome") == std::string::npos;
    const bool x11 = x11Reachable(probes) && probes.pluginInstalled("xcb");
    const bool wayland = waylandReachable(probes, false) && probes.pluginInstalled("wayland");
    std::vector<std::string> list;
    if (wayland && waylandFirst)
        list.push_back("wayland");
    if (x11)
        list.push_back("xcb");
    if (wayland && !waylandFirst)
        list.push_back("wayland");
    if (list.empty())
        return std::nullopt;
    return list.size() == 1 ? list[0] : list[0] + ";" + list[1];
}

std::string NoDisplayMessage(const DisplayProbes& probes, std::string_view requested) {
    std::string chosen(requested);
    if (chosen.empty())
        chosen = probes.env("QT_QPA_PLATFORM").value_or("");
    const bool askedWayland = chosen.find("wayland") != std::string::npos;
    const bool askedX11 = chosen.find("xcb") != std::string::npos;
    const char* const terminal = "; zentolk-cli gives the same readings in a terminal.";
    if ((chosen.empty() || askedWayland) && waylandReachable(probes, askedWayland) &&
        !probes.pluginInstalled("wayland"))
        return std::string("the Wayland display cannot be used without Qt's Wayland plugin "
                           "(install the package qt6-wayland)") +
               terminal;
    if ((chosen.empty() || askedX11) && x11Reachable(probes) && !probes.pluginInstalled("xcb"))
        return std::string("the X display cannot be used without Qt's X11 plugin (install the "
                           "package libqt6gui6)") +
               terminal;
    if (!chosen.empty())
        return "the platform '" + chosen + "' that was asked for reaches no display" + terminal;
    return std::string("no display to show the window on (DISPLAY and WAYLAND_DISPLAY name none "
                       "that can be reached)") +
           terminal;
}

namespace {
using Disconnect = void (*)(void*);

// The X connection of a probe that reached its server. A bare X server with
// no other client resets when its last client leaves and refuses connections
// while it does, so the probe stays connected until the toolkit has its own.
struct HeldProbe {
    void* library = nullptr;
    void* connection = nullptr;
    Disconnect disconnect = nullptr;
} heldProbe;
} // namespace

void ReleaseDisplayProbe() {
    if (heldProbe.connection != nullptr)
        heldProbe.disconnect(heldProbe.connection);
    if (heldProbe.library != nullptr)
        ::dlclose(heldProbe.library);
    heldProbe = {};
}

DisplayProbes SystemDisplayProbes() {
    DisplayProbes probes;
    probes.env = [](const char* name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name))
            return value;
        return std::nullopt;
    };
    // Through the X protocol library Qt itself uses, loaded only for the
    // check, so a refused connection (no server, no authority) shows here.
    probes.x11Reachable = [](const std::string& display) {
        ReleaseDisplayProbe();
        void* xcb = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!xcb)
            return false;
        using Connect = void* (*)(const char*, int*);
        using HasError = int (*)(void*);
        const auto connect = reinterpret_cast<Connect>(::dlsym(xcb, "xcb_connect"));
        const auto hasError = reinterpret_cast<HasError>(::dlsym(xcb, "xcb_connection_has_error"));
        const auto disconnect = reinterpret_cast<Disconnect>(::dlsym(xcb, "xcb_disconnect"));
        bool reached = false;
        if (connect && hasError && disconnect) {
            void* connection = connect(display.c_str(), nullptr);
            reached = connection && hasError(connection) == 0;
            if (reached) {
                heldProbe = {xcb, connection, disconnect};
                return true;
            }
            if (connection)
                disconnect(connection); // also frees a connection in error
        }
        ::dlclose(xcb);
        return reached;
    };
    probes.waylandReachable = [](const std::string& socketPath) {
        sockaddr_un address{};
        if (socketPath.size() >= sizeof address.sun_path)
            return false;
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        const bool reached =
            ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return reached;
    };
    probes.pluginInstalled = [](const std::string& platform) {
        const QString file = platform == "xcb" ? QStringLiteral("platforms/libqxcb.so")
                                               : QStringLiteral("platforms/libqwayland-generic.so");
        QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'));
        folders.append(QLibraryInfo::path(QLibraryInfo::PluginsPath));
        for (const QString& folder : folders)
            if (!folder.isEmpty() && QDir(folder).exists(file))
                return true;
        return false;
    };
    return probes;
}

} // namespace zentolk::platform
