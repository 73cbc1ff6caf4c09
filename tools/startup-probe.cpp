// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-startup-probe: the program's own start-up (the real platform, the
// layout choice, the initialised window shown) on whatever Qt platform is
// selected; prints the wall-clock time at which the window was shown and the
// peak resident memory, then exits. scripts/measure-startup.sh turns these
// into the cold start time from process start.

#include "MainWindow.h"
#include "Program.h"
#include "QtPlatform.h"

#include <QApplication>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

constexpr long long kNanosecondsPerSecond = 1000000000LL;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    velmora::QtPlatform platform;
    velmora::MainWindow* window = velmora::startProgram(platform);
    while (!window->isVisible()) QApplication::processEvents();
    QApplication::processEvents(); // the first paint
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("shown_ns %lld\npeak_kb %ld\n",
                static_cast<long long>(now.tv_sec) * kNanosecondsPerSecond + now.tv_nsec, usage.ru_maxrss);
    return 0;
}
