// End-to-end latency on an X display: a real key press sent through XTest to
// the last pixel the program changes in reply, seen through XDamage. Starts
// the program, finds its window by process id, lets it settle, then presses
// Up and Down in turn and times each press until the window has been quiet
// for a while. Text cursor blinks (damage one or two pixels wide) are ignored.
// Usage: key_to_pixel PROGRAM [presses]   (under Xvfb or any X server)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

Window findWindowOf(Display* display, pid_t pid) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None)
        return None;
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window found = None;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return None;
    for (unsigned i = 0; i < count && found == None; ++i) {
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type,
                               &format, &items, &after, &data) == Success &&
            data != nullptr && items == 1) {
            XWindowAttributes attributes;
            if (static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid &&
                XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable)
                found = children[i];
        }
        if (data != nullptr)
            XFree(data);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

// Waits for damage until the window has been quiet for `quietMs`; returns the
// time of the last damage wider than a text cursor, or -1 when none came.
double lastDamage(Display* display, int damageEvent, Clock::time_point since, double quietMs,
                  double limitMs) {
    double last = -1;
    double lastAny = 0;
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == damageEvent + XDamageNotify) {
                const auto& damage = reinterpret_cast<XDamageNotifyEvent&>(event);
                lastAny = millisecondsSince(since);
                if (damage.area.width > 2)
                    last = lastAny;
            }
        }
        const double now = millisecondsSince(since);
        if (now - lastAny >= quietMs || now >= limitMs)
            return last;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 1);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: key_to_pixel PROGRAM [presses]\n");
        return 2;
    }
    const int presses = argc > 2 ? std::atoi(argv[2]) : 60;
    Display* display = XOpenDisplay(nullptr);
    int damageEvent, damageError, xtestEvent, xtestError, major, minor;
    if (display == nullptr || !XDamageQueryExtension(display, &damageEvent, &damageError) ||
        !XTestQueryExtension(display, &xtestEvent, &xtestError, &major, &minor)) {
        std::fprintf(stderr, "key_to_pixel: needs an X display with XDamage and XTest\n");
        return 1;
    }

    pid_t pid;
    char* childArgv[] = {argv[1], nullptr};
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, childArgv, environ) != 0) {
        std::fprintf(stderr, "key_to_pixel: cannot start %s\n", argv[1]);
        return 1;
    }
    const auto started = Clock::now();
    Window window = None;
    while (window == None && millisecondsSince(started) < 10000) {
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "key_to_pixel: %s ended before showing a window\n", argv[1]);
            return 1;
        }
        window = findWindowOf(display, pid);
        if (window == None)
            poll(nullptr, 0, 10);
    }
    int result = 1;
    if (window == None) {
        std::fprintf(stderr, "key_to_pixel: no window from %s within 10 s\n", argv[1]);
    } else {
        XDamageCreate(display, window, XDamageReportRawRectangles);
        XSync(display, False);
        lastDamage(display, damageEvent, Clock::now(), 1000, 5000); // start-up painting

        const KeyCode keys[] = {XKeysymToKeycode(display, XK_Up),
                                XKeysymToKeycode(display, XK_Down)};
        std::vector<double> latencies;
        int missed = 0;
        for (int i = 0; i < presses; ++i) {
            const auto pressed = Clock::now();
            XTestFakeKeyEvent(display, keys[i % 2], True, CurrentTime);
            XTestFakeKeyEvent(display, keys[i % 2], False, CurrentTime);
            XFlush(display);
            const double latency = lastDamage(display, damageEvent, pressed, 100, 2000);
            if (latency < 0)
                ++missed;
            else
                latencies.push_back(latency);
        }
        std::sort(latencies.begin(), latencies.end());
        if (latencies.empty()) {
            std::fprintf(stderr, "key_to_pixel: no press changed a pixel\n");
        } else {
            const auto at = [&](double q) {
                return latencies[static_cast<std::size_t>(q * (latencies.size() - 1))];
            };
            std::printf("%s: key press to last changed pixel: median %.2f ms, 10%% %.2f ms, "
                        "90%% %.2f ms over %zu presses",
                        argv[1], at(0.5), at(0.1), at(0.9), latencies.size());
            if (missed > 0)
                std::printf(" (%d presses changed nothing)", missed);
            std::printf("\n");
            result = missed > presses / 10 ? 1 : 0;
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return result;
}
