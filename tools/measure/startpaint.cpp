// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-startpaint: how long a program takes from launch until its window is
// complete on the X server in $DISPLAY, and how much memory it then holds.
//
//   velmora-startpaint QUIET_MS RSS_AT_MS PROGRAM [ARGS...]
//
// Forks and runs PROGRAM and watches the root window: the first MapNotify of
// a top-level window is the map; every drawing after it (XDamage on the root
// window) counts as a paint, and the window is complete at the last paint
// before the screen stays still for QUIET_MS. At RSS_AT_MS after the launch
// (or at once, if later than that) the program's resident memory is read and
// the program ended. Prints one line: "map_ms complete_ms paints rss_kb".

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>

namespace {

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// VmRSS of a process in kB, or -1.
long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    constexpr std::string_view field = "VmRSS:";
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::strtol(line.c_str() + field.size(), nullptr, 10);
    return -1;
}

// A program that never maps or never settles is given up on after this long.
constexpr double kGiveUpMs = 15000;

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fputs("usage: velmora-startpaint QUIET_MS RSS_AT_MS PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    char* quietEnd = nullptr;
    char* rssEnd = nullptr;
    const double quietMs = std::strtod(argv[1], &quietEnd);
    const double rssAtMs = std::strtod(argv[2], &rssEnd);
    // NaN fails both comparisons, so it is refused with the rest.
    if (*quietEnd != '\0' || *rssEnd != '\0' || quietEnd == argv[1] || rssEnd == argv[2] ||
        !(quietMs >= 0 && quietMs <= 60000) || !(rssAtMs >= 0 && rssAtMs <= 60000)) {
        std::fputs("velmora-startpaint: QUIET_MS and RSS_AT_MS are milliseconds, 0 to 60000\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("velmora-startpaint: no display\n", stderr);
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fputs("velmora-startpaint: the X server has no DAMAGE extension\n", stderr);
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    const Damage damage = XDamageCreate(display, root, XDamageReportRawRectangles);
    XSync(display, True); // drop older events

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        execvp(argv[3], argv + 3);
        constexpr int cannotRun = 127; // as a shell says of a command it cannot run
        _exit(cannotRun);
    }
    double mapped = -1;
    double lastPaint = -1;
    int paints = 0;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            const double t = nowMs();
            if (event.type == MapNotify && event.xmap.event == root && mapped < 0) mapped = t;
            if (event.type == damageEvent + XDamageNotify && mapped >= 0) {
                lastPaint = t;
                ++paints;
            }
        }
        const double t = nowMs();
        if (lastPaint >= 0 && t - lastPaint >= quietMs) break;
        if (t - start > kGiveUpMs) break;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        constexpr int kPollMs = 2;
        poll(&fd, 1, kPollMs);
    }
    const double wait = start + rssAtMs - nowMs();
    if (wait > 0) std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(wait));
    const long rss = residentKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    if (mapped < 0 || lastPaint < 0) {
        std::fputs("velmora-startpaint: no window mapped and painted\n", stderr);
        return 1;
    }
    std::printf("%.2f %.2f %d %ld\n", mapped - start, lastPaint - start, paints, rss);
    return 0;
}
