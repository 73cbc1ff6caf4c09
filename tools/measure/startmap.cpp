// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-startmap: how long a program takes from launch to its first
// top-level window being mapped on the X server in $DISPLAY, and how much
// resident memory it holds once it has started.
//
//   velmora-startmap SETTLE_MS PROGRAM [ARGS...]
//
// Forks and runs PROGRAM, waits for the first MapNotify on the root window,
// then waits SETTLE_MS more (the first paint), reads the program's resident
// memory and ends it. Prints one line: "map_ms RSS_KB".

#include <X11/Xlib.h>

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

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: velmora-startmap SETTLE_MS PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    char* end = nullptr;
    const long settleMs = std::strtol(argv[1], &end, 10);
    if (end == argv[1] || *end != '\0' || settleMs < 0 || settleMs > 60000) {
        std::fputs("velmora-startmap: SETTLE_MS is a whole number of milliseconds, 0 to 60000\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("velmora-startmap: no display\n", stderr);
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True); // drop older events

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        constexpr int cannotRun = 127; // as a shell says of a command it cannot run
        _exit(cannotRun);
    }
    double mapped = -1;
    while (mapped < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == root) mapped = nowMs();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = residentKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.2f %ld\n", mapped - start, rss);
    return 0;
}
