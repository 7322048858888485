// Start-up as the X server sees it: starts a program and waits for the first
// drawing inside its first mapped window, seen through XDamage on the root
// window (set up before the start, so no paint can slip by). At that moment
// it reads the CPU time the program's threads have used and its peak
// resident memory, then ends the program.
// Prints "WALL_US CPU_US PEAK_KIB"; on a program that dies or does not paint
// within the time-out it says so on standard error and exits 1.
// Usage: first_paint PROGRAM [time-out in seconds]   (under Xvfb, no window manager)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

std::optional<pid_t> windowPid(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    std::optional<pid_t> pid;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) == Success &&
        data != nullptr && items == 1)
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    if (data != nullptr)
        XFree(data);
    return pid;
}

// The process clock counts every thread, ended ones too; /proc's ticks are
// the fallback when the kernel refuses the clock.
long long cpuMicroseconds(pid_t pid) {
    clockid_t clock;
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) == 0 && clock_gettime(clock, &used) == 0)
        return used.tv_sec * 1000000LL + used.tv_nsec / 1000;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const std::size_t end = line.rfind(')'); // the command name may hold blanks
    if (end == std::string::npos)
        return -1;
    std::istringstream fields(line.substr(end + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stoll(field);
        else if (i == 15)
            stime = std::stoll(field);
    }
    return (utime + stime) * 1000000LL / sysconf(_SC_CLK_TCK);
}

long long peakKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atoll(line.c_str() + 6);
    return -1;
}

bool overlaps(const XRectangle& a, const XWindowAttributes& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_paint PROGRAM [time-out in seconds]\n");
        return 2;
    }
    const auto limit = std::chrono::seconds(argc > 2 ? std::atoi(argv[2]) : 10);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_paint: cannot open the display \"%s\"\n",
                     XDisplayName(nullptr));
        return 1;
    }
    int damageEvent, damageError;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "first_paint: the display lacks XDamage\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XDamageCreate(display, root, XDamageReportRawRectangles);
    XSync(display, False);

    pid_t pid;
    char* childArgv[] = {argv[1], nullptr};
    const auto started = Clock::now();
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, childArgv, environ) != 0) {
        std::fprintf(stderr, "first_paint: cannot start %s\n", argv[1]);
        return 1;
    }

    std::optional<XWindowAttributes> shown; // the program's window, once mapped
    const char* failure = nullptr;
    std::string line;
    while (line.empty() && failure == nullptr) {
        while (XPending(display) > 0 && line.empty()) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !shown && windowPid(display, event.xmap.window) == pid) {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, event.xmap.window, &attributes))
                    shown = attributes;
            } else if (event.type == damageEvent + XDamageNotify && shown &&
                       overlaps(reinterpret_cast<XDamageNotifyEvent&>(event).area, *shown)) {
                const auto wall =
                    std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started);
                const long long cpu = cpuMicroseconds(pid);
                line = std::to_string(wall.count()) + " " + std::to_string(cpu) + " " +
                       std::to_string(peakKib(pid));
            }
        }
        if (!line.empty())
            break;
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "first_paint: %s ended (%s %d) before its first paint\n", argv[1],
                         WIFSIGNALED(status) ? "signal" : "status",
                         WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status));
            XCloseDisplay(display);
            return 1;
        }
        if (Clock::now() - started > limit) {
            failure = "no first paint within the time-out";
            break;
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 5);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (failure != nullptr) {
        std::fprintf(stderr, "first_paint: %s: %s (%lld s)\n", argv[1], failure,
                     static_cast<long long>(limit.count()));
        return 1;
    }
    std::printf("%s\n", line.c_str());
    return 0;
}
